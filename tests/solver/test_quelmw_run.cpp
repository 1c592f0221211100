// Whole runs of the solver on files in a scratch directory, through the
// driver and through the executable.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "tests/support/scratch_directory.hpp"
#include "solver/quelmw.hpp"

namespace quelm {
namespace {

namespace fs = std::filesystem;

class SolverRun : public ::testing::Test {
protected:
    std::string write(const std::string& name, const std::string& text) const {
        const fs::path path = dir_ / name;
        std::ofstream(path) << text;
        return path.string();
    }

    static std::string contents(const std::string& path) {
        std::ifstream in(path);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    RunOutcome run(const std::string& path) { return QUELMW(path, console_, errors_); }

    test_support::ScratchDirectory scratch_{"quelmw-test", '-'};
    fs::path dir_ = scratch_.path();
    std::ostringstream console_, errors_;
};

const char* const GOOD_INPUT =
    "SMALL RING\n"
    "&MPARM NUS=0.005 ENGY=1 SGMZ=1 BETAC=5 REVFRQ=3 ALPHA=0.01 /\n"
    "&CPARM CRNT=1 STPC=1 NCR=5 NMODF=-1 NMODE=1 KRAD=1 /\n"
    "&IPARM FREQ=5000 RS=0.5 QV=1 /\n"
    "&HPARM /\n"
    "&SPARM /\n";

TEST_F(SolverRun, WritesListingAndPlotFileBesideTheInput) {
    const std::string input = write("ring.in", GOOD_INPUT);
    EXPECT_EQ(run(input), RunOutcome::Completed);
    EXPECT_EQ(console_.str(), " > QUELM IS NOW RUNNING. PLEASE WAIT...\n");
    EXPECT_EQ(errors_.str(), "");
    const std::string listing = contents((dir_ / "ring.out").string());
    EXPECT_EQ(listing.rfind("\n " + std::string(76, '*') + "\n", 0), 0u);
    EXPECT_NE(listing.find(" * SMALL RING "), std::string::npos);
    EXPECT_TRUE(fs::exists(dir_ / "ring.vpt"));
}

TEST_F(SolverRun, LimitCheckEndsTheRunAfterItsBox) {
    std::string input = GOOD_INPUT;
    input.replace(input.find("NCR=5"), 5, "NCR=1200");
    EXPECT_EQ(run(write("big.in", input)), RunOutcome::StoppedByCheck);
    EXPECT_EQ(exitStatus(RunOutcome::StoppedByCheck), 3);
    const std::string listing = contents((dir_ / "big.out").string());
    EXPECT_NE(listing.find("\n NCR: 1200 EXCEEDS MAXIMUM NCM: 1005\n"), std::string::npos);
}

TEST_F(SolverRun, MalformedInputIsReportedAndKeepsTheListingSoFar) {
    const std::string input = write("bad.in", "TITLE\n&MPARM NUS=0.005 FOO=1 /\n");
    EXPECT_EQ(run(input), RunOutcome::InputError);
    EXPECT_EQ(exitStatus(RunOutcome::InputError), 1);
    EXPECT_EQ(errors_.str(), "quelmw: syntax error in NAMELIST input, unit 5, file " + input +
                                 ": line 2: unknown item FOO in group MPARM\n");
    EXPECT_TRUE(fs::exists(dir_ / "bad.out"));
}

TEST_F(SolverRun, MissingInputIsAnError) {
    EXPECT_EQ(run((dir_ / "none.in").string()), RunOutcome::InputError);
    EXPECT_NE(errors_.str().find("cannot open input file"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir_ / "none.out"));
    EXPECT_EQ(run(dir_.string()), RunOutcome::InputError);
}

TEST_F(SolverRun, NeverOverwritesItsOwnInput) {
    const std::string input = write("case.out", GOOD_INPUT);
    EXPECT_EQ(run(input), RunOutcome::OutputError);
    EXPECT_EQ(contents(input), GOOD_INPUT);
    EXPECT_NE(errors_.str().find("would overwrite the input file"), std::string::npos);
}

TEST_F(SolverRun, EveryExampleRunsToItsPlots) {
    for (const auto& entry : fs::directory_iterator(fs::path(QUELM_SOURCE_DIR) / "examples")) {
        if (entry.path().extension() != ".in") continue;
        SCOPED_TRACE(entry.path().string());
        const fs::path input = dir_ / entry.path().filename();
        fs::copy_file(entry.path(), input);
        console_.str("");
        errors_.str("");
        EXPECT_EQ(run(input.string()), RunOutcome::Completed);
        EXPECT_EQ(errors_.str(), "");
        fs::path listing = input, plot = input;
        const std::string text = contents(listing.replace_extension(".out").string());
        EXPECT_NE(text.find("TOTAL CPU TIME USED:"), std::string::npos);
        EXPECT_EQ(text.find("WARNING"), std::string::npos);
        EXPECT_NE(contents(plot.replace_extension(".vpt").string()).find(" NEW FRAME"), std::string::npos);
    }
}

// A file's text without its CPU-time lines, which differ from run to run.
std::string withoutCpuTimes(const std::string& text) {
    std::istringstream lines(text);
    std::string line, kept;
    while (std::getline(lines, line)) {
        if (line.find("CPU TIME USED") == std::string::npos) kept += line + '\n';
    }
    return kept;
}

// The first line where two texts differ, or "" when they are equal.
std::string firstDifference(const std::string& a, const std::string& b) {
    std::istringstream left(a), right(b);
    std::string l, r;
    for (int line = 1;; ++line) {
        const bool moreLeft = static_cast<bool>(std::getline(left, l));
        const bool moreRight = static_cast<bool>(std::getline(right, r));
        if (!moreLeft && !moreRight) return "";
        if (moreLeft != moreRight || l != r) return "line " + std::to_string(line) + ":\n" + l + "\n" + r;
    }
}

TEST_F(SolverRun, ResultsDoNotDependOnTheNumberOfThreads) {
    for (const auto& entry : fs::directory_iterator(fs::path(QUELM_SOURCE_DIR) / "examples")) {
        if (entry.path().extension() != ".in") continue;
        SCOPED_TRACE(entry.path().string());
        std::string outputs[2];
        for (int threads : {1, 3}) {
            const fs::path input = dir_ / entry.path().filename();
            fs::copy_file(entry.path(), input, fs::copy_options::overwrite_existing);
            RunOptions options;
            options.threads = threads;
            options.stampMoment = 1780000000;
            ASSERT_EQ(QUELMW(input.string(), console_, errors_, options), RunOutcome::Completed);
            fs::path listing = input, plot = input;
            outputs[threads == 1 ? 0 : 1] = withoutCpuTimes(contents(listing.replace_extension(".out").string())) +
                                           withoutCpuTimes(contents(plot.replace_extension(".vpt").string()));
        }
        EXPECT_EQ(firstDifference(outputs[0], outputs[1]), "");
        EXPECT_GT(outputs[0].size(), 10000u);
    }
}

TEST_F(SolverRun, ProgressIsReportedForEveryStage) {
    std::string input = GOOD_INPUT;
    input.replace(input.find("&SPARM /"), 8, "&SPARM NSTPS=1 /");
    input.replace(input.find("ALPHA=0.01"), 10, "ALPHA=0.01 SPRD=0.0002");
    RunOptions options;
    options.threads = 2;
    int eigenvalues = 0, roots = 0, last = 0;
    std::string lastStage;
    options.progress = [&](const char* stage, int done, int total) {
        EXPECT_EQ(total, 5);
        if (stage != lastStage) last = 0;
        EXPECT_GE(done, last);  // within a stage the count only grows
        last = done;
        lastStage = stage;
        if (std::string(stage) == "eigenvalues") ++eigenvalues;
        if (std::string(stage) == "roots") ++roots;
    };
    EXPECT_EQ(QUELMW(write("spread.in", input), console_, errors_, options), RunOutcome::Completed);
    EXPECT_GE(eigenvalues, 1);
    EXPECT_EQ(roots, 5);
}

TEST_F(SolverRun, WithoutIprintOnlyThePlotsAreListed) {
    std::string input = GOOD_INPUT;
    input.replace(input.find("KRAD=1"), 6, "KRAD=1 IPRINT=F");
    EXPECT_EQ(run(write("plots.in", input)), RunOutcome::Completed);
    const std::string listing = contents((dir_ / "plots.out").string());
    EXPECT_EQ(listing.find("EIGEN VALUES"), std::string::npos);
    EXPECT_NE(listing.find("(*) = Imaginary part of (Nu-Nux)/Nus"), std::string::npos);
}

TEST_F(SolverRun, PlotFileStaysEmptyWithoutLple) {
    std::string input = GOOD_INPUT;
    EXPECT_EQ(run(write("quiet.in", input)), RunOutcome::Completed);
    EXPECT_EQ(contents((dir_ / "quiet.vpt").string()), "");
    EXPECT_NE(contents((dir_ / "quiet.out").string()).find("(*) = Real part of (Nu-Nux)/Nus"), std::string::npos);
}

TEST_F(SolverRun, DownwardScanIsPlottedInIncreasingCurrent) {
    std::string input = GOOD_INPUT;
    input.replace(input.find("CRNT=1 STPC=1"), 13, "CRNT=5 STPC=-1 LPLE=T");
    EXPECT_EQ(run(write("down.in", input)), RunOutcome::Completed);
    std::istringstream plot(contents((dir_ / "down.vpt").string()));
    std::string line;
    std::vector<double> currents;
    while (std::getline(plot, line) && line.find("JOIN") == std::string::npos) {
        std::istringstream fields(line);
        double current = 0.0, value = 0.0;
        if (line.find("SET") == std::string::npos && line.find("TITLE") == std::string::npos &&
            line.find("MORE") == std::string::npos && line.find("CASE") == std::string::npos &&
            line.find("FRAME") == std::string::npos && (fields >> current >> value)) {
            currents.push_back(current);
        }
    }
    EXPECT_EQ(currents, (std::vector<double>{1, 2, 3, 4, 5}));
}

TEST_F(SolverRun, EmptyScanListsOnlyTheTableFrame) {
    std::string input = GOOD_INPUT;
    input.replace(input.find("NCR=5"), 5, "NCR=0");
    EXPECT_EQ(run(write("none.in", input)), RunOutcome::Completed);
    const std::string listing = contents((dir_ / "none.out").string());
    const std::size_t table = listing.find("EIGEN VALUES (Nu-Nux)/Nus");
    ASSERT_NE(table, std::string::npos);
    EXPECT_EQ(listing.find("Current (mA)       /", table), std::string::npos);
}

TEST_F(SolverRun, StopBoxIsTheLastThingInTheListing) {
    std::string input = GOOD_INPUT;
    input.replace(input.find("NMODE=1"), 7, "NMODE=-3");
    EXPECT_EQ(run(write("empty.in", input)), RunOutcome::StoppedByCheck);
    const std::string listing = contents((dir_ / "empty.out").string());
    const std::string box = " NMODE:   -3 IS BELOW NMODF:   -1\n\n **************************************************\n";
    ASSERT_GE(listing.size(), box.size());
    EXPECT_EQ(listing.substr(listing.size() - box.size()), box);
}

// The executable: help, usage errors and the console prompt.
struct ProcessResult {
    int status;
    std::string output;
};

ProcessResult runExecutable(const std::string& arguments, const std::string& consoleInput = "") {
    const std::string input = consoleInput.empty() ? "" : "printf '%s\\n' '" + consoleInput + "' | ";
    const std::string command = input + QUELMW_EXECUTABLE + " " + arguments + " 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    std::string output;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe)) output += buffer;
    const int status = ::pclose(pipe);
    return {WEXITSTATUS(status), output};
}

TEST_F(SolverRun, CommandLine) {
    const ProcessResult help = runExecutable("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.output.rfind("usage: quelmw [", 0), 0u);
    EXPECT_EQ(runExecutable("a.in b.in").status, 2);
    const ProcessResult bogus = runExecutable("--bogus");
    EXPECT_EQ(bogus.status, 2);
    EXPECT_EQ(bogus.output.rfind("quelmw: unknown option --bogus\n", 0), 0u);

    // Without a name the console asks for one; end of input is an error, not a hang.
    const ProcessResult noName = runExecutable("< /dev/null");
    EXPECT_EQ(noName.status, 1);
    EXPECT_EQ(noName.output.rfind("File name missing or blank - please enter file name\nUNIT 5? ", 0), 0u);

    const std::string input = write("prompted.in", GOOD_INPUT);
    const ProcessResult prompted = runExecutable("' '", input);
    EXPECT_EQ(prompted.status, 0) << prompted.output;
    EXPECT_TRUE(fs::exists(dir_ / "prompted.out"));
}

}  // namespace
}  // namespace quelm
