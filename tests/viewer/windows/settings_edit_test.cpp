#include "viewer/windows/settings_edit.hpp"

#include <gtest/gtest.h>

namespace vexplot {
namespace {

ActiveSettings someSettings() {
  ActiveSettings active;
  active.record.editorPath = "/usr/bin/vi";
  active.record.logFileLoc = 2;
  active.record.postscFileLoc = 3;
  active.postscriptLineWidth = 0.25;
  return active;
}

TEST(SettingsDialogValues, TheControlsShowTheWorkingRecord) {
  const SettingsDialogValues values = settingsDialogValues(someSettings());
  EXPECT_EQ(values.logChoice, 2);
  EXPECT_EQ(values.postscriptChoice, 2);
  EXPECT_EQ(values.editorPath, "/usr/bin/vi");
  EXPECT_EQ(values.lineWidth, " 0.250");
  EXPECT_EQ(values.frameWidth, "520");
  EXPECT_EQ(values.frameHeight, "400");
}

TEST(SettingsDialogOk, LineWidthMustLieStrictlyBetweenZeroAndThirty) {
  for (const char* rejected : {"0", "30", "-1", "31", "", "abc", "0.5x", "nan"}) {
    ActiveSettings active = someSettings();
    SettingsDialogValues values = settingsDialogValues(active);
    values.lineWidth = rejected;
    applySettingsDialog(values, active);
    EXPECT_EQ(active.postscriptLineWidth, 0.25) << rejected;
  }
  for (const auto& [text, width] : {std::pair{"0.5", 0.5}, {" 29.9 ", 29.9}, {"1e-3", 0.001}}) {
    ActiveSettings active = someSettings();
    SettingsDialogValues values = settingsDialogValues(active);
    values.lineWidth = text;
    applySettingsDialog(values, active);
    EXPECT_EQ(active.postscriptLineWidth, width) << text;
    // The line width is active at once; the record keeps its value until the
    // settings are written.
    EXPECT_EQ(active.record.psLinewidth, 0.25);
  }
}

TEST(SettingsDialogOk, FrameSizesFrom101To1999AndANonEmptyEditorAreTaken) {
  ActiveSettings active = someSettings();
  SettingsDialogValues values = settingsDialogValues(active);
  values.frameWidth = "101";
  values.frameHeight = "2000";
  values.editorPath = "";
  values.logChoice = 0;
  values.postscriptChoice = 0;
  applySettingsDialog(values, active);
  EXPECT_EQ(active.record.screenDotX, 101);
  EXPECT_EQ(active.record.screenDotY, 400);
  EXPECT_EQ(active.record.editorPath, "/usr/bin/vi");
  EXPECT_EQ(active.record.logFileLoc, 0);
  EXPECT_EQ(active.record.postscFileLoc, 1);

  values.frameWidth = "100";
  values.frameHeight = "1999";
  values.editorPath = "kate";
  applySettingsDialog(values, active);
  EXPECT_EQ(active.record.screenDotX, 101);
  EXPECT_EQ(active.record.screenDotY, 1999);
  EXPECT_EQ(active.record.editorPath, "kate");
  for (const char* rejected : {"300.5", "3e2", "", " "}) {
    values.frameWidth = rejected;
    applySettingsDialog(values, active);
    EXPECT_EQ(active.record.screenDotX, 101) << rejected;
  }
}

}  // namespace
}  // namespace vexplot
