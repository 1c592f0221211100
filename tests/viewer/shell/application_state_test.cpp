#include "viewer/shell/application_state.hpp"

#include <gtest/gtest.h>

#include <fstream>
#include <vector>

#include <unistd.h>

namespace vexplot {
namespace {

namespace fs = std::filesystem;

TEST(FileMenuEnabling, ReopenNeedsAFileAndOpenLogAFreshLog) {
  ShellState state;
  FileMenuEnabling enabling = fileMenuEnabling(state, true);
  EXPECT_TRUE(enabling.open);
  EXPECT_TRUE(enabling.close);
  EXPECT_FALSE(enabling.reopen);
  EXPECT_FALSE(enabling.openLog);

  state.inputPath = "/plots/ring.vpt";
  state.logWritten = true;
  EXPECT_FALSE(fileMenuEnabling(state, true).openLog);  // no log place: "Do not create log file"
  state.logPath = "/plots/vexplot.log";
  enabling = fileMenuEnabling(state, true);
  EXPECT_TRUE(enabling.reopen);
  EXPECT_TRUE(enabling.openLog);

  state.editorStarted = true;
  EXPECT_FALSE(fileMenuEnabling(state, true).openLog);

  enabling = fileMenuEnabling(state, false);
  EXPECT_FALSE(enabling.open || enabling.reopen || enabling.close || enabling.openLog);
}

TEST(CommandLineFileName, QuotesAreRemovedOrLeadingBlanksDropped) {
  EXPECT_EQ(commandLineFileName("\"/my plots/ring.vpt\""), "/my plots/ring.vpt");
  EXPECT_EQ(commandLineFileName("  \"a b.vpt\" rest"), "a b.vpt");
  EXPECT_EQ(commandLineFileName("   ring.vpt"), "ring.vpt");
  EXPECT_EQ(commandLineFileName("\"unclosed"), "\"unclosed");
  EXPECT_EQ(commandLineFileName("   "), "");
  EXPECT_EQ(commandLineFileName(""), "");
}

class DroppedFiles : public ::testing::Test {
 protected:
  DroppedFiles() : directory_(fs::temp_directory_path() / ("vexplot_drop_" + std::to_string(::getpid()))) {
    fs::create_directories(directory_);
    std::ofstream(directory_ / "ring.vpt") << "NEW FRAME\n";
  }
  ~DroppedFiles() override { fs::remove_all(directory_); }

  fs::path directory_;
};

TEST_F(DroppedFiles, OnlyOneExistingFileThatIsNoDirectoryIsTaken) {
  const std::vector<fs::path> good{directory_ / "ring.vpt"};
  const DropCheck accepted = checkDroppedFiles(good);
  EXPECT_TRUE(accepted.accepted);
  EXPECT_EQ(accepted.path, good.front());

  const std::vector<fs::path> two{directory_ / "ring.vpt", directory_ / "ring.vpt"};
  DropCheck refused = checkDroppedFiles(two);
  EXPECT_FALSE(refused.accepted);
  EXPECT_EQ(refused.refusal.caption, "Error");
  EXPECT_EQ(refused.refusal.text, "You can drop only one file.");

  const std::vector<fs::path> directory{directory_};
  refused = checkDroppedFiles(directory);
  EXPECT_FALSE(refused.accepted);
  EXPECT_EQ(refused.refusal.text, "You can't drop a directory");

  const std::vector<fs::path> missing{directory_ / "gone.vpt"};
  refused = checkDroppedFiles(missing);
  EXPECT_FALSE(refused.accepted);
  EXPECT_EQ(refused.refusal.text, "Attribute error of file\n " + missing.front().string());
}

}  // namespace
}  // namespace vexplot
