#include "viewer/render/postscript_writer.hpp"

#include <gtest/gtest.h>

#include <optional>

#include <csignal>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/wait.h>

#include "tests/support/scratch_directory.hpp"
#include "tests/viewer/render/ghostscript_check.hpp"
#include "common/replacement_file.hpp"

namespace vexplot {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

constexpr std::size_t kHeadLines = 24;  // header and page setup
constexpr std::size_t kTailLines = 7;   // from the closing stroke to the end

Lines readLines(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  Lines lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

class PostScriptWriterTest : public ::testing::Test {
 protected:
  void add(DisplayKind kind, float x = 0.0f, float y = 0.0f, int colour = 0, float width = 2.0f) {
    frame_.displayList.append({kind, colour, width, x, y});
  }

  PostScriptStatus write(const fs::path& path, std::optional<Rect> view = std::nullopt,
                         double lineWidth = 0.25) {
    return writePostScript(frame_, view.value_or(frame_.pageBox), path, lineWidth, origin_);
  }

  // The lines of a written file, which Ghostscript must render cleanly.
  Lines exportLines(std::optional<Rect> view = std::nullopt, double lineWidth = 0.25) {
    const fs::path eps = directory_ / "frame.eps";
    EXPECT_EQ(write(eps, view, lineWidth), kPostScriptWritten);
    const testing::GhostscriptRun run = testing::renderEpsToPng(eps, directory_ / "frame.png");
    EXPECT_EQ(run.status, 0) << run.messages;
    EXPECT_EQ(run.messages, "");
    return readLines(eps);
  }

  // The path operators between the page setup and the closing lines.
  Lines body(std::optional<Rect> view = std::nullopt, double lineWidth = 0.25) {
    const Lines lines = exportLines(view, lineWidth);
    if (lines.size() < kHeadLines + kTailLines) return {"(file too short)"};
    return Lines(lines.begin() + kHeadLines, lines.end() - kTailLines);
  }

  test_support::ScratchDirectory scratch_{"vexplot_postscript"};
  fs::path directory_ = scratch_.path();
  FramePicture frame_;
  PostScriptOrigin origin_{"/data/run/", "ring.vpt", 2, "2026/12/07.09:05:03"};
};

TEST_F(PostScriptWriterTest, EmptyFrameIsTheWholeDocumentFrame) {
  EXPECT_EQ(exportLines(), (Lines{"%!PS-Adobe-2.0 EPSF-2.0",
                                  "%%Pages: (atend) 1",
                                  "%%BoundingBox: 37 30 754 582",
                                  "%%Creator: Vexplot for Windows  ver. May.29.2000",
                                  "%%CreationDate: 2026/12/07.09:05:03",
                                  "%%Title: /data/run/ring.vpt-2",
                                  "%%DocumentMedia: Default 792 612 0 () ()",
                                  "%%Orientation: Landscape",
                                  "%%EndComments",
                                  "%%BeginProlog",
                                  "%%BeginResource: lineabr",
                                  "/m/moveto load def",
                                  "/l/lineto load def",
                                  "%%EndResource",
                                  "%%EndProlog",
                                  "%%BeginSetup",
                                  "%%EndSetup",
                                  "%%Page: 1 1 ",
                                  "%%BeginPageSetup",
                                  "%%EndPageSetup",
                                  "gsave",
                                  "0.010000 0.010000 scale",
                                  "50.000000 setlinewidth",
                                  "/lwidth currentlinewidth def",
                                  "stroke",
                                  "grestore",
                                  "showpage",
                                  "%%PageTrailer",
                                  "",
                                  "%%Trailer",
                                  "%%Pages: 1 1"}));
}

TEST_F(PostScriptWriterTest, PageCornersMapWithOneScaleOf5520) {
  add(kMove, 0, 0);
  add(kDraw, 13, 10);
  EXPECT_EQ(body(), (Lines{"50 setlinewidth", "0.000000 0.000000 0.000000 setrgbcolor",
                           "3720 3000 m", "75480 58200 l"}));
}

TEST_F(PostScriptWriterTest, ObjectIsOnePathWithOneMoveAndStylesOncePerChange) {
  add(kBeginObject, 0, 0, 0, 0.0f);
  add(kMove, 1, 1, 4);
  add(kDraw, 2, 1, 4);
  add(kDraw, 2, 2, 4, 0.0f);  // width 0 is drawn as 2
  add(kDraw, 3, 2, 1, 4.0f);
  add(kDraw, 4, 2, 1, 4.0f);
  add(kDraw, 5, 2, 4, 4.0f);
  add(kEndObject, 0, 0, 0, 0.0f);
  // A new object states width and colour again.
  add(kBeginObject);
  add(kMove, 1, 1, 4);
  add(kDraw, 1, 2, 4);
  add(kEndObject);
  EXPECT_EQ(body(), (Lines{"newpath", "50 setlinewidth", "0.667000 0.000000 0.000000 setrgbcolor",
                           "9240 8520 m", "14760 8520 l", "14760 14040 l",
                           "100 setlinewidth", "0.000000 0.000000 0.667000 setrgbcolor",
                           "20280 14040 l", "25800 14040 l",
                           "0.667000 0.000000 0.000000 setrgbcolor", "31320 14040 l", "stroke",
                           "newpath", "50 setlinewidth", "0.667000 0.000000 0.000000 setrgbcolor",
                           "9240 8520 m", "9240 14040 l", "stroke"}));
}

TEST_F(PostScriptWriterTest, LineWidthSettingScalesEveryWidth) {
  add(kMove, 1, 1, 99, 1.0f);  // a colour outside the palette is white
  add(kDraw, 2, 1, 99, 1.0f);
  const Lines lines = exportLines(std::nullopt, 0.5);
  EXPECT_EQ(lines[22], "100.000000 setlinewidth");
  EXPECT_EQ(Lines(lines.begin() + kHeadLines, lines.begin() + kHeadLines + 2),
            (Lines{"50 setlinewidth", "1.000000 1.000000 1.000000 setrgbcolor"}));
}

TEST_F(PostScriptWriterTest, SegmentsAreClippedToTheExportedView) {
  add(kMove, 1, 1);
  add(kDraw, 20, 1);
  add(kDraw, 20, 5);  // wholly beyond the page
  add(kDraw, 5, 5);
  add(kMove, 0, 3);
  add(kDraw, 13, 3);
  EXPECT_EQ(body(), (Lines{"50 setlinewidth", "0.000000 0.000000 0.000000 setrgbcolor",
                           "9240 8520 m", "75480 8520 l", "75480 30600 m", "31320 30600 l",
                           "3720 19560 m", "75480 19560 l"}));

  // A magnified view fills the paper box alone: 27600 units a page unit.
  const Lines lines = exportLines(Rect{2.0, 4.0, 2.0, 4.0});
  ASSERT_EQ(lines.size(), kHeadLines + 4 + kTailLines);
  EXPECT_EQ(lines[2], "%%BoundingBox: 120 30 672 582");
  EXPECT_EQ(lines[kHeadLines + 2], "12000 30600 m");
  EXPECT_EQ(lines[kHeadLines + 3], "67200 30600 l");
  // A window's scale over the view follows the frame's lines as objects of
  // their own.
  DisplayList scale;
  scale.append({kBeginObject, 0, 0.0f, 0.0f, 0.0f});
  scale.append({kMove, 0, 0.0f, 2.5f, 2.5f});
  scale.append({kDraw, 0, 0.0f, 3.5f, 2.5f});
  scale.append({kEndObject, 0, 0.0f, 0.0f, 0.0f});
  ASSERT_EQ(writePostScript(frame_, {2.0, 4.0, 2.0, 4.0}, directory_ / "scale.eps", 0.25, origin_, &scale),
            kPostScriptWritten);
  const Lines scaled = readLines(directory_ / "scale.eps");
  EXPECT_EQ(Lines(scaled.end() - kTailLines - 6, scaled.end() - kTailLines),
            (Lines{"67200 30600 l", "50 setlinewidth", "0.000000 0.000000 0.000000 setrgbcolor",
                   "25800 16800 m", "53400 16800 l", "stroke"}));
  EXPECT_EQ(write(directory_ / "none.eps", Rect{2.0, 2.0, 1.0, 3.0}), kPostScriptNoSuchView);
  EXPECT_EQ(write(directory_ / "none.eps", Rect{1.0, 3.0, 4.0, 2.0}), kPostScriptNoSuchView);
  EXPECT_FALSE(fs::exists(directory_ / "none.eps"));
}

TEST_F(PostScriptWriterTest, OutsideTextCannotBreakTheHeader) {
  origin_.inputFileName = "a\nb\r\x7f.vpt";
  origin_.creationDate = "x\ny";
  const Lines lines = exportLines();
  ASSERT_EQ(lines.size(), kHeadLines + kTailLines);
  EXPECT_EQ(lines[4], "%%CreationDate: x?y");
  EXPECT_EQ(lines[5], "%%Title: /data/run/a?b??.vpt-2");
}

TEST_F(PostScriptWriterTest, TimeStampIsZeroPadded) {
  std::tm time{};
  time.tm_year = 126;
  time.tm_mday = 5;
  time.tm_hour = 7;
  time.tm_min = 8;
  time.tm_sec = 9;
  EXPECT_EQ(postScriptTimeStamp(time), "2026/01/05.07:08:09");
}

TEST_F(PostScriptWriterTest, FailuresReportTheirStepAndLeaveNoFileBehind) {
  EXPECT_EQ(write(directory_ / "missing" / "a.eps"), kPostScriptOpenFailed);
  EXPECT_EQ(write(directory_), kPostScriptOpenFailed);
  EXPECT_TRUE(fs::is_directory(directory_));
  // A device that is full is written in place, and stays a device.
  EXPECT_EQ(write("/dev/full"), kPostScriptWriteFailed);
  EXPECT_TRUE(fs::is_character_file("/dev/full"));
  EXPECT_TRUE(fs::is_empty(directory_));
}

// A disk that fills up after `room` bytes (the file size limit of a child
// process) fails the export, whether in the header, amid the body or only at
// the last byte, and the file it was to replace stays whole.
TEST_F(PostScriptWriterTest, FullDiskKeepsTheOldFile) {
  for (int i = 0; i < 3000; ++i) add(i % 2 == 0 ? kMove : kDraw, 0.001f * i, 1.0f + 0.001f * i);
  const fs::path eps = directory_ / "old.eps";
  ASSERT_EQ(write(eps), kPostScriptWritten);
  const auto size = static_cast<rlim_t>(fs::file_size(eps));
  for (const rlim_t room : {rlim_t{0}, size / 2, size - 1}) {
    std::ofstream(eps) << "old\n";
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      std::signal(SIGXFSZ, SIG_IGN);
      const rlimit limit{room, room};
      ::setrlimit(RLIMIT_FSIZE, &limit);
      ::_exit(write(eps));
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == kPostScriptWriteFailed) << room;
    EXPECT_EQ(readLines(eps), Lines{"old"});
    EXPECT_EQ(std::distance(fs::directory_iterator(directory_), fs::directory_iterator()), 1);
  }
}

TEST_F(PostScriptWriterTest, ReplacedFileKeepsItsPermissionsAndLinks) {
  const fs::path target = directory_ / "target.eps";
  const fs::path link = directory_ / "link.eps";
  std::ofstream(target) << "old\n";
  fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  fs::create_symlink(target, link);
  {
    common::ReplacementFile unfinished(link);
    ASSERT_NE(unfinished.stream(), nullptr);
    std::fputs("lost\n", unfinished.stream());
  }
  EXPECT_EQ(readLines(target), Lines{"old"});
  EXPECT_EQ(write(link), kPostScriptWritten);
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(readLines(target).front(), "%!PS-Adobe-2.0 EPSF-2.0");
  EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(std::distance(fs::directory_iterator(directory_), fs::directory_iterator()), 2);
}

}  // namespace
}  // namespace vexplot
