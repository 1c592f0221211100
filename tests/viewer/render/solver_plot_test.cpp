#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

namespace vexplot {
namespace {

namespace fs = std::filesystem;

// Runs the viewer's headless command line on a frame as the solver writes it
// and reads the display list it leaves.
class SolverPlotTest : public ::testing::Test {
 protected:
  SolverPlotTest()
      : directory_(fs::temp_directory_path() / ("vexplot_solver_plot_" + std::to_string(::getpid()))) {
    fs::remove_all(directory_);
    fs::create_directories(directory_ / "config");
  }
  ~SolverPlotTest() override {
    std::error_code ignored;
    fs::remove_all(directory_, ignored);
  }

  // The exit status of the program; its standard output in output.
  int exportFile(const fs::path& input, std::string& output) {
    const std::string command = "XDG_CONFIG_HOME='" + (directory_ / "config").string() + "' " +
                                VEXPLOTW_PROGRAM + " --export '" + (directory_ / "out").string() + "' '" +
                                input.string() + "' 2>/dev/null";
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return -1;
    std::array<char, 256> buffer;
    for (std::size_t n; (n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;) {
      output.append(buffer.data(), n);
    }
    const int status = ::pclose(pipe);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  std::vector<std::string> listLines(const std::string& name) {
    std::ifstream in(directory_ / "out" / name);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }

  fs::path directory_;
};

using Lines = std::vector<std::string>;

Lines slice(const Lines& lines, std::size_t first, std::size_t count) {
  if (first + count > lines.size()) return {};
  return Lines(lines.begin() + static_cast<std::ptrdiff_t>(first),
               lines.begin() + static_cast<std::ptrdiff_t>(first + count));
}

// The frame: window 2 to 9.7 by 1 to 8, limits 0 to 10 by -2 to 2, ticks of
// 0.05, two curves of three points each. Data map to the page by
// x' = 2 + 0.77 x and y' = 1 + 1.75 (y + 2).
TEST_F(SolverPlotTest, FrameDrawsItsCurvesAndAxes) {
  const fs::path input = fs::path(VEXPLOT_SOURCE_DIR) / "tests/viewer/render/data/solver_frame.vpt";
  std::string output;
  ASSERT_EQ(exportFile(input, output), 0);
  EXPECT_EQ(output, "[vpmainX]  Invalid command \"FRAME\". Igonred.\n"
                    "[com_end] Plot #0 ends.\n"
                    "[vpmain] Input file " + input.string() + " ends.\n");

  const Lines lines = listLines("solver_frame.list");
  ASSERT_EQ(lines.size(), 274u);
  // The first curve, in the frame's line width 2.
  EXPECT_EQ(slice(lines, 0, 5), (Lines{"BeginObject 0 0 0 2", "Move 2 4.5 0 2", "Draw 5.85 6.25 0 2",
                                       "Draw 9.7 5.375 0 2", "EndObject 0 0 0 2"}));
  // Then the axes with the thinnest pen. Left: 41 ticks every 0.1 from -2,
  // majors (0.05 long) every 0.5, pointing left.
  EXPECT_EQ(slice(lines, 5, 7), (Lines{"BeginObject 0 0 0 0", "Move 2 1 0 0", "Draw 2 8 0 0",
                                       "Move 2 1 0 0", "Draw 1.95 1 0 0", "Move 2 1.175 0 0",
                                       "Draw 1.97 1.175 0 0"}));
  EXPECT_EQ(slice(lines, 88, 3), (Lines{"Move 2 8 0 0", "Draw 1.95 8 0 0", "EndObject 0 0 0 0"}));
  // Right, pointing right.
  EXPECT_EQ(slice(lines, 91, 5), (Lines{"BeginObject 0 0 0 0", "Move 9.7 1 0 0", "Draw 9.7 8 0 0",
                                        "Move 9.7 1 0 0", "Draw 9.75 1 0 0"}));
  // Bottom: 21 ticks every 0.5 from 0, majors every 2, pointing down.
  EXPECT_EQ(slice(lines, 177, 7), (Lines{"BeginObject 0 0 0 0", "Move 2 1 0 0", "Draw 9.7 1 0 0",
                                         "Move 2 1 0 0", "Draw 2 0.95 0 0", "Move 2.385 1 0 0",
                                         "Draw 2.385 0.97 0 0"}));
  // Top, pointing up.
  EXPECT_EQ(slice(lines, 223, 5), (Lines{"BeginObject 0 0 0 0", "Move 2 8 0 0", "Draw 9.7 8 0 0",
                                         "Move 2 8 0 0", "Draw 2 8.05 0 0"}));
  // The second curve leaves the window through its lower edge at
  // x' = 5.85 + 3.85 / 3.
  EXPECT_EQ(slice(lines, 269, 5), (Lines{"BeginObject 0 0 0 2", "Move 2 2.75 0 2", "Draw 5.85 1.875 0 2",
                                         "Draw 7.13333 1 0 2", "EndObject 0 0 0 2"}));
}

TEST_F(SolverPlotTest, FramesThatDrawNothingLeaveNoList) {
  const fs::path input = directory_ / "settings.vpx";
  std::ofstream(input) << "SET COLOR RED\nNEWFRAME\nARROW FROM 1 1 TO 2 2\n";
  std::string output;
  ASSERT_EQ(exportFile(input, output), 0);
  EXPECT_FALSE(fs::exists(directory_ / "out" / "settings.list"));
  EXPECT_EQ(listLines("settings1.list").size(), 7u);  // shaft and head of the arrow
}

}  // namespace
}  // namespace vexplot
