#pragma once

#include <cstdio>
#include <filesystem>
#include <string_view>

namespace common {

// An output file that takes its name only once it is complete. The text goes
// to a new temporary file beside the target (beside the file a symbolic link
// names), which replaces the target in one step when committed; an existing
// target keeps its permissions. Until then, and whenever a step fails, the
// target stays as it was and the temporary file is removed. A target that
// exists but is no regular file (a device, a pipe) is written in place, as
// there is nothing to replace; a directory cannot be opened.
class ReplacementFile {
 public:
  explicit ReplacementFile(const std::filesystem::path& target);
  ~ReplacementFile();
  ReplacementFile(const ReplacementFile&) = delete;
  ReplacementFile& operator=(const ReplacementFile&) = delete;

  // The stream to write to; nullptr when the file could not be opened.
  std::FILE* stream() const { return stream_; }

  // Flushes the text to the disk and gives it the target's name; false when
  // any of that failed, the target then being left as it was.
  bool commit();

 private:
  void discard();

  std::filesystem::path target_;
  std::filesystem::path temporary_;  // empty when writing in place
  std::FILE* stream_ = nullptr;
};

// Replaces the target with the bytes, as a committed ReplacementFile does;
// false, the target left as it was, when any step fails.
bool replaceFileWith(const std::filesystem::path& target, std::string_view bytes);

}  // namespace common
