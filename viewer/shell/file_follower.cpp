#include "viewer/shell/file_follower.hpp"

#include <sys/stat.h>

namespace vexplot {

FileSignature fileSignature(const std::filesystem::path& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) return {};
  const std::int64_t modified =
      static_cast<std::int64_t>(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec;
  return {true, static_cast<std::uintmax_t>(status.st_size), modified,
          static_cast<std::uintmax_t>(status.st_ino)};
}

bool FileFollower::look(const FileSignature& signature, Clock::time_point now) {
  if (signature == read_) {
    seen_ = signature;
    return false;
  }
  if (signature != seen_) {
    seen_ = signature;
    seenSince_ = now;
    return false;
  }
  return signature.exists && signature.size > 0 && now - seenSince_ >= kQuietMoment;
}

}  // namespace vexplot
