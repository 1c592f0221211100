#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "viewer/windows/user_dialogs.hpp"

namespace vexplot::testing {

// The application object of the toolkit, made once per test program.
void ensureQtApplication();

// Answers the viewer's boxes and file dialogs in place of a user, and keeps
// what was shown.
class ScriptedDialogs final : public UserDialogs {
 public:
  struct Box {
    std::string caption;
    std::string text;
    bool operator==(const Box&) const = default;
  };

  bool confirm(QWidget*, const std::string& caption, const std::string& text) override;
  void inform(QWidget*, const std::string& caption, const std::string& text) override;
  std::optional<std::string> chooseFileToOpen(QWidget*, const FileDialogRequest& request) override;
  std::optional<std::string> chooseFileToSave(QWidget*, const FileDialogRequest& request) override;

  std::deque<bool> answers;  // for the questions in turn; OK when none is left
  std::optional<std::string> fileToOpen;
  std::optional<std::string> fileToSave;

  std::vector<Box> questions;
  std::vector<Box> boxes;
  std::vector<FileDialogRequest> openRequests;
  std::vector<FileDialogRequest> saveRequests;
};

}  // namespace vexplot::testing
