#include "viewer/shell/program_environment.hpp"

#include <cstdlib>
#include <system_error>

#include <unistd.h>

namespace vexplot {

namespace fs = std::filesystem;

namespace {

std::string_view variable(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? std::string_view(value) : std::string_view();
}

fs::path ownProgramFile() {
  std::error_code error;
  const fs::path file = fs::read_symlink("/proc/self/exe", error);
  return error ? fs::current_path(error) / "vexplotw" : file;
}

}  // namespace

SettingsEnvironment settingsEnvironmentFor(const fs::path& programFile, std::string_view xdgConfigHome,
                                           std::string_view home) {
  SettingsEnvironment environment;
  environment.programDirectory = programFile.parent_path();
  if (fs::path(xdgConfigHome).is_absolute()) {
    environment.configHome = xdgConfigHome;
  } else if (!home.empty()) {
    environment.configHome = fs::path(home) / ".config";
  }
  return environment;
}

SettingsEnvironment currentSettingsEnvironment() {
  SettingsEnvironment environment =
      settingsEnvironmentFor(ownProgramFile(), variable("XDG_CONFIG_HOME"), variable("HOME"));
  environment.programDirectoryWritable = ::access(environment.programDirectory.c_str(), W_OK) == 0;
  return environment;
}

}  // namespace vexplot
