#include "viewer/shell/editor_launch.hpp"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>


#include "tests/support/scratch_directory.hpp"
#include "viewer/shell/error_names.hpp"

namespace vexplot {
namespace {

namespace fs = std::filesystem;

// A stand-in editor that records its arguments, one per line in brackets,
// into the file "arguments" beside itself.
constexpr const char* kRecordingEditor =
    "#!/bin/sh\n"
    "out=\"$(dirname \"$0\")/arguments\"\n"
    "for a in \"$@\"; do printf '[%s]\\n' \"$a\"; done > \"$out.part\"\n"
    "mv \"$out.part\" \"$out\"\n";

class EditorLaunchTest : public ::testing::Test {
 protected:
  fs::path installEditor(const std::string& name) {
    const fs::path path = directory_ / name;
    std::ofstream(path) << kRecordingEditor;
    fs::permissions(path, fs::perms::owner_all);
    return path;
  }

  // Waits for the editor to end and returns the arguments it recorded.
  std::string argumentsOf(EditorProcess& process) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (process.isRunning() && std::chrono::steady_clock::now() < deadline) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_FALSE(process.isRunning());
    std::ifstream in(directory_ / "arguments");
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }

  test_support::ScratchDirectory scratch_{"vexplot editor", ' '};  // blanks in every path
  fs::path directory_ = scratch_.path();
};

TEST_F(EditorLaunchTest, PathsReachTheEditorWholeAndRunNothingElse) {
  const fs::path editor = installEditor("my editor");
  const std::string marker = (directory_ / "ran").string();
  const std::string logPath =
      (directory_ / ("it's \"a\" log $(touch '" + marker + "'); touch '" + marker + "' `x`.log")).string();
  EditorStart start = openLogInEditor(editor.string(), logPath);
  ASSERT_TRUE(start.process.has_value()) << start.failure.text;
  EXPECT_EQ(argumentsOf(*start.process), "[" + logPath + "]\n");
  EXPECT_FALSE(fs::exists(marker));
}

TEST_F(EditorLaunchTest, WithoutAnEditorTheDesktopOpenerIsStarted) {
  installEditor(kDesktopOpener);
  const std::string oldPath = std::getenv("PATH") != nullptr ? std::getenv("PATH") : "";
  ::setenv("PATH", (directory_.string() + ":" + oldPath).c_str(), 1);
  EditorStart start = openLogInEditor("", "/tmp/x y/vexplot.log");
  ::setenv("PATH", oldPath.c_str(), 1);
  ASSERT_TRUE(start.process.has_value()) << start.failure.text;
  EXPECT_EQ(argumentsOf(*start.process), "[/tmp/x y/vexplot.log]\n");
}

TEST_F(EditorLaunchTest, MissingEditorGivesTheBoxWithTheErrorName) {
  const EditorStart start = openLogInEditor((directory_ / "no such editor").string(), "/tmp/vexplot.log");
  EXPECT_FALSE(start.process.has_value());
  EXPECT_EQ(start.failure.caption, "CreateProcess of open logfile failed");
  EXPECT_EQ(start.failure.text, "ENOENT");
}

TEST(ErrorNames, SystemErrorsShowTheirSymbolicNameOrNumber) {
  EXPECT_EQ(systemErrorName(ENOENT), "ENOENT");
  EXPECT_EQ(systemErrorName(EACCES), "EACCES");
  EXPECT_EQ(systemErrorName(98765), "98765");
  EXPECT_EQ(systemErrorName(-3), "-3");
  const MessageBoxText box = systemErrorBox(ENOENT);
  EXPECT_EQ(box.caption, "GetLastError");
  EXPECT_EQ(box.text, "No such file or directory");
}

TEST(ErrorNames, DialogFailuresByTheirNames) {
  EXPECT_EQ(dialogErrorName(0xFFFF), "CDERR_DIALOGFAILURE");
  EXPECT_EQ(dialogErrorName(12), "CDERR_REGISTERMSGFAIL");
  EXPECT_EQ(dialogErrorName(0), "");  // cancelled by the user
  EXPECT_EQ(dialogErrorName(13), "13");
}

}  // namespace
}  // namespace vexplot
