#pragma once

#include <filesystem>
#include <string_view>

#include "viewer/windows/settings_store.hpp"

namespace vexplot {

// The settings environment of a program file, given the values of
// XDG_CONFIG_HOME and HOME: the user's configuration root is XDG_CONFIG_HOME
// when it is an absolute path, else HOME/.config, else unknown.
SettingsEnvironment settingsEnvironmentFor(const std::filesystem::path& programFile,
                                           std::string_view xdgConfigHome, std::string_view home);

// The settings environment of this process: its own program file and
// environment variables, and whether its directory is writable.
SettingsEnvironment currentSettingsEnvironment();

}  // namespace vexplot
