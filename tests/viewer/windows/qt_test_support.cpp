#include "tests/viewer/windows/qt_test_support.hpp"

#include <QApplication>

namespace vexplot::testing {

void ensureQtApplication() {
  if (QApplication::instance() != nullptr) return;
  static int argc = 1;
  static char name[] = "vexplot_tests";
  static char* argv[] = {name, nullptr};
  new QApplication(argc, argv);
}

bool ScriptedDialogs::confirm(QWidget*, const std::string& caption, const std::string& text) {
  questions.push_back({caption, text});
  if (answers.empty()) return true;
  const bool answer = answers.front();
  answers.pop_front();
  return answer;
}

void ScriptedDialogs::inform(QWidget*, const std::string& caption, const std::string& text) {
  boxes.push_back({caption, text});
}

std::optional<std::string> ScriptedDialogs::chooseFileToOpen(QWidget*, const FileDialogRequest& request) {
  openRequests.push_back(request);
  return fileToOpen;
}

std::optional<std::string> ScriptedDialogs::chooseFileToSave(QWidget*, const FileDialogRequest& request) {
  saveRequests.push_back(request);
  return fileToSave;
}

}  // namespace vexplot::testing
