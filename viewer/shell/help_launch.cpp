#include "viewer/shell/help_launch.hpp"

#include <array>
#include <cerrno>
#include <string>
#include <system_error>

#include <spawn.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vexplot {

namespace fs = std::filesystem;

fs::path findHelpFile(const fs::path& programDirectory) {
  const fs::path besideProgram = programDirectory / kHelpFile;
  const fs::path installed = (programDirectory / kInstalledHelpFile).lexically_normal();
  std::error_code error;
  if (!fs::exists(besideProgram, error) && fs::exists(installed, error)) {
    return installed;
  }
  return besideProgram;
}

HelpStart openHelpFile(const fs::path& helpPath) {
  struct stat status;
  if (::stat(helpPath.c_str(), &status) != 0) return {std::nullopt, errno};
  if (S_ISDIR(status.st_mode)) return {std::nullopt, EISDIR};
  constexpr std::array<const char*, 3> kViewers{kDesktopOpener, "sensible-browser", "x-www-browser"};
  int error = ENOENT;
  for (const char* viewer : kViewers) {
    // posix_spawnp takes non-const argument strings but does not change them.
    std::string program = viewer;
    std::string file = helpPath.string();
    char* const arguments[] = {program.data(), file.data(), nullptr};
    pid_t id = 0;
    error = ::posix_spawnp(&id, viewer, nullptr, nullptr, arguments, environ);
    if (error == 0) return {EditorProcess(id), 0};
  }
  return {std::nullopt, error};
}

}  // namespace vexplot
