#include "viewer/shell/input_paths.hpp"

#include <gtest/gtest.h>

#include "viewer/shell/program_environment.hpp"

namespace vexplot {
namespace {

ActiveSettings activeWith(int logLocation, int postscriptLocation) {
  Settings record;
  record.logFileLoc = logLocation;
  record.postscFileLoc = postscriptLocation;
  record.logFileDir = "/logs/";
  return deriveSettings(record, SettingsContext{"/opt/vp/", "/opt/vp/", ScreenSize{}});
}

TEST(InputPaths, LogPlacementForEachLocation) {
  const std::filesystem::path input = "/data/run 1/ring.vpt";
  const char* expected[] = {"", "/opt/vp/vexplot.log", "/data/run 1/vexplot.log", "/logs/vexplot.log"};
  for (int location = 0; location <= 3; ++location) {
    ActiveSettings active = activeWith(location, 1);
    deriveInputPaths(input, active);
    EXPECT_EQ(active.logPath, expected[location]) << location;
  }
  // The input directory is known only once a file is chosen.
  EXPECT_EQ(activeWith(2, 1).logPath, "");
}

TEST(InputPaths, NamesAndPostscriptDirectoryFollowTheInputFile) {
  ActiveSettings active = activeWith(1, 2);
  EXPECT_EQ(active.postscriptDirectory, "");
  const InputPaths paths = deriveInputPaths("/data/ring.test.vpt", active);
  EXPECT_EQ(paths.inputDirectory, "/data/");
  EXPECT_EQ(paths.inputBaseName, "ring.test");
  EXPECT_EQ(active.postscriptDirectory, "/data/");
  EXPECT_EQ(active.inputDirectory, "/data/");

  ActiveSettings fixed = activeWith(1, 1);
  deriveInputPaths("/data/ring.vpt", fixed);
  EXPECT_EQ(fixed.postscriptDirectory, "/opt/vp/");
}

TEST(ProgramEnvironment, UserConfigurationRootFromTheEnvironment) {
  EXPECT_EQ(settingsEnvironmentFor("/opt/vp/vexplotw", "/xdg", "/home/u").configHome, "/xdg");
  EXPECT_EQ(settingsEnvironmentFor("/opt/vp/vexplotw", "", "/home/u").configHome, "/home/u/.config");
  EXPECT_EQ(settingsEnvironmentFor("/opt/vp/vexplotw", "relative", "/home/u").configHome,
            "/home/u/.config");
  EXPECT_EQ(settingsEnvironmentFor("/opt/vp/vexplotw", "", "").configHome, "");
  EXPECT_EQ(settingsEnvironmentFor("/opt/vp/vexplotw", "", "").programDirectory, "/opt/vp");
}

}  // namespace
}  // namespace vexplot
