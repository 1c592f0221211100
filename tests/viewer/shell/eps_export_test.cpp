#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <sys/wait.h>

#include "tests/support/scratch_directory.hpp"
#include "tests/viewer/render/ghostscript_check.hpp"
#include "viewer/shell/headless_export.hpp"

namespace vexplot {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> readLines(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::set<std::string> filesWithExtension(const fs::path& directory, const std::string& extension) {
  std::set<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(directory)) {
    if (entry.path().extension() == extension) names.insert(entry.path().filename().string());
  }
  return names;
}

// Ghostscript renders the file without a word, and what it paints lies
// within the declared bounding box.
void expectValidEps(const fs::path& eps) {
  SCOPED_TRACE(eps.string());
  const testing::GhostscriptRun run = testing::renderEpsToPng(eps, fs::path(eps).replace_extension(".png"));
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.messages, "");
  const std::vector<std::string> lines = readLines(eps);
  ASSERT_GT(lines.size(), 2u);
  std::istringstream declared(lines[2].substr(lines[2].find(':') + 1));
  int llx = 0, lly = 0, urx = 0, ury = 0;
  declared >> llx >> lly >> urx >> ury;
  const auto painted = testing::paintedBox(eps);
  ASSERT_TRUE(painted.has_value());
  const auto [left, bottom, right, top] = *painted;
  if (right == 0.0 && top == 0.0) return;  // nothing painted
  EXPECT_TRUE(left >= llx && bottom >= lly && right <= urx && top <= ury)
      << left << " " << bottom << " " << right << " " << top;
}

class EpsExportTest : public ::testing::Test {
 protected:
  EpsExportTest() { fs::create_directories(directory_ / "config" / "vexplot"); }

  test_support::ScratchDirectory scratch_{"vexplot_eps"};
  fs::path directory_ = scratch_.path();
};

TEST_F(EpsExportTest, EveryFrameThatOpenedItsWindowBecomesAnEpsFile) {
  std::ofstream(directory_ / "config" / "vexplot" / "vexplot.ini") << "ps_linewidth=0.5\n";
  const fs::path input = directory_ / "odd\tname.vpx";
  std::ofstream(input) << "PLOT\n"                      // frame 0: a window without data
                          "NEWFRAME\nSET COLOR RED\n"   // frame 1: no window
                          "NEWFRAME\nSET LIMIT X 0 1 Y 0 1\n0 0\n1 1\nJOIN 1\n";
  const SettingsEnvironment environment{directory_ / "bin", directory_ / "config", false};
  std::ostringstream out, err;
  ASSERT_EQ(runHeadlessExport(directory_ / "out", input, environment, *epsPictures(), out, err), 0)
      << err.str();

  EXPECT_EQ(filesWithExtension(directory_ / "out", ".eps"),
            (std::set<std::string>{"odd\tname.eps", "odd\tname2.eps"}));
  const std::vector<std::string> first = readLines(directory_ / "out" / "odd\tname.eps");
  const std::vector<std::string> third = readLines(directory_ / "out" / "odd\tname2.eps");
  ASSERT_GT(third.size(), 22u);
  EXPECT_EQ(first[5], "%%Title: " + directory_.string() + "/odd?name.vpx-0");
  EXPECT_EQ(third[5], "%%Title: " + directory_.string() + "/odd?name.vpx-1");
  EXPECT_EQ(third[22], "100.000000 setlinewidth");
  expectValidEps(directory_ / "out" / "odd\tname.eps");
  expectValidEps(directory_ / "out" / "odd\tname2.eps");
}

// The solver's examples through both programs: every frame of each plot file
// comes out as an EPS file that Ghostscript renders.
TEST_F(EpsExportTest, SolverPlotFilesExportAsValidEps) {
  for (const char* example : {"ring", "spread", "binomial", "lengthening"}) {
    SCOPED_TRACE(example);
    const fs::path run = directory_ / example;
    fs::create_directories(run);
    fs::copy_file(fs::path(VEXPLOT_SOURCE_DIR) / "examples" / (std::string(example) + ".in"),
                  run / (std::string(example) + ".in"));
    const std::string solver = "cd '" + run.string() + "' && " + QUELMW_PROGRAM + " " + example +
                               ".in >/dev/null 2>&1";
    ASSERT_EQ(std::system(solver.c_str()), 0);
    const std::string viewer = "XDG_CONFIG_HOME='" + (directory_ / "config").string() + "' " +
                               VEXPLOTW_PROGRAM + " --export '" + (run / "eps").string() + "' '" +
                               (run / example).string() + ".vpt' >/dev/null 2>&1";
    ASSERT_EQ(std::system(viewer.c_str()), 0);

    const std::set<std::string> eps = filesWithExtension(run / "eps", ".eps");
    EXPECT_TRUE(filesWithExtension(run / "eps", ".list").empty());
    EXPECT_EQ(eps.count(std::string(example) + ".eps"), 1u);
    EXPECT_EQ(eps.count(std::string(example) + "1.eps"), 1u);
    for (const std::string& name : eps) expectValidEps(run / "eps" / name);
  }
}

// A disk that fills up during the export (the file size limit of the
// program, with the signal it would raise ignored) fails it, whatever the
// format, and an older picture of the same name stays whole: pictures are
// written under a temporary name and renamed only when complete.
TEST_F(EpsExportTest, FullDiskKeepsOlderPicturesOfEveryFormat) {
  const fs::path input = directory_ / "curve.vpx";
  std::ofstream(input) << "SET LIMIT X 0 1 Y 0 1\n0 0\n1 1\nJOIN 1\n";
  for (const std::string format : {"eps", "png", "pdf", "svg", "list"}) {
    SCOPED_TRACE(format);
    const fs::path out = directory_ / format;
    const std::string command = "XDG_CONFIG_HOME='" + (directory_ / "config").string() + "' " +
                                VEXPLOTW_PROGRAM + " --format " + format + " --export '" + out.string() +
                                "' '" + input.string() + "' >/dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const fs::path picture = out / ("curve." + format);
    ASSERT_GT(fs::file_size(picture), 512u);
    std::ofstream(picture) << "old\n";

    const std::string limited = "trap '' XFSZ; ulimit -f 1; " + command;
    const int status = std::system(limited.c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status;
    EXPECT_EQ(readLines(picture), std::vector<std::string>{"old"});
    EXPECT_EQ(std::distance(fs::directory_iterator(out), fs::directory_iterator()), 1);
  }
}

}  // namespace
}  // namespace vexplot
