#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <string_view>

#include "viewer/shell/error_names.hpp"

// The main window's state apart from the window system: which file is
// loaded, what the File menu allows, and how a dropped file or the command
// line names the input file.
namespace vexplot {

enum class FileState { kNothingLoaded = 0, kInterpreting = 1, kLoaded = 2 };

struct ShellState {
  FileState fileState = FileState::kNothingLoaded;
  std::filesystem::path inputPath;  // empty when none
  std::string logPath;              // empty: no log
  bool logWritten = false;          // the last interpretation wrote a log
  bool editorStarted = false;       // an editor was started on the log
};

// The File menu's items that follow the interpretation.
struct FileMenuEnabling {
  bool open = false;
  bool reopen = false;
  bool close = false;
  bool openLog = false;
};

// With on clear all four are greyed (while a file is interpreted). With on
// set, Open File and Close File are enabled, Re-Open File once a file has been
// named, and Open log file only while the last run wrote a log that no
// editor has been started on.
FileMenuEnabling fileMenuEnabling(const ShellState& state, bool on);

// The file named on the command line: the text inside the first pair of
// double quotes, or else the text with its leading blanks dropped.
std::string commandLineFileName(std::string_view commandLine);

// The verdict on files dropped on the main window.
struct DropCheck {
  bool accepted = false;
  std::filesystem::path path;  // the file to open, when accepted
  MessageBoxText refusal;      // the error box, when not
};

// One file whose attributes can be read and that is no directory is
// accepted; anything else gets its error box ("You can drop only one file.",
// "Attribute error of file\n <path>", "You can't drop a directory").
DropCheck checkDroppedFiles(std::span<const std::filesystem::path> files);

}  // namespace vexplot
