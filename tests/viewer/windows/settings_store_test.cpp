#include "viewer/windows/settings_store.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

#include "tests/support/scratch_directory.hpp"

namespace vexplot {
namespace {

namespace fs = std::filesystem;

class SettingsStoreTest : public ::testing::Test {
 protected:
  SettingsStoreTest() {
    fs::create_directories(root_ / "bin");
    environment_ = {root_ / "bin", root_ / "config", true};
  }

  static void writeText(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
  }
  static std::string readText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }

  fs::path besideProgram() const { return root_ / "bin" / "vexplot.ini"; }
  fs::path userFile() const { return root_ / "config" / "vexplot" / "vexplot.ini"; }

  test_support::ScratchDirectory scratch_{"vexplot_settings"};
  fs::path root_ = scratch_.path();
  SettingsEnvironment environment_;
};

TEST_F(SettingsStoreTest, FileBesideAWritableProgramIsAPortableInstall) {
  writeText(besideProgram(), "");
  const SettingsPlaces places = locateSettings(environment_);
  EXPECT_EQ(places.readPath, besideProgram());
  EXPECT_EQ(places.writePath, besideProgram());
  EXPECT_EQ(places.programDirectory, (root_ / "bin").string() + "/");
  EXPECT_EQ(places.outputDirectory, places.programDirectory);
}

TEST_F(SettingsStoreTest, WithoutAFileBesideTheProgramTheUserFileServes) {
  const SettingsPlaces places = locateSettings(environment_);
  EXPECT_EQ(places.readPath, userFile());
  EXPECT_EQ(places.writePath, userFile());
  EXPECT_EQ(places.outputDirectory, places.programDirectory);
}

TEST_F(SettingsStoreTest, ReadOnlyProgramDirectoryWritesToTheUserDirectory) {
  environment_.programDirectoryWritable = false;
  writeText(besideProgram(), "screen_dot_x=300\n");
  SettingsPlaces places = locateSettings(environment_);
  // The shipped file supplies the settings until the user has a file.
  EXPECT_EQ(places.readPath, besideProgram());
  EXPECT_EQ(places.writePath, userFile());
  EXPECT_EQ(places.outputDirectory, (root_ / "config" / "vexplot").string() + "/");

  // Once saved, the user's own settings are the ones read.
  writeText(userFile(), "screen_dot_x=400\n");
  places = locateSettings(environment_);
  EXPECT_EQ(places.readPath, userFile());
  EXPECT_EQ(readSettings(places, ScreenSize{}).record.screenDotX, 400);
}

TEST_F(SettingsStoreTest, WithoutAConfigurationRootOnlyTheProgramDirectoryRemains) {
  environment_.configHome.clear();
  EXPECT_EQ(locateSettings(environment_).writePath, besideProgram());
  environment_.programDirectoryWritable = false;
  const SettingsPlaces places = locateSettings(environment_);
  EXPECT_EQ(places.readPath, besideProgram());
  EXPECT_TRUE(places.writePath.empty());
  EXPECT_EQ(places.outputDirectory, places.programDirectory);
  EXPECT_FALSE(writeSettings(places, readSettings(places, ScreenSize{}), WindowPlacement{}));
}

TEST_F(SettingsStoreTest, MissingOrEmptyFileLeavesTheDefaults) {
  const SettingsPlaces places = locateSettings(environment_);
  EXPECT_EQ(readSettings(places, ScreenSize{}).record, Settings());
  writeText(userFile(), "");
  EXPECT_EQ(readSettings(places, ScreenSize{}).record, Settings());
}

TEST_F(SettingsStoreTest, WidthTooLargeForTheScreenIsCutOnTheNextStart) {
  writeText(userFile(), "screen_dot_x=3000\nscreen_dot_y=2000\n");
  const ActiveSettings active = readSettings(locateSettings(environment_), ScreenSize{1280, 1024});
  EXPECT_EQ(active.record.screenDotX, 1280);
  EXPECT_EQ(active.record.screenDotY, 1024);
}

TEST_F(SettingsStoreTest, SavedSettingsAreReadBackAtTheNextStart) {
  environment_.programDirectoryWritable = false;
  LoadedSettings first = loadSettings(environment_, ScreenSize{});
  EXPECT_TRUE(fs::is_directory(root_ / "config" / "vexplot"));  // the log can go there
  first.active.record.editorPath = "/usr/bin/gedit";
  first.active.record.logFileLoc = 2;
  first.active.postscriptDirectory = "/eps/";
  first.active.postscriptLineWidth = 0.5;
  ASSERT_TRUE(writeSettings(first.places, first.active, WindowPlacement{5, 6, 300, 200}));

  const LoadedSettings second = loadSettings(environment_, ScreenSize{});
  EXPECT_EQ(second.active.record.editorPath, "/usr/bin/gedit");
  EXPECT_EQ(second.active.record.logFileLoc, 2);
  EXPECT_EQ(second.active.record.postscDir, "/eps/");
  EXPECT_EQ(second.active.record.inputDir, (root_ / "bin").string() + "/");
  EXPECT_DOUBLE_EQ(second.active.postscriptLineWidth, 0.5);
  EXPECT_EQ(second.active.record.mainWndCx, 300);
  EXPECT_FALSE(fs::exists(besideProgram()));
}

TEST_F(SettingsStoreTest, AtomicWriteReplacesTheWholeFileAndLeavesNoTemporary) {
  const fs::path path = root_ / "new" / "dir" / "file.ini";
  ASSERT_TRUE(writeFileAtomically(path, "a long first content\n"));
  ::chmod(path.c_str(), 0640);
  ASSERT_TRUE(writeFileAtomically(path, "short\n"));
  EXPECT_EQ(readText(path), "short\n");
  struct stat status;
  ASSERT_EQ(::stat(path.c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 0777, 0640u);
  EXPECT_EQ(std::distance(fs::directory_iterator(path.parent_path()), fs::directory_iterator()), 1);

  // A stale temporary of an earlier process with our id does not block.
  writeText(fs::path(path.string() + ".tmp" + std::to_string(::getpid())), "stale");
  ASSERT_TRUE(writeFileAtomically(path, "again\n"));
  EXPECT_EQ(readText(path), "again\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(path.parent_path()), fs::directory_iterator()), 1);
}

TEST_F(SettingsStoreTest, FailedWriteKeepsTheOldFile) {
  const fs::path blocked = root_ / "blocked";
  writeText(blocked, "a file, not a directory");
  EXPECT_FALSE(writeFileAtomically(blocked / "file.ini", "text"));
  // A directory in the file's place cannot be replaced.
  fs::create_directories(root_ / "taken.ini");
  EXPECT_FALSE(writeFileAtomically(root_ / "taken.ini", "text"));
  EXPECT_TRUE(fs::is_directory(root_ / "taken.ini"));
  EXPECT_FALSE(fs::exists(root_ / ("taken.ini.tmp" + std::to_string(::getpid()))));
}

}  // namespace
}  // namespace vexplot
