#pragma once

#include <filesystem>
#include <optional>

#include "viewer/shell/editor_launch.hpp"

namespace vexplot {

// The help file below the program's directory.
inline constexpr const char* kHelpFile = "help/vphelp.html";

// The outcome of opening the help: the viewer process, or the system error
// that prevented it.
struct HelpStart {
  std::optional<EditorProcess> process;
  int error = 0;
};

// Opens the help file with the desktop's opener, or else with the first
// help browser that can be started. A missing help file is the error
// ENOENT; with no program to show it, the error of the last try.
HelpStart openHelpFile(const std::filesystem::path& helpPath);

}  // namespace vexplot
