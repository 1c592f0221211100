#include "viewer/shell/headless_export.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

namespace vexplot {
namespace {

namespace fs = std::filesystem;

class HeadlessExportTest : public ::testing::Test {
 protected:
  HeadlessExportTest()
      : directory_(fs::temp_directory_path() /
                   ("vexplot_export_" +
                    std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "_" +
                    std::to_string(::getpid()))) {
    fs::remove_all(directory_);
    fs::create_directories(directory_);
  }
  ~HeadlessExportTest() override {
    std::error_code ignored;
    fs::remove_all(directory_, ignored);
  }

  fs::path writeFile(const std::string& name, const std::string& bytes) {
    const fs::path path = directory_ / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }

  static std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }

  fs::path directory_;
  std::ostringstream out_;
  std::ostringstream err_;
};

TEST_F(HeadlessExportTest, PrintsOneLinePerDisplayLineAndCreatesTheDirectory) {
  writeFile("x.vpt", "SET SIZE 1\nSET CARD\nNEW FRAME\n");
  const fs::path cwd = fs::current_path();
  fs::current_path(directory_);
  const int status = runHeadlessExport("out/eps", "./sub/../x.vpt", out_, err_);
  fs::current_path(cwd);
  EXPECT_EQ(status, 0);
  EXPECT_TRUE(fs::is_directory(directory_ / "out" / "eps"));
  EXPECT_EQ(err_.str(), "");
  // The message without a final newline is a line of its own all the same.
  EXPECT_EQ(out_.str(),
            "[com_set_size] SET SIZE must define 2 parameters.\n"
            "[com_ignore]  Command SET CARD is not ready. Ignored.\n"
            "[com_end] Plot #0 ends.\n"
            "[vpmainX]  Invalid command \"FRAME\". Igonred.\n"
            "[com_end] Plot #1 ends.\n"
            "[vpmain] Input file " + (directory_ / "x.vpt").string() + " ends.\n");
}

TEST_F(HeadlessExportTest, EmptyFileEndsWithTheEmptyInputLine) {
  const fs::path input = writeFile("empty.vpx", "");
  EXPECT_EQ(runHeadlessExport(directory_, input, out_, err_), 0);
  EXPECT_EQ(out_.str(), "Input file empty\n[vpmain] Input file " + input.string() + " ends.\n");
}

TEST_F(HeadlessExportTest, UnreadableInputFailsWithAMessage) {
  EXPECT_EQ(runHeadlessExport(directory_ / "out", directory_ / "missing.vpx", out_, err_), 1);
  EXPECT_EQ(out_.str(), "");
  EXPECT_NE(err_.str().find("missing.vpx"), std::string::npos);

  writeFile("file", "");
  EXPECT_EQ(runHeadlessExport(directory_ / "file" / "out", directory_ / "file", out_, err_), 1);
}

TEST_F(HeadlessExportTest, ExampleFileGivesItsRecordedDiagnostics) {
  const fs::path example = fs::path(VEXPLOT_SOURCE_DIR) / "examples" / "set_commands.vpx";
  ASSERT_EQ(runHeadlessExport(directory_, example, out_, err_), 0);
  std::string expected =
      readFile(fs::path(VEXPLOT_SOURCE_DIR) / "tests/viewer/shell/data/set_commands.expected");
  const std::string placeholder = "@INPUT@";
  expected.replace(expected.find(placeholder), placeholder.size(),
                   example.lexically_normal().string());
  EXPECT_EQ(out_.str(), expected);
}

// Runs the program and returns its exit status with its standard output.
int runProgram(const std::string& arguments, std::string& output) {
  const std::string command = std::string(VEXPLOTW_PROGRAM) + " " + arguments + " 2>/dev/null";
  std::FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return -1;
  std::array<char, 256> buffer;
  output.clear();
  for (std::size_t n; (n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;) {
    output.append(buffer.data(), n);
  }
  const int status = ::pclose(pipe);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(HeadlessExportTest, ProgramExitStatusTellsTheOutcome) {
  const fs::path input = writeFile("one.vpx", "SET COLOR RED\n");
  std::string output;
  EXPECT_EQ(runProgram("--export '" + (directory_ / "out").string() + "' '" + input.string() + "'",
                       output),
            0);
  EXPECT_EQ(output, "[com_end] Plot #0 ends.\n[vpmain] Input file " + input.string() + " ends.\n");
  EXPECT_EQ(runProgram("--export '" + directory_.string() + "' '" + (directory_ / "none.vpx").string() + "'",
                       output),
            1);
  EXPECT_EQ(runProgram("--export onlyone", output), 2);
  EXPECT_EQ(runProgram("--help", output), 0);
  EXPECT_NE(output.find("--export DIR FILE"), std::string::npos);
}

}  // namespace
}  // namespace vexplot
