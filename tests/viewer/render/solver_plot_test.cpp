#include <gtest/gtest.h>

#include <algorithm>
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
                                VEXPLOTW_PROGRAM + " --format list --export '" + (directory_ / "out").string() + "' '" +
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

// A top-level object of a written display list: its width, its own Move and
// Draw lines, and how many objects (strings) it holds.
struct ListObject {
  std::string width;
  Lines strokes;
  int innerObjects = 0;
};

std::vector<ListObject> topLevelObjects(const Lines& lines) {
  std::vector<ListObject> objects;
  int depth = 0;
  for (const std::string& line : lines) {
    if (line.rfind("BeginObject", 0) == 0) {
      if (depth++ == 0) {
        objects.push_back({line.substr(line.rfind(' ') + 1), {}, 0});
      } else if (depth == 2) {
        ++objects.back().innerObjects;
      }
    } else if (line.rfind("EndObject", 0) == 0) {
      --depth;
    } else if (depth == 1) {
      objects.back().strokes.push_back(line);
    }
  }
  return objects;
}

Lines first(const Lines& lines, std::size_t count) {
  return Lines(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(std::min(count, lines.size())));
}

// The object whose strokes begin with the line, or nothing.
const ListObject* objectStartingWith(const std::vector<ListObject>& objects, const std::string& line) {
  for (const ListObject& object : objects) {
    if (!object.strokes.empty() && object.strokes.front() == line) return &object;
  }
  return nullptr;
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

  const std::vector<ListObject> objects = topLevelObjects(listLines("solver_frame.list"));
  // The two curves, in the frame's line width 2; the second leaves the
  // window through its lower edge at x' = 5.85 + 3.85 / 3.
  std::vector<Lines> curves;
  for (const ListObject& object : objects) {
    if (object.width == "2") curves.push_back(object.strokes);
  }
  EXPECT_EQ(curves, (std::vector<Lines>{{"Move 2 4.5 0 2", "Draw 5.85 6.25 0 2", "Draw 9.7 5.375 0 2"},
                                        {"Move 2 2.75 0 2", "Draw 5.85 1.875 0 2", "Draw 7.13333 1 0 2"}}));

  // The axes, with the thinnest pen. Left: 41 ticks every 0.1 from -2,
  // majors (0.05 long) every 0.5 with their 9 labels, pointing left.
  const ListObject* left = objectStartingWith(objects, "Move 2 1 0 0");
  ASSERT_NE(left, nullptr);
  EXPECT_EQ(left->strokes.size(), 2u + 41u * 2u);
  EXPECT_EQ(first(left->strokes, 6), (Lines{"Move 2 1 0 0", "Draw 2 8 0 0", "Move 2 1 0 0", "Draw 1.95 1 0 0",
                                            "Move 2 1.175 0 0", "Draw 1.97 1.175 0 0"}));
  EXPECT_EQ(left->strokes.back(), "Draw 1.95 8 0 0");
  EXPECT_EQ(left->innerObjects, 9);
  // Right, pointing right, without labels.
  const ListObject* right = objectStartingWith(objects, "Move 9.7 1 0 0");
  ASSERT_NE(right, nullptr);
  EXPECT_EQ(first(right->strokes, 4), (Lines{"Move 9.7 1 0 0", "Draw 9.7 8 0 0", "Move 9.7 1 0 0", "Draw 9.75 1 0 0"}));
  EXPECT_EQ(right->innerObjects, 0);
  // Bottom: 21 ticks every 0.5 from 0, majors every 2 with 6 labels, pointing
  // down; it starts where the left one does, so it is the one drawing along x.
  const auto bottom = std::find_if(objects.begin(), objects.end(), [](const ListObject& object) {
    return object.strokes.size() > 1 && object.strokes[1] == "Draw 9.7 1 0 0";
  });
  ASSERT_NE(bottom, objects.end());
  EXPECT_EQ(bottom->strokes.size(), 2u + 21u * 2u);
  EXPECT_EQ(first(bottom->strokes, 6), (Lines{"Move 2 1 0 0", "Draw 9.7 1 0 0", "Move 2 1 0 0", "Draw 2 0.95 0 0",
                                              "Move 2.385 1 0 0", "Draw 2.385 0.97 0 0"}));
  EXPECT_EQ(bottom->innerObjects, 6);
  // Top, pointing up.
  const ListObject* top = objectStartingWith(objects, "Move 2 8 0 0");
  ASSERT_NE(top, nullptr);
  EXPECT_EQ(first(top->strokes, 4), (Lines{"Move 2 8 0 0", "Draw 9.7 8 0 0", "Move 2 8 0 0", "Draw 2 8.05 0 0"}));
  // The titles are objects of their own, drawn in strokes.
  EXPECT_GT(objects.size(), 2u + 4u);
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
