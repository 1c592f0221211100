#include "viewer/shell/headless_export.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <sys/wait.h>

#include "tests/support/scratch_directory.hpp"

namespace vexplot {
namespace {

namespace fs = std::filesystem;

class HeadlessExportTest : public ::testing::Test {
 protected:
  HeadlessExportTest() { fs::create_directories(directory_ / "bin"); }

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

  // Runs with a program directory and a configuration root of the test's own.
  int run(const fs::path& exportDirectory, const fs::path& input) {
    return runHeadlessExport(exportDirectory, input, environment_, *epsPictures(), out_, err_);
  }

  test_support::ScratchDirectory scratch_{"vexplot_export"};
  fs::path directory_ = scratch_.path();
  SettingsEnvironment environment_{directory_ / "bin", directory_ / "config", true};
  std::ostringstream out_;
  std::ostringstream err_;
};

TEST_F(HeadlessExportTest, PrintsOneLinePerDisplayLineAndCreatesTheDirectory) {
  writeFile("x.vpt", "SET SIZE 1\nSET CARD\nNEW FRAME\n");
  const fs::path cwd = fs::current_path();
  fs::current_path(directory_);
  const int status = run("out/eps", "./sub/../x.vpt");
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
  EXPECT_EQ(run(directory_, input), 0);
  EXPECT_EQ(out_.str(), "Input file empty\n[vpmain] Input file " + input.string() + " ends.\n");
}

TEST_F(HeadlessExportTest, UnreadableInputFailsWithAMessage) {
  EXPECT_EQ(run(directory_ / "out", directory_ / "missing.vpx"), 1);
  EXPECT_EQ(out_.str(), "");
  EXPECT_NE(err_.str().find("missing.vpx"), std::string::npos);

  writeFile("file", "");
  EXPECT_EQ(run(directory_ / "file" / "out", directory_ / "file"), 1);
}

TEST_F(HeadlessExportTest, ExampleFileGivesItsRecordedDiagnostics) {
  const fs::path example = fs::path(VEXPLOT_SOURCE_DIR) / "examples" / "set_commands.vpx";
  ASSERT_EQ(run(directory_, example), 0);
  std::string expected =
      readFile(fs::path(VEXPLOT_SOURCE_DIR) / "tests/viewer/shell/data/set_commands.expected");
  const std::string placeholder = "@INPUT@";
  expected.replace(expected.find(placeholder), placeholder.size(),
                   example.lexically_normal().string());
  EXPECT_EQ(out_.str(), expected);
}

// Runs the program, with its user settings looked for below configHome, and
// returns its exit status with its standard output.
int runProgram(const fs::path& configHome, const std::string& arguments, std::string& output) {
  const std::string command = "XDG_CONFIG_HOME='" + configHome.string() + "' " +
                              std::string(VEXPLOTW_PROGRAM) + " " + arguments + " 2>/dev/null";
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
  EXPECT_EQ(runProgram(environment_.configHome, "--export '" + (directory_ / "out").string() + "' '" + input.string() + "'",
                       output),
            0);
  EXPECT_EQ(output, "[com_end] Plot #0 ends.\n[vpmain] Input file " + input.string() + " ends.\n");
  EXPECT_EQ(runProgram(environment_.configHome, "--export '" + directory_.string() + "' '" + (directory_ / "none.vpx").string() + "'",
                       output),
            1);
  EXPECT_EQ(runProgram(environment_.configHome, "--export onlyone", output), 2);
  EXPECT_EQ(runProgram(environment_.configHome, "--help", output), 0);
  EXPECT_NE(output.find("--export DIR FILE"), std::string::npos);
}

TEST_F(HeadlessExportTest, LogHoldsTheBareMessagesAndThreeLinesAfterEachCommandWord) {
  const fs::path input = writeFile("small.vpx",
                                   "SET COLOR RED\n"
                                   "SET FONT BOGUS\n"
                                   "NEWFRAME\n"
                                   "1 2\n"
                                   "3 4\n"
                                   "5 6\n"
                                   "7 8\n");
  ASSERT_EQ(run(directory_ / "out", input), 0);
  EXPECT_EQ(readFile(directory_ / "bin" / "vexplot.log"),
            "SET COLOR RED\n"
            "SET FONT BOGUS\n"
            "[errmsgkw] keyword BOGUS is invalid\n"
            "NEWFRAME\n"
            "Plot #0 ends.\n"
            "1 2\n"
            "3 4\n"
            "5 6\n"
            "Plot #1 ends.\n"
            "Input file " + input.string() + " ends.\n");
  // A new interpretation replaces the log.
  writeFile("small.vpx", "");
  ASSERT_EQ(run(directory_ / "out", input), 0);
  EXPECT_EQ(readFile(directory_ / "bin" / "vexplot.log"),
            "Input file emptyInput file " + input.string() + " ends.\n");
}

TEST_F(HeadlessExportTest, LogGoesWhereTheSettingsPlaceIt) {
  fs::create_directories(directory_ / "data" / "logs");
  const fs::path input = writeFile("data/plot.vpx", "SET COLOR RED\n");
  const fs::path settings = directory_ / "config" / "vexplot" / "vexplot.ini";
  const auto runWith = [&](const std::string& lines) {
    fs::create_directories(settings.parent_path());
    std::ofstream(settings, std::ios::binary) << lines;
    out_.str("");
    EXPECT_EQ(run(directory_ / "out", input), 0);
    EXPECT_EQ(err_.str(), "");
  };
  const fs::path besideProgram = directory_ / "bin" / "vexplot.log";
  const fs::path besideInput = directory_ / "data" / "vexplot.log";
  const fs::path userDefined = directory_ / "data" / "logs" / "vexplot.log";

  runWith("log_file_loc=0\n");
  EXPECT_FALSE(fs::exists(besideProgram) || fs::exists(besideInput) || fs::exists(userDefined));
  runWith("log_file_loc=2\n");
  EXPECT_TRUE(fs::exists(besideInput));
  runWith("log_file_loc=3\nlog_file_dir=" + (directory_ / "data" / "logs").string() + "/\n");
  EXPECT_TRUE(fs::exists(userDefined));
  runWith("log_file_loc=1\n");
  EXPECT_TRUE(fs::exists(besideProgram));
  // The settings are only read.
  EXPECT_EQ(readFile(settings), "log_file_loc=1\n");

  // A program directory that cannot be written sends the log to the user's
  // configuration directory.
  environment_.programDirectoryWritable = false;
  runWith("log_file_loc=1\n");
  EXPECT_TRUE(fs::exists(directory_ / "config" / "vexplot" / "vexplot.log"));
}

TEST_F(HeadlessExportTest, LogThatCannotBeCreatedIsAWarning) {
  const fs::path settings = directory_ / "config" / "vexplot" / "vexplot.ini";
  fs::create_directories(settings.parent_path());
  const std::string missing = (directory_ / "missing").string() + "/";
  std::ofstream(settings, std::ios::binary) << "log_file_loc=3\nlog_file_dir=" << missing << "\n";
  const fs::path input = writeFile("one.vpx", "SET COLOR RED\n");
  ASSERT_EQ(run(directory_ / "out", input), 0);
  EXPECT_EQ(out_.str(),
            "[Warning] Unable to open logfile\n"
            " " + missing + "vexplot.log\n"
            "Ignore log.\n"
            "[com_end] Plot #0 ends.\n"
            "[vpmain] Input file " + input.string() + " ends.\n");
}

}  // namespace
}  // namespace vexplot
