#include "viewer/windows/settings.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace vexplot {
namespace {

Settings parse(const std::string& text) {
  std::istringstream in(text);
  return parseSettings(in);
}

Settings withScreenWidth(int width) {
  Settings settings;
  settings.screenDotX = width;
  return settings;
}

const SettingsContext kContext{"/opt/vexplot/", "/home/u/.config/vexplot/", ScreenSize{1920, 1080}};

TEST(SettingsFile, BlanksAroundTheEqualsSignAndTabsSeparate) {
  EXPECT_EQ(parse("screen_dot_x = 300\n"), withScreenWidth(300));
  EXPECT_EQ(parse("\t screen_dot_x\t==\t300 400 junk\n"), withScreenWidth(300));
  EXPECT_EQ(parse("screen_dot_x=300"), withScreenWidth(300));  // no final newline
}

TEST(SettingsFile, ValuesOutsideTheirRulesAreIgnored) {
  EXPECT_EQ(parse("screen_dot_x=250\n"), Settings());
  EXPECT_EQ(parse("screen_dot_x=260\n").screenDotX, 260);
  EXPECT_EQ(parse("screen_dot_y=199\n"), Settings());
  EXPECT_EQ(parse("main_wnd_x=-1\nmain_wnd_cx=0\nmain_wnd_cy=0\n"), Settings());
  EXPECT_EQ(parse("log_file_loc=4\npostsc_file_loc=0\n"), Settings());
  EXPECT_EQ(parse("log_file_loc=0\npostsc_file_loc=3\n").logFileLoc, 0);
  EXPECT_EQ(parse("log_file_loc=0\npostsc_file_loc=3\n").postscFileLoc, 3);
  for (const char* width : {"0", "-1", "nan", "inf", "0.5pt", ""}) {
    EXPECT_EQ(parse(std::string("ps_linewidth=") + width + "\n"), Settings()) << width;
  }
  EXPECT_DOUBLE_EQ(parse("ps_linewidth=0.5\n").psLinewidth, 0.5);
  EXPECT_EQ(parse("reload_on_change=2\n"), Settings());
  EXPECT_EQ(parse("reload_on_change=1\n").reloadOnChange, 1);
}

TEST(SettingsFile, OnlyCompleteNumbersAndExactKeysCount) {
  for (const char* line : {"screen_dot_x=300px", "screen_dot_x=3e2", "screen_dot_x=300.0",
                           "screen_dot_x=99999999999", "screen_dot_x=", "Screen_dot_x=300",
                           "SCREEN_DOT_X=300", "screen_dot=300", "300"}) {
    EXPECT_EQ(parse(std::string(line) + "\n"), Settings()) << line;
  }
}

TEST(SettingsFile, TextValuesEndAtTheirFirstBlank) {
  EXPECT_EQ(parse("log_file_dir=/home/a b/\n").logFileDir, "/home/a");
  EXPECT_EQ(parse("editor_path=C:\\Program Files\\ed.exe\n").editorPath, "C:\\Program");
  EXPECT_EQ(parse("input_dir=/data/\ninput_dir=\n").inputDir, "");
}

TEST(SettingsFile, HeaderBlankLineOrOverlongLineEndsTheReading) {
  EXPECT_EQ(parse("screen_dot_x=300\n[more]\nscreen_dot_y=300\n"), withScreenWidth(300));
  EXPECT_EQ(parse("screen_dot_x=300\n  [more]\nscreen_dot_y=300\n"), withScreenWidth(300));
  EXPECT_EQ(parse("screen_dot_x=300\n\nscreen_dot_y=300\n"), withScreenWidth(300));
  EXPECT_EQ(parse("screen_dot_x=300\n \t \nscreen_dot_y=300\n"), withScreenWidth(300));
  EXPECT_EQ(parse("[vexplot]\nscreen_dot_x=300\n"), Settings());
  // A text of 259 characters is taken; one more character ends the reading.
  const std::string longest(259, 'd');
  EXPECT_EQ(parse("log_file_dir=" + longest + "\n").logFileDir, longest);
  EXPECT_EQ(parse("log_file_dir=" + longest + "d\nscreen_dot_x=300\n"), Settings());
  EXPECT_EQ(parse("x" + std::string(600, ' ') + "y\nscreen_dot_x=300\n"), Settings());
}

TEST(SettingsFile, CarriageReturnLineEndsReadTheSame) {
  EXPECT_EQ(parse("screen_dot_x=300\r\nlog_file_dir=/l/\r\n\r\nscreen_dot_y=300\r\n"),
            parse("screen_dot_x=300\nlog_file_dir=/l/\n\nscreen_dot_y=300\n"));
  EXPECT_EQ(parse("screen_dot_x=300\r\n").screenDotX, 300);
}

TEST(SettingsDerived, SizesAreLimitedAndPlacementKeptOnScreen) {
  Settings record;
  record.screenDotX = 3000;
  record.screenDotY = 50;
  record.mainWndX = 2001;
  record.mainWndY = 2000;
  record.mainWndCx = 99;
  record.mainWndCy = 59;
  const Settings derived = deriveSettings(record, kContext).record;
  EXPECT_EQ(derived.screenDotX, 1920);
  EXPECT_EQ(derived.screenDotY, 400);
  EXPECT_EQ(derived.mainWndX, 0);
  EXPECT_EQ(derived.mainWndY, 2000);
  EXPECT_EQ(derived.mainWndCx, 240);
  EXPECT_EQ(derived.mainWndCy, 180);
  record.mainWndCx = 2001;
  record.mainWndCy = 60;
  EXPECT_EQ(deriveSettings(record, kContext).record.mainWndCx, 240);
  EXPECT_EQ(deriveSettings(record, kContext).record.mainWndCy, 60);
  EXPECT_EQ(deriveSettings(record, SettingsContext{}).record.screenDotX, 3000);
}

TEST(SettingsDerived, LogAndPostscriptPlacesFollowTheirLocations) {
  Settings record;
  record.logFileDir = "/logs/";
  record.postscDir = "/eps/";
  const auto derivedWith = [&](int log, int postscript) {
    record.logFileLoc = log;
    record.postscFileLoc = postscript;
    return deriveSettings(record, kContext);
  };
  EXPECT_EQ(derivedWith(0, 1).logPath, "");
  EXPECT_EQ(derivedWith(0, 1).postscriptDirectory, "/home/u/.config/vexplot/");
  EXPECT_EQ(derivedWith(1, 2).logPath, "/home/u/.config/vexplot/vexplot.log");
  EXPECT_EQ(derivedWith(1, 2).postscriptDirectory, "");
  EXPECT_EQ(derivedWith(2, 3).logPath, "");  // known once an input file is chosen
  EXPECT_EQ(derivedWith(2, 3).postscriptDirectory, "/eps/");
  EXPECT_EQ(derivedWith(3, 3).logPath, "/logs/vexplot.log");
  record.logFileDir = "/logs";
  EXPECT_EQ(derivedWith(3, 3).logPath, "/logsvexplot.log");

  EXPECT_EQ(deriveSettings(Settings(), kContext).inputDirectory, "/opt/vexplot/");
  record.inputDir = "/data/";
  record.psLinewidth = 0.75;
  EXPECT_EQ(deriveSettings(record, kContext).inputDirectory, "/data/");
  EXPECT_DOUBLE_EQ(deriveSettings(record, kContext).postscriptLineWidth, 0.75);
}

TEST(SettingsWriting, OneLinePerKeyInOrder) {
  ActiveSettings active = deriveSettings(Settings(), kContext);
  active.postscriptDirectory = "/eps/";
  EXPECT_EQ(formatSettings(active, WindowPlacement{10, 20, 300, 200}),
            "screen_dot_x=520\n"
            "screen_dot_y=400\n"
            "main_wnd_x=10\n"
            "main_wnd_y=20\n"
            "main_wnd_cx=300\n"
            "main_wnd_cy=200\n"
            "log_file_loc=1\n"
            "postsc_file_loc=2\n"
            "log_file_dir=\n"
            "postsc_dir=/eps/\n"
            "input_dir=/opt/vexplot/\n"
            "editor_path=\n"
            "ps_linewidth=0.250000\n"
            "reload_on_change=0\n");
}

TEST(SettingsWriting, EveryKeyReadsBackAsWritten) {
  Settings record;
  record.screenDotX = 777;
  record.screenDotY = 555;
  record.logFileLoc = 3;
  record.postscFileLoc = 3;
  record.logFileDir = "/var/log/vp/";
  record.postscDir = "/eps/";
  record.inputDir = "/data/";
  record.editorPath = "/usr/bin/vi";
  record.psLinewidth = 1.5;
  record.reloadOnChange = 1;
  const ActiveSettings active = deriveSettings(record, kContext);
  std::istringstream in(formatSettings(active, WindowPlacement{11, 22, 333, 444}));
  const Settings read = parseSettings(in);
  record.mainWndX = 11;
  record.mainWndY = 22;
  record.mainWndCx = 333;
  record.mainWndCy = 444;
  EXPECT_EQ(read, record);
}

TEST(SettingsWriting, TextsThatCannotBeReadBackAreWrittenEmpty) {
  ActiveSettings active = deriveSettings(Settings(), kContext);
  active.record.logFileDir = std::string(260, 'd');
  active.record.editorPath = "vi\nscreen_dot_x=999";
  active.inputDirectory = "/data/";
  std::istringstream in(formatSettings(active, WindowPlacement{0, 0, 240, 180}));
  const Settings read = parseSettings(in);
  EXPECT_EQ(read.logFileDir, "");
  EXPECT_EQ(read.editorPath, "");
  EXPECT_EQ(read.screenDotX, 520);
  // The keys after them are still read.
  EXPECT_EQ(read.inputDir, "/data/");
}

}  // namespace
}  // namespace vexplot
