#include "viewer/windows/user_dialogs.hpp"

#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

namespace vexplot {

namespace {

QString qt(const std::string& text) { return QString::fromStdString(text); }

// The label is shown as written; the patterns in the trailing parentheses
// are what the dialog filters by.
QStringList nameFilters(const FileDialogRequest& request) {
  return {qt(request.filterLabel) + " (" + qt(request.patterns) + ")", "All files(*.*) (*)"};
}

std::optional<std::string> runFileDialog(QWidget* parent, const FileDialogRequest& request,
                                         QFileDialog::AcceptMode mode) {
  QFileDialog dialog(parent, qt(request.title), qt(request.directory));
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                     : QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  dialog.setNameFilters(nameFilters(request));
  if (!request.defaultSuffix.empty()) dialog.setDefaultSuffix(qt(request.defaultSuffix));
  if (!request.initialFile.empty()) dialog.selectFile(qt(request.initialFile));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().constFirst().toStdString();
}

}  // namespace

bool StandardDialogs::confirm(QWidget* parent, const std::string& caption, const std::string& text) {
  return QMessageBox::question(parent, qt(caption), qt(text), QMessageBox::Ok | QMessageBox::Cancel,
                               QMessageBox::Ok) == QMessageBox::Ok;
}

void StandardDialogs::inform(QWidget* parent, const std::string& caption, const std::string& text) {
  QMessageBox::information(parent, qt(caption), qt(text));
}

std::optional<std::string> StandardDialogs::chooseFileToOpen(QWidget* parent,
                                                             const FileDialogRequest& request) {
  return runFileDialog(parent, request, QFileDialog::AcceptOpen);
}

std::optional<std::string> StandardDialogs::chooseFileToSave(QWidget* parent,
                                                             const FileDialogRequest& request) {
  return runFileDialog(parent, request, QFileDialog::AcceptSave);
}

}  // namespace vexplot
