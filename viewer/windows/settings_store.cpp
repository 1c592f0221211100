#include "viewer/windows/settings_store.hpp"

#include <cerrno>
#include <fstream>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vexplot {

namespace fs = std::filesystem;

namespace {

std::string asDirectoryPrefix(const fs::path& directory) {
  std::string text = directory.string();
  if (text.empty() || text.back() != '/') text.push_back('/');
  return text;
}

bool isFile(const fs::path& path) {
  std::error_code ignored;
  return fs::is_regular_file(path, ignored);
}

// Opens a new temporary file beside path; -1 when that is impossible. A stale
// one of an earlier process with the same id is replaced.
int createTemporaryBeside(const fs::path& path, fs::path& temporary) {
  temporary = path;
  temporary += ".tmp" + std::to_string(::getpid());
  constexpr int kFlags = O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC;
  int descriptor = ::open(temporary.c_str(), kFlags, 0666);
  if (descriptor < 0 && errno == EEXIST && ::unlink(temporary.c_str()) == 0) {
    descriptor = ::open(temporary.c_str(), kFlags, 0666);
  }
  return descriptor;
}

bool writeAll(int descriptor, std::string_view text) {
  while (!text.empty()) {
    const ssize_t written = ::write(descriptor, text.data(), text.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    text.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// The replaced file keeps its permissions.
void copyPermissions(const fs::path& from, int descriptor) {
  struct stat status;
  if (::stat(from.c_str(), &status) == 0) ::fchmod(descriptor, status.st_mode & 07777);
}

}  // namespace

SettingsPlaces locateSettings(const SettingsEnvironment& environment) {
  const fs::path besideProgram = environment.programDirectory / kSettingsFileName;
  const fs::path userDirectory =
      environment.configHome.empty() ? fs::path() : environment.configHome / "vexplot";
  const fs::path userFile = userDirectory.empty() ? fs::path() : userDirectory / kSettingsFileName;

  SettingsPlaces places;
  places.programDirectory = asDirectoryPrefix(environment.programDirectory);
  places.outputDirectory = environment.programDirectoryWritable || userDirectory.empty()
                               ? places.programDirectory
                               : asDirectoryPrefix(userDirectory);
  if (environment.programDirectoryWritable && (isFile(besideProgram) || userFile.empty())) {
    places.readPath = places.writePath = besideProgram;
  } else if (!userFile.empty()) {
    places.readPath = isFile(userFile) || !isFile(besideProgram) ? userFile : besideProgram;
    places.writePath = userFile;
  } else {
    places.readPath = besideProgram;
  }
  return places;
}

ActiveSettings readSettings(const SettingsPlaces& places, const ScreenSize& screen) {
  std::ifstream in(places.readPath, std::ios::binary);
  const SettingsContext context{places.programDirectory, places.outputDirectory, screen};
  return deriveSettings(in ? parseSettings(in) : Settings(), context);
}

LoadedSettings loadSettings(const SettingsEnvironment& environment, const ScreenSize& screen) {
  LoadedSettings loaded{locateSettings(environment), {}};
  if (loaded.places.outputDirectory != loaded.places.programDirectory) {
    std::error_code ignored;
    fs::create_directories(loaded.places.outputDirectory, ignored);
  }
  loaded.active = readSettings(loaded.places, screen);
  return loaded;
}

bool writeSettings(const SettingsPlaces& places, const ActiveSettings& active,
                   const WindowPlacement& mainWindow) {
  if (places.writePath.empty()) return false;
  return writeFileAtomically(places.writePath, formatSettings(active, mainWindow));
}

bool writeFileAtomically(const fs::path& path, std::string_view text) {
  std::error_code error;
  if (path.has_parent_path()) fs::create_directories(path.parent_path(), error);
  if (error) return false;
  fs::path temporary;
  const int descriptor = createTemporaryBeside(path, temporary);
  if (descriptor < 0) return false;
  copyPermissions(path, descriptor);
  const bool written = writeAll(descriptor, text) && ::fsync(descriptor) == 0;
  const bool closed = ::close(descriptor) == 0;
  if (written && closed && ::rename(temporary.c_str(), path.c_str()) == 0) return true;
  ::unlink(temporary.c_str());
  return false;
}

}  // namespace vexplot
