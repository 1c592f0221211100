#pragma once

#include <optional>
#include <string>

#include <sys/types.h>

#include "viewer/shell/error_names.hpp"

namespace vexplot {

// An editor started on the log. The viewer never stops it; it keeps running
// when the viewer ends.
class EditorProcess {
 public:
  explicit EditorProcess(pid_t id) : id_(id) {}

  pid_t id() const { return id_; }
  // Whether the editor still runs; collects its exit status once it has ended.
  bool isRunning();

 private:
  pid_t id_;
  bool ended_ = false;
};

// The outcome of starting the editor: the process, or the box to show.
struct EditorStart {
  std::optional<EditorProcess> process;
  MessageBoxText failure;  // set when no process started
};

// The program that opens the log when no editor is set: the desktop's opener.
inline constexpr const char* kDesktopOpener = "xdg-open";

// Starts the editor (looked up on the search path unless it contains a slash)
// with the log path as its one argument. No shell is involved: a path with
// blanks reaches the editor whole, and quotes or other shell characters in
// either text are plain characters. On failure the box is captioned
// "CreateProcess of open logfile failed" and names the system error.
EditorStart openLogInEditor(const std::string& editorPath, const std::string& logPath);

}  // namespace vexplot
