#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>

// Following a plot file: it is read again when it has changed on disk, but
// only once it is complete. A file that a program is still writing changes
// again and again, so a change counts once the file has stayed as it is for
// a quiet moment; a file replaced in one step (written beside it and
// renamed) is complete at once and waits only that moment.
namespace vexplot {

// What a look at a file tells: whether it exists, and what changes when it is
// written to or replaced.
struct FileSignature {
  bool exists = false;
  std::uintmax_t size = 0;
  std::int64_t modifiedNanoseconds = 0;
  std::uintmax_t inode = 0;  // a replaced file is another file

  bool operator==(const FileSignature&) const = default;
};

FileSignature fileSignature(const std::filesystem::path& path);

class FileFollower {
 public:
  using Clock = std::chrono::steady_clock;

  // How long a changed file must stay as it is before it is read.
  static constexpr std::chrono::milliseconds kQuietMoment{500};

  explicit FileFollower(const FileSignature& read = {}) : read_(read), seen_(read) {}

  // The file was read as it looked then.
  void read(const FileSignature& signature) {
    read_ = signature;
    seen_ = signature;
  }

  // Another look at the file, at the time now; true when it is to be read
  // again: it differs from the version read, exists, is not empty, and has
  // looked the same since at least the quiet moment ago.
  bool look(const FileSignature& signature, Clock::time_point now);

 private:
  FileSignature read_;
  FileSignature seen_;         // at the last look
  Clock::time_point seenSince_;  // since when it has looked so
};

}  // namespace vexplot
