#include "viewer/shell/command_line.hpp"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace vexplot {
namespace {

CommandLine parse(std::vector<std::string_view> arguments) { return parseCommandLine(arguments); }

TEST(CommandLine, ExportTakesADirectoryAndAFile) {
  const CommandLine line = parse({"--export", "out dir", "plots/ring.vpt"});
  EXPECT_EQ(line.mode, CommandLine::kExport);
  EXPECT_EQ(line.exportDirectory, "out dir");
  EXPECT_EQ(line.inputFile, "plots/ring.vpt");
  EXPECT_EQ(parse({"--help"}).mode, CommandLine::kHelp);
}

TEST(CommandLine, AnythingElseIsAUsageError) {
  for (const std::vector<std::string_view>& arguments :
       std::vector<std::vector<std::string_view>>{{},
                                                  {"--export", "dir"},
                                                  {"--export", "dir", "a", "b"},
                                                  {"--export", "", "a"},
                                                  {"--export", "dir", ""},
                                                  {"--help", "x"},
                                                  {"--Export", "dir", "a"},
                                                  {"ring.vpt"}}) {
    EXPECT_EQ(parse(arguments).mode, CommandLine::kUsageError) << arguments.size();
  }
}

}  // namespace
}  // namespace vexplot
