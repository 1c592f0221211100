#pragma once

#include <filesystem>
#include <optional>

#include "viewer/shell/editor_launch.hpp"

namespace vexplot {

// The help file below the program's directory (a build tree or a private
// copy of the programs), and where an installation under a prefix puts it
// for a program in PREFIX/bin.
inline constexpr const char* kHelpFile = "help/vphelp.html";
inline constexpr const char* kInstalledHelpFile = "../share/vexplotw/help/vphelp.html";

// The outcome of opening the help: the viewer process, or the system error
// that prevented it.
struct HelpStart {
  std::optional<EditorProcess> process;
  int error = 0;
};

// The help file of a program in programDirectory: the one below it when it
// exists, else the installed one when that exists, else the one below it
// (so that opening it reports the missing file).
std::filesystem::path findHelpFile(const std::filesystem::path& programDirectory);

// Opens the help file with the desktop's opener, or else with the first
// help browser that can be started. A missing help file is the error
// ENOENT; with no program to show it, the error of the last try.
HelpStart openHelpFile(const std::filesystem::path& helpPath);

}  // namespace vexplot
