#include "common/replacement_file.hpp"

#include <cerrno>
#include <random>
#include <string>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace common {

namespace fs = std::filesystem;

namespace {

// A symbolic link is followed, so that the file it names is replaced and the
// link stays.
fs::path resolveLink(const fs::path& target) {
  std::error_code error;
  if (!fs::is_symlink(target, error)) return target;
  const fs::path resolved = fs::weakly_canonical(target, error);
  return error ? target : resolved;
}

bool existsAsOtherThanRegularFile(const fs::path& path) {
  struct stat status;
  return ::stat(path.c_str(), &status) == 0 && !S_ISREG(status.st_mode);
}

// Creates a new hidden file with a random name beside the target; -1 when
// none could be created. Its permissions follow the process's file mask like
// those of any new file.
int createTemporaryBeside(const fs::path& target, fs::path& temporary) {
  constexpr int kTries = 16;
  std::random_device random;
  for (int i = 0; i < kTries; ++i) {
    std::string name = ".";
    name += target.filename().string();
    name += '.';
    name += std::to_string(random());
    temporary = target;
    temporary.replace_filename(name);
    const int descriptor = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (descriptor >= 0 || errno != EEXIST) return descriptor;
  }
  return -1;
}

// A replaced file keeps its permissions.
void copyPermissions(const fs::path& from, int descriptor) {
  struct stat status;
  if (::stat(from.c_str(), &status) == 0) ::fchmod(descriptor, status.st_mode & 07777);
}

}  // namespace

ReplacementFile::ReplacementFile(const fs::path& target) : target_(resolveLink(target)) {
  if (existsAsOtherThanRegularFile(target_)) {
    stream_ = std::fopen(target_.c_str(), "w");
    return;
  }
  const int descriptor = createTemporaryBeside(target_, temporary_);
  if (descriptor < 0) {
    temporary_.clear();
    return;
  }
  copyPermissions(target_, descriptor);
  stream_ = ::fdopen(descriptor, "w");
  if (stream_ == nullptr) {
    ::close(descriptor);
    discard();
  }
}

ReplacementFile::~ReplacementFile() { discard(); }

bool ReplacementFile::commit() {
  if (stream_ == nullptr) return false;
  bool written = std::fflush(stream_) == 0 && std::ferror(stream_) == 0;
  // Only a file of our own is synchronised: a device may not support it.
  if (written && !temporary_.empty()) written = ::fsync(::fileno(stream_)) == 0;
  const bool closed = std::fclose(stream_) == 0;
  stream_ = nullptr;
  if (temporary_.empty()) return written && closed;
  if (written && closed && ::rename(temporary_.c_str(), target_.c_str()) == 0) {
    temporary_.clear();
    return true;
  }
  discard();
  return false;
}

void ReplacementFile::discard() {
  if (stream_ != nullptr) std::fclose(stream_);
  stream_ = nullptr;
  if (!temporary_.empty()) ::unlink(temporary_.c_str());
  temporary_.clear();
}

bool replaceFileWith(const fs::path& target, std::string_view bytes) {
  ReplacementFile file(target);
  return file.stream() != nullptr &&
         std::fwrite(bytes.data(), 1, bytes.size(), file.stream()) == bytes.size() && file.commit();
}

}  // namespace common
