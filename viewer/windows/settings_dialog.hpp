#pragma once

#include <QButtonGroup>
#include <QDialog>
#include <QLineEdit>

#include "viewer/windows/settings.hpp"
#include "viewer/windows/settings_edit.hpp"
#include "viewer/windows/user_dialogs.hpp"

// The Settings dialog: where the log and the PostScript files go, the
// editor that opens the log, the PostScript line width and the size of new
// plot windows. OK takes the values that pass their checks; Cancel changes
// nothing.
namespace vexplot {

class SettingsDialog final : public QDialog {
  Q_OBJECT

 public:
  SettingsDialog(ActiveSettings& active, UserDialogs& dialogs, QWidget* owner);

  // The controls' values as OK would take them.
  SettingsDialogValues values() const;

  QButtonGroup& logGroup() { return logGroup_; }
  QButtonGroup& postscriptGroup() { return postscriptGroup_; }
  QLineEdit& editorEdit() { return *editor_; }
  QLineEdit& lineWidthEdit() { return *lineWidth_; }
  QLineEdit& frameWidthEdit() { return *frameWidth_; }
  QLineEdit& frameHeightEdit() { return *frameHeight_; }

 public slots:
  void accept() override;

 private:
  void browseForEditor();

  ActiveSettings& active_;
  UserDialogs& dialogs_;
  QButtonGroup logGroup_;
  QButtonGroup postscriptGroup_;
  QLineEdit* editor_ = nullptr;
  QLineEdit* lineWidth_ = nullptr;
  QLineEdit* frameWidth_ = nullptr;
  QLineEdit* frameHeight_ = nullptr;
};

// Runs the dialog modally; 1 when the user pressed OK, else 0.
int runSettingsDialog(QWidget* owner, ActiveSettings& active, UserDialogs& dialogs);

}  // namespace vexplot
