// The listing and plot file of every bundled example, and of the inputs
// under tests/solver/data/inputs, compared byte for byte with the outputs
// stored under tests/solver/data/reference (date, time and CPU seconds
// masked).  A change that alters a result on purpose updates the stored
// files in the same commit: run this test with QUELM_UPDATE_REFERENCES=1
// and say why in the commit message.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "solver/quelmw.hpp"
#include "tests/support/scratch_directory.hpp"

namespace quelm {
namespace {

namespace fs = std::filesystem;

const fs::path SOURCE_DIR = QUELM_SOURCE_DIR;
const fs::path REFERENCE_DIR = SOURCE_DIR / "tests/solver/data/reference";

std::string contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The parts of an output that change from run to run.
std::string masked(const std::string& text) {
    static const std::regex cpu(R"(CPU TIME USED: *[-0-9.E+]+ *\()");
    static const std::regex date(R"([ 0-9]\d/[ 0-9]\d/\d\d)");
    static const std::regex time(R"(\d\d:\d\d:\d\d)");
    std::string out = std::regex_replace(text, cpu, "CPU TIME USED: ####### (");
    out = std::regex_replace(out, date, "dd/mm/yy");
    return std::regex_replace(out, time, "hh:mm:ss");
}

// The first differing line of two texts, or "" when they are equal.
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

// Runs `input` in a scratch directory and compares its outputs with the
// stored ones named `reference` (without extension).
void expectStoredOutputs(const fs::path& input, const fs::path& reference, const RunOptions& options) {
    SCOPED_TRACE(input.string());
    test_support::ScratchDirectory scratch("quelmw-stored", '-');
    const fs::path copy = scratch.path() / input.filename();
    fs::copy_file(input, copy);
    std::ostringstream console, errors;
    QUELMW(copy.string(), console, errors, options);
    EXPECT_EQ(errors.str(), "");
    const bool update = std::getenv("QUELM_UPDATE_REFERENCES") != nullptr;
    for (const char* extension : {".out", ".vpt"}) {
        fs::path output = copy, stored = reference;
        output.replace_extension(extension);
        stored += extension;
        const std::string produced = masked(contents(output));
        if (update) std::ofstream(stored, std::ios::binary) << produced;
        EXPECT_EQ(firstDifference(produced, contents(stored)), "") << stored;
    }
}

std::vector<fs::path> inputsIn(const fs::path& dir) {
    std::vector<fs::path> inputs;
    for (const auto& entry : fs::directory_iterator(dir)) {
        if (entry.path().extension() == ".in") inputs.push_back(entry.path());
    }
    return inputs;
}

TEST(StoredOutputs, EveryExampleAndTestInput) {
    RunOptions options;
    options.threads = 2;
    options.stampMoment = 0;
    std::vector<fs::path> inputs = inputsIn(SOURCE_DIR / "examples");
    for (const fs::path& input : inputsIn(SOURCE_DIR / "tests/solver/data/inputs")) inputs.push_back(input);
    ASSERT_GE(inputs.size(), 5u);
    for (const fs::path& input : inputs) expectStoredOutputs(input, REFERENCE_DIR / input.stem(), options);
}

// The historical single-precision eigenvalue solver reproduces the outputs
// of the runs made before the default became double precision.
TEST(StoredOutputs, SinglePrecisionReproducesEarlierRuns) {
    RunOptions options;
    options.stampMoment = 0;
    options.precision = EigenPrecision::Single;
    expectStoredOutputs(SOURCE_DIR / "examples/ring.in", REFERENCE_DIR / "single-precision/ring", options);
}

}  // namespace
}  // namespace quelm
