// The listing and plot file of every bundled example, and of the inputs
// under tests/solver/data/inputs, compared byte for byte with the outputs
// stored under tests/solver/data/reference (date, time and CPU seconds
// masked).  A change that alters a result on purpose updates the stored
// files in the same commit: run this test with QUELM_UPDATE_REFERENCES=1
// and say why in the commit message.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "solver/quelmw.hpp"
#include "tests/support/scratch_directory.hpp"
#include "tests/support/text_difference.hpp"

namespace quelm {
namespace {

namespace fs = std::filesystem;
using test_support::firstDifference;

const fs::path SOURCE_DIR = QUELM_SOURCE_DIR;
const fs::path REFERENCE_DIR = SOURCE_DIR / "tests/solver/data/reference";

std::string contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The parts of an output that change from run to run: the CPU seconds
// after "CPU TIME USED:" (up to the "(" of the unit), dates dd/mm/yy and
// times hh:mm:ss (day and month may start with a blank).
std::string masked(std::string text) {
    const std::string cpu = "CPU TIME USED:";
    for (std::size_t at = text.find(cpu); at != std::string::npos; at = text.find(cpu, at + 1)) {
        const std::size_t unit = text.find('(', at);
        if (unit != std::string::npos) text.replace(at + cpu.size(), unit - at - cpu.size(), " ####### ");
    }
    const auto digit = [&](std::size_t i, bool blankToo) {
        return std::isdigit(static_cast<unsigned char>(text[i])) || (blankToo && text[i] == ' ');
    };
    for (std::size_t i = 0; i + 8 <= text.size(); ++i) {
        const bool date = text[i + 2] == '/' && text[i + 5] == '/' && digit(i, true) && digit(i + 1, false) &&
                          digit(i + 3, true) && digit(i + 4, false) && digit(i + 6, false) && digit(i + 7, false);
        const bool time = text[i + 2] == ':' && text[i + 5] == ':' && digit(i, false) && digit(i + 1, false) &&
                          digit(i + 3, false) && digit(i + 4, false) && digit(i + 6, false) && digit(i + 7, false);
        if (date) text.replace(i, 8, "dd/mm/yy");
        if (time) text.replace(i, 8, "hh:mm:ss");
    }
    return text;
}

// Runs `input` in a scratch directory and compares its outputs with the
// stored ones named `reference` (without extension).
void expectStoredOutputs(const fs::path& input, const fs::path& reference, const RunOptions& options) {
    SCOPED_TRACE(input.string());
    test_support::ScratchDirectory scratch("quelmw-stored", '-');
    const fs::path copy = scratch.path() / input.filename();
    fs::copy_file(input, copy);
    // Impedance tables the inputs name go along.
    for (const auto& entry : fs::directory_iterator(input.parent_path())) {
        if (entry.path().extension() == ".txt") fs::copy_file(entry.path(), scratch.path() / entry.path().filename());
    }
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
