// Whole runs of the solver on files in a scratch directory, through the
// driver and through the executable.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <utility>
#include <sstream>
#include <vector>

#include "tests/support/scratch_directory.hpp"
#include "tests/support/text_difference.hpp"
#include "solver/quelmw.hpp"

namespace quelm {
namespace {

namespace fs = std::filesystem;
using test_support::firstDifference;

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

    // The examples, with the tables they read, copied into the scratch
    // directory: the paths of their inputs.
    std::vector<fs::path> copiedExamples() const {
        std::vector<fs::path> inputs;
        for (const auto& entry : fs::directory_iterator(fs::path(QUELM_SOURCE_DIR) / "examples")) {
            if (!entry.is_regular_file()) continue;
            const fs::path copy = dir_ / entry.path().filename();
            fs::copy_file(entry.path(), copy, fs::copy_options::overwrite_existing);
            if (copy.extension() == ".in") inputs.push_back(copy);
        }
        return inputs;
    }

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
    EXPECT_EQ(console_.str(), " > QUELM IS NOW RUNNING. PLEASE WAIT...\nno instability up to 5.00 mA\n");
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

// An input error leaves the outputs of the last good run as they were, and
// no temporary file behind.
TEST_F(SolverRun, MalformedInputIsReportedAndKeepsEarlierOutputs) {
    const std::string input = write("bad.in", GOOD_INPUT);
    ASSERT_EQ(run(input), RunOutcome::Completed);
    const std::string listing = contents((dir_ / "bad.out").string());
    const std::string plot = contents((dir_ / "bad.vpt").string());
    write("bad.in", "TITLE\n&MPARM NUS=0.005 FOO=1 /\n");
    errors_.str("");
    EXPECT_EQ(run(input), RunOutcome::InputError);
    EXPECT_EQ(exitStatus(RunOutcome::InputError), 1);
    EXPECT_EQ(errors_.str(), "quelmw: syntax error in NAMELIST input, unit 5, file " + input +
                                 ": line 2: unknown item FOO in group MPARM\n");
    EXPECT_EQ(contents((dir_ / "bad.out").string()), listing);
    EXPECT_EQ(contents((dir_ / "bad.vpt").string()), plot);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 4);
}

// Every meaningless value stops the run before any computation with a box
// naming the item, its value and the reason, and the same line on
// standard error; so do quantities of the scan that come out meaningless.
TEST_F(SolverRun, MeaninglessValuesStopTheRunWithABox) {
    const std::pair<std::string, std::string> cases[] = {
        {"ENGY=1", "ENGY:  0.000E+00 IS NOT POSITIVE (BEAM ENERGY)"},
        {"QV=1", "QV:  0.000E+00 DOES NOT EXCEED 0.5 (RESONATOR QUALITY FACTOR)"},
        {"FREQ=5000", "FREQ:  0.000E+00 IS NOT POSITIVE (RESONATOR FREQUENCY)"},
        {"REVFRQ=3", "REVFRQ:  0.000E+00 IS NOT POSITIVE (REVOLUTION FREQUENCY)"},
        {"BETAC=5", "BETAC: -2.000E+00 IS NOT POSITIVE (BETA FUNCTION)"},
        {"CRNT=1 STPC=1", "STPC: -1.000E+00 MAKES A SCAN CURRENT NEGATIVE"},
        {"KRAD=1", "KRAD:   -1 IS NEGATIVE (HIGHEST RADIAL MODE)"},
        {"SGMZ=1", "CTOSGM(3):  2.000E+00 DOES NOT EXCEED THE CURRENT BEFORE"},
        {"NUS=0.005", "CTONUS(2):  4.000E+00 IS BELOW THE SCAN'S HIGHEST CURRENT"},
        {"SGMZ=1", "BUNCH LENGTH AT CURRENT    1.0000 mA IS  0.000E+00 cm"},
    };
    const std::string replacements[] = {
        "ENGY=0",  "QV=0",      "FREQ=0", "REVFRQ=0", "BETAC=-2", "CRNT=1 STPC=-1", "KRAD=-1",
        "SGMZ=0 CTOSGM=0,3,2 SGMTOC=1,1,1", "NUS=0 CTONUS=0,4 NUSTOC=0.005,0.005",
        "SGMZ=0 CTOSGM=2,6 SGMTOC=1,5",
    };
    for (std::size_t c = 0; c < std::size(cases); ++c) {
        std::string text = GOOD_INPUT;
        text.replace(text.find(cases[c].first), cases[c].first.size(), replacements[c]);
        errors_.str("");
        SCOPED_TRACE(replacements[c]);
        EXPECT_EQ(run(write("stop.in", text)), RunOutcome::StoppedByCheck);
        EXPECT_EQ(errors_.str(), "quelmw: STOP: " + cases[c].second + "\n");
        const std::string listing = contents((dir_ / "stop.out").string());
        EXPECT_NE(listing.find("\n " + cases[c].second + "\n\n *****"), std::string::npos);
    }
}

// A current whose eigenvalues are not found (the single-precision solver
// on an absurd impedance): a WARNING line in the listing and on standard
// error, NaN in the table, no data line in the plot file, status 4.
TEST_F(SolverRun, FailedEigenvaluesAreReportedAndLeftOutOfThePlot) {
    std::string text = GOOD_INPUT;
    text.replace(text.find("RS=0.5"), 6, "RS=1E30");
    text.replace(text.find("ALPHA=0.01 /"), 12, "ALPHA=0.01 /\n");
    RunOptions options;
    options.precision = EigenPrecision::Single;
    EXPECT_EQ(QUELMW(write("absurd.in", text), console_, errors_, options), RunOutcome::CompletedWithFailures);
    EXPECT_EQ(exitStatus(RunOutcome::CompletedWithFailures), 4);
    const std::string warning = "EIGENVALUES NOT FOUND AT CURRENT    1.0000 mA BY EISCG2 (SINGLE-PRECISION LR)";
    EXPECT_EQ(errors_.str().rfind("quelmw: WARNING: " + warning + "\n", 0), 0u);
    const std::string listing = contents((dir_ / "absurd.out").string());
    EXPECT_NE(listing.find("\n **WARNING** " + warning + "\n"), std::string::npos);
    EXPECT_NE(listing.find("NaN"), std::string::npos);
    const std::string plot = contents((dir_ / "absurd.vpt").string());
    EXPECT_EQ(plot.find("NaN"), std::string::npos);
    EXPECT_EQ(plot.find("\n    1.0000  "), std::string::npos);
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
    for (const fs::path& input : copiedExamples()) {
        SCOPED_TRACE(input.string());
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

TEST_F(SolverRun, ImpedanceBudgetIsEchoedAndTitledAndItsTableChecked) {
    std::string input = GOOD_INPUT;
    input.replace(input.find("KRAD=1"), 6, "KRAD=1 LPLE=T");
    input += "&ZPARM RWLEN=100 RWRAD=10 RWSIG=5.9E7 ZTFILE='z.txt' ZTBETA=4 /\n";
    write("z.txt", "# short\n0, 0, -0.2\n8000, 0.1, 0\n");
    ASSERT_EQ(run(write("budget.in", input)), RunOutcome::Completed);
    const std::string listing = contents((dir_ / "budget.out").string());
    EXPECT_NE(listing.find("\n $ZPARM:\n NUMBER OF EXTRA RESONATORS     :  NRES     =     0\n"
                           " RESISTIVE WALL LENGTH          :  RWLEN    =   100.00    (m)\n"),
              std::string::npos);
    EXPECT_NE(listing.find(" BETA-FUNCTION AT WALL          :  RWBETA   =   5.0000    (m)\n"
                           " IMPEDANCE TABLE FILE           :  ZTFILE   = z.txt\n"
                           " BETA-FUNCTION AT TABLE         :  ZTBETA   =   4.0000    (m)\n"),
              std::string::npos);
    // The table ends within the bunch spectrum: said once, in the listing and on standard error.
    EXPECT_NE(listing.find("\n **WARNING** IMPEDANCE TABLE z.txt ENDS AT   8000.0    (MHz):\n"), std::string::npos);
    EXPECT_EQ(listing.find("**WARNING**"), listing.rfind("**WARNING**"));
    const std::string errors = errors_.str();
    EXPECT_EQ(errors.rfind("quelmw: warning: the impedance table z.txt ends at 8000.0 MHz; a part", 0), 0u);
    EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1);
    const std::string plot = contents((dir_ / "budget.vpt").string());
    EXPECT_NE(plot.find(" (s)'\n  MORE '     Z: 1 RES + WALL 100. m + TABLE'\n  TITLE 10. 7.9 "), std::string::npos);

    write("z.txt", "0 0 -0.2\n8000 0.1 0\n4000 0 0\n");
    EXPECT_EQ(run(write("budget.in", input)), RunOutcome::StoppedByCheck);
    EXPECT_NE(contents((dir_ / "budget.out").string()).find("\n z.txt LINE 3: FREQUENCY NOT ABOVE THE LINE BEFORE\n"),
              std::string::npos);
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

TEST_F(SolverRun, ResultsDoNotDependOnTheNumberOfThreads) {
    for (const fs::path& input : copiedExamples()) {
        SCOPED_TRACE(input.string());
        std::string outputs[2];
        for (int threads : {1, 3}) {
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

// Runs the solver with `arguments` in a shell, after the shell commands
// `setup`, with `consoleInput` typed at its prompt when given.
ProcessResult runExecutable(const std::string& arguments, const std::string& consoleInput = "",
                            const std::string& setup = "") {
    const std::string input = consoleInput.empty() ? "" : "printf '%s\\n' '" + consoleInput + "' | ";
    const std::string command = "(" + setup + input + QUELMW_EXECUTABLE + " " + arguments + ") 2>&1";
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

// A full disk (a file-size limit here) ends the run with status 1 and
// leaves the earlier outputs whole and no temporary file behind.
TEST_F(SolverRun, FullDiskKeepsEarlierOutputs) {
    const std::string input = write("full.in", GOOD_INPUT);
    ASSERT_EQ(run(input), RunOutcome::Completed);
    const std::string listing = contents((dir_ / "full.out").string());
    const ProcessResult limited = runExecutable("'" + input + "'", "", "ulimit -f 4; trap '' XFSZ; ");
    EXPECT_EQ(limited.status, 1);
    EXPECT_NE(limited.output.find("quelmw: error writing "), std::string::npos) << limited.output;
    EXPECT_EQ(contents((dir_ / "full.out").string()), listing);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 4);
}

}  // namespace
}  // namespace quelm
