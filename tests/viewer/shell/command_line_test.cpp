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
  EXPECT_EQ(line.format, PictureFormat::kEps);
  EXPECT_EQ(parse({"--help"}).mode, CommandLine::kHelp);
}

TEST(CommandLine, FormatNamesThePicturesWhereverItStands) {
  const CommandLine between = parse({"--export", "pictures", "--format", "png", "ring.vpt"});
  EXPECT_EQ(between.mode, CommandLine::kExport);
  EXPECT_EQ(between.format, PictureFormat::kPng);
  EXPECT_EQ(between.inputFile, "ring.vpt");
  EXPECT_EQ(parse({"--format", "svg", "--export", "d", "f"}).format, PictureFormat::kSvg);
  EXPECT_EQ(parse({"--export", "d", "f", "--format", "pdf"}).format, PictureFormat::kPdf);
  EXPECT_EQ(parse({"--export", "d", "--format", "eps", "f"}).format, PictureFormat::kEps);
  EXPECT_EQ(parse({"--export", "d", "--format", "list", "f"}).format, PictureFormat::kDisplayList);
}

TEST(CommandLine, SizeTakesWidthByHeightForTheToolkitsPictures) {
  const CommandLine line = parse({"--export", "d", "--size", "1600x1200", "--format", "png", "f"});
  EXPECT_EQ(line.mode, CommandLine::kExport);
  EXPECT_EQ(line.size, (PictureSize{1600, 1200}));
  EXPECT_EQ(parse({"--size", "16x10000", "--export", "d", "--format", "svg", "f"}).size,
            (PictureSize{16, 10000}));
  EXPECT_EQ(parse({"--export", "d", "--format", "pdf", "f"}).size, std::nullopt);
}

TEST(CommandLine, NothingOrAFileOpensTheWindow) {
  EXPECT_EQ(parse({}).mode, CommandLine::kWindow);
  EXPECT_EQ(parse({"ring.vpt"}).mode, CommandLine::kWindow);
  EXPECT_EQ(parse({"\"my", "plots.vpt\""}).mode, CommandLine::kWindow);
}

TEST(CommandLine, AnythingElseIsAUsageError) {
  for (const std::vector<std::string_view>& arguments :
       std::vector<std::vector<std::string_view>>{{"--export", "dir"},
                                                  {"--export", "dir", "a", "b"},
                                                  {"--export", "", "a"},
                                                  {"--export", "dir", ""},
                                                  {"--help", "x"},
                                                  {"--Export", "dir", "a"},
                                                  {"--format", "png", "a"},
                                                  {"--export", "d", "--format", "gif", "a"},
                                                  {"--export", "d", "--format", "png", "--format", "svg", "a"},
                                                  {"--export", "d", "--export", "e", "a"},
                                                  {"--export", "d", "--format"},
                                                  {"--verbose", "ring.vpt"},
                                                  {"--size", "800x600", "ring.vpt"},
                                                  {"--export", "d", "--size", "800x600", "f"},
                                                  {"--export", "d", "--format", "list", "--size", "800x600", "f"},
                                                  {"--export", "d", "--format", "png", "--size", "800", "f"},
                                                  {"--export", "d", "--format", "png", "--size", "800x", "f"},
                                                  {"--export", "d", "--format", "png", "--size", "0x600", "f"},
                                                  {"--export", "d", "--format", "png", "--size", "15x600", "f"},
                                                  {"--export", "d", "--format", "png", "--size", "800x10001", "f"},
                                                  {"--export", "d", "--format", "png", "--size", "-800x600", "f"},
                                                  {"--export", "d", "--format", "png", "--size", "800x600x2", "f"},
                                                  {"--export", "d", "--format", "png", "--size", "8e2x600", "f"},
                                                  {"--export", "d", "--format", "png", "--size", "1x1", "--size", "800x600", "f"},
                                                  {"--export", "d", "--format", "png", "f", "--size"}}) {
    EXPECT_EQ(parse(arguments).mode, CommandLine::kUsageError) << arguments.size();
  }
}

}  // namespace
}  // namespace vexplot
