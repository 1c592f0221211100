#include "viewer/windows/settings_dialog.hpp"

#include <gtest/gtest.h>

#include <QAbstractButton>

#include "tests/viewer/windows/qt_test_support.hpp"

namespace vexplot {
namespace {

using testing::ScriptedDialogs;

class SettingsDialogTest : public ::testing::Test {
 protected:
  SettingsDialogTest() {
    testing::ensureQtApplication();
    active_.record.logFileLoc = 3;
    active_.record.postscFileLoc = 1;
    active_.record.editorPath = "/usr/bin/vi";
  }

  ActiveSettings active_;
  ScriptedDialogs dialogs_;
};

TEST_F(SettingsDialogTest, OpensWithTheWorkingValuesInItsControls) {
  SettingsDialog dialog(active_, dialogs_, nullptr);
  EXPECT_EQ(dialog.windowTitle(), "Settings");
  EXPECT_EQ(dialog.logGroup().checkedId(), 3);
  EXPECT_EQ(dialog.logGroup().checkedButton()->text(), "in the user-defined directory");
  EXPECT_EQ(dialog.postscriptGroup().checkedId(), 0);
  EXPECT_EQ(dialog.postscriptGroup().checkedButton()->text(), "in the exec directory");
  EXPECT_EQ(dialog.lineWidthEdit().text(), " 0.250");
  EXPECT_EQ(dialog.frameWidthEdit().text(), "520");
  EXPECT_EQ(dialog.frameHeightEdit().text(), "400");
  EXPECT_EQ(dialog.editorEdit().text(), "/usr/bin/vi");
  // Checking a radio leaves the other group alone.
  dialog.logGroup().button(0)->click();
  EXPECT_EQ(dialog.logGroup().checkedId(), 0);
  EXPECT_EQ(dialog.postscriptGroup().checkedId(), 0);
}

TEST_F(SettingsDialogTest, OkRejectsLineWidthsZeroAndThirtyAndTakesAHalf) {
  for (const char* rejected : {"0", "30"}) {
    SettingsDialog dialog(active_, dialogs_, nullptr);
    dialog.lineWidthEdit().setText(rejected);
    dialog.accept();
    EXPECT_EQ(active_.postscriptLineWidth, 0.25) << rejected;
  }
  SettingsDialog dialog(active_, dialogs_, nullptr);
  dialog.lineWidthEdit().setText("0.5");
  dialog.frameWidthEdit().setText("800");
  dialog.postscriptGroup().button(2)->click();
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(active_.postscriptLineWidth, 0.5);
  EXPECT_EQ(active_.record.screenDotX, 800);
  EXPECT_EQ(active_.record.postscFileLoc, 3);
}

TEST_F(SettingsDialogTest, CancelChangesNothing) {
  const ActiveSettings before = active_;
  SettingsDialog dialog(active_, dialogs_, nullptr);
  dialog.lineWidthEdit().setText("0.5");
  dialog.logGroup().button(1)->click();
  dialog.reject();
  EXPECT_EQ(active_.record, before.record);
  EXPECT_EQ(active_.postscriptLineWidth, 0.25);
}

TEST_F(SettingsDialogTest, BrowseShowsTheChosenEditorOrAnEmptyBoxWhenCancelled) {
  SettingsDialog dialog(active_, dialogs_, nullptr);
  QAbstractButton* browse = nullptr;
  for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
    if (button->text() == "Brouse") browse = button;
  }
  ASSERT_NE(browse, nullptr);
  browse->click();
  ASSERT_EQ(dialogs_.openRequests.size(), 1u);
  EXPECT_EQ(dialogs_.openRequests[0].title, "Specify editor to open log file");
  EXPECT_EQ(dialogs_.openRequests[0].filterLabel, "Text editor(*.exe)");
  EXPECT_EQ(dialogs_.openRequests[0].initialFile, "/usr/bin/vi");
  EXPECT_EQ(dialogs_.boxes.back(), (ScriptedDialogs::Box{"GetOpen", ""}));
  EXPECT_EQ(dialog.editorEdit().text(), "/usr/bin/vi");

  dialogs_.fileToOpen = "/usr/bin/emacs";
  browse->click();
  EXPECT_EQ(dialogs_.boxes.back(), (ScriptedDialogs::Box{"GetOPen", "/usr/bin/emacs"}));
  EXPECT_EQ(dialog.editorEdit().text(), "/usr/bin/emacs");
  dialog.accept();
  EXPECT_EQ(active_.record.editorPath, "/usr/bin/emacs");
}

}  // namespace
}  // namespace vexplot
