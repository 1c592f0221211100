#include "viewer/windows/settings_dialog.hpp"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <array>
#include <span>

namespace vexplot {

namespace {

// Controls stand at fixed pixel positions; the dialog is their extent plus
// a margin of 10 pixels.
constexpr int kMargin = 10;

template <class Control>
Control* place(QDialog* dialog, Control* control, int x, int y, int width, int height) {
  control->setParent(dialog);
  control->setGeometry(x, y, width, height);
  return control;
}

QLabel* label(QDialog* dialog, const char* text, int x, int y) {
  return place(dialog, new QLabel(text), x, y, 300, 25);
}

void addRadios(QDialog* dialog, QButtonGroup& group, std::span<const char* const> texts,
               std::span<const int> tops, int checked) {
  for (std::size_t i = 0; i < texts.size(); ++i) {
    auto* radio = place(dialog, new QRadioButton(texts[i]), 10, tops[i], 300, 25);
    group.addButton(radio, static_cast<int>(i));
    radio->setChecked(static_cast<int>(i) == checked);
  }
}

}  // namespace

SettingsDialog::SettingsDialog(ActiveSettings& active, UserDialogs& dialogs, QWidget* owner)
    : QDialog(owner), active_(active), dialogs_(dialogs) {
  setWindowTitle("Settings");
  const SettingsDialogValues initial = settingsDialogValues(active);

  label(this, "Log file", 10, 10);
  constexpr std::array<const char*, 4> kLogTexts{
      "Do not create log file", "in the exec directory", "in the input-file directory",
      "in the user-defined directory"};
  constexpr std::array<int, 4> kLogTops{37, 64, 91, 118};
  addRadios(this, logGroup_, kLogTexts, kLogTops, initial.logChoice);

  label(this, "Editor to open log file", 10, 145);
  editor_ = place(this, new QLineEdit(QString::fromStdString(initial.editorPath)), 10, 172, 200, 25);
  auto* browse = place(this, new QPushButton("Brouse"), 220, 172, 60, 25);
  browse->setAutoDefault(false);
  connect(browse, &QPushButton::clicked, this, &SettingsDialog::browseForEditor);

  label(this, "Postscript file", 10, 226);
  constexpr std::array<const char*, 3> kPostscriptTexts{
      "in the exec directory", "in the input-file directory", "in the user-defined directory"};
  constexpr std::array<int, 3> kPostscriptTops{250, 280, 307};
  addRadios(this, postscriptGroup_, kPostscriptTexts, kPostscriptTops, initial.postscriptChoice);

  label(this, "postscript line width", 10, 334);
  lineWidth_ = place(this, new QLineEdit(QString::fromStdString(initial.lineWidth)), 170, 334, 60, 25);
  label(this, "Plot frame size (from next plot)", 10, 388);
  frameWidth_ = place(this, new QLineEdit(QString::fromStdString(initial.frameWidth)), 260, 388, 50, 25);
  frameHeight_ = place(this, new QLineEdit(QString::fromStdString(initial.frameHeight)), 320, 388, 50, 25);

  auto* ok = place(this, new QPushButton("OK"), 320, 10, 60, 25);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &SettingsDialog::accept);
  auto* cancel = place(this, new QPushButton("Cancel"), 320, 37, 60, 25);
  cancel->setAutoDefault(false);
  connect(cancel, &QPushButton::clicked, this, &SettingsDialog::reject);

  setFixedSize(childrenRect().right() + 1 + kMargin, childrenRect().bottom() + 1 + kMargin);
}

SettingsDialogValues SettingsDialog::values() const {
  return {logGroup_.checkedId(),
          postscriptGroup_.checkedId(),
          editor_->text().toStdString(),
          lineWidth_->text().toStdString(),
          frameWidth_->text().toStdString(),
          frameHeight_->text().toStdString()};
}

void SettingsDialog::accept() {
  applySettingsDialog(values(), active_);
  QDialog::accept();
}

// The file dialog cannot tell a failure from a cancel, so a dialog that
// returns no file shows the box of a plain cancel: captioned "GetOpen", with
// no text.
void SettingsDialog::browseForEditor() {
  // Programs carry no extension here: every file is offered.
  const FileDialogRequest request{.title = "Specify editor to open log file",
                                  .filterLabel = "Text editor(*.exe)",
                                  .patterns = "*",
                                  .directory = {},
                                  .initialFile = editor_->text().toStdString(),
                                  .defaultSuffix = {}};
  const std::optional<std::string> chosen = dialogs_.chooseFileToOpen(this, request);
  if (!chosen) {
    dialogs_.inform(this, "GetOpen", "");
    return;
  }
  dialogs_.inform(this, "GetOPen", *chosen);
  editor_->setText(QString::fromStdString(*chosen));
}

int runSettingsDialog(QWidget* owner, ActiveSettings& active, UserDialogs& dialogs) {
  SettingsDialog dialog(active, dialogs, owner);
  return dialog.exec() == QDialog::Accepted ? 1 : 0;
}

}  // namespace vexplot
