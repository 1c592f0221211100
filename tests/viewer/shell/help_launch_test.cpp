#include "viewer/shell/help_launch.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tests/support/scratch_directory.hpp"

namespace vexplot {
namespace {

namespace fs = std::filesystem;

void writeHelp(const fs::path& file) {
  fs::create_directories(file.parent_path());
  std::ofstream(file) << "<html></html>\n";
}

// The program directory comes with a trailing separator, as the settings
// keep it.
TEST(HelpLookup, BesideTheProgramFirstThenTheInstalledShareDirectory) {
  test_support::ScratchDirectory scratch{"vexplot help", ' '};
  const fs::path prefix = scratch.path();
  const fs::path programDirectory = prefix / "bin" / "";
  fs::create_directories(programDirectory);
  const fs::path besideProgram = prefix / "bin" / "help" / "vphelp.html";
  const fs::path installed = prefix / "share" / "vexplotw" / "help" / "vphelp.html";

  // Neither: the file below the program, whose absence opening reports.
  EXPECT_EQ(findHelpFile(programDirectory), besideProgram);

  writeHelp(installed);
  EXPECT_EQ(findHelpFile(programDirectory), installed);

  writeHelp(besideProgram);
  EXPECT_EQ(findHelpFile(programDirectory), besideProgram);
}

}  // namespace
}  // namespace vexplot
