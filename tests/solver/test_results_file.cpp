// The results file against the listing, the threshold's refinement on
// constructed tunes, and the convergence check at the order limit.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <filesystem>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>

#include "solver/convergence_check.hpp"
#include "solver/io/edit_descriptors.hpp"
#include "solver/quelmw.hpp"
#include "solver/threshold.hpp"
#include "tests/support/mode_coupling_cases.hpp"
#include "tests/support/scratch_directory.hpp"

namespace quelm {
namespace {

namespace fs = std::filesystem;
using Tunes = std::vector<std::complex<double>>;

std::string contents(const fs::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The printed entries "re:im" of the listing's eigenvalue table, per current.
std::map<int, std::multiset<std::string>> listedTunes(const std::string& listing, int currents) {
    std::map<int, std::multiset<std::string>> tunes;
    const std::size_t table = listing.find("EIGEN VALUES");
    const std::size_t end = listing.find("\n " + std::string(131, '*'), table);
    std::istringstream lines(listing.substr(table, end - table));
    std::string line;
    int first = 1 - 5;
    while (std::getline(lines, line)) {
        if (line.rfind(" Current (mA)", 0) == 0) first += 5;
        if (line.rfind(" " + std::string(21, ' '), 0) != 0 || line.size() < 22 + 4 * 22 + 19) continue;
        for (int c = 0; c < 5 && first + c <= currents; ++c) tunes[first + c].insert(line.substr(22 + 22 * c, 19));
    }
    return tunes;
}

TEST(ResultsFile, HoldsTheListingsValuesInFullPrecision) {
    test_support::ScratchDirectory scratch("quelmw-results", '-');
    for (const char* name : {"ring", "spread"}) {
        const fs::path input = scratch.path() / (std::string(name) + ".in");
        fs::copy_file(fs::path(QUELM_SOURCE_DIR) / "examples" / input.filename(), input);
        std::ostringstream console, errors;
        ASSERT_EQ(QUELMW(input.string(), console, errors), RunOutcome::Completed) << errors.str();
        const auto json = nlohmann::json::parse(contents(fs::path(input).replace_extension(".json")));
        EXPECT_EQ(json["schema"], "quelmw-results");
        EXPECT_EQ(json["schema_version"], 1);
        const int currents = json["input"]["CPARM"]["NCR"];
        ASSERT_EQ(json["scan"]["current_mA"].size(), static_cast<std::size_t>(currents));
        EXPECT_EQ(console.str(), " > QUELM IS NOW RUNNING. PLEASE WAIT...\n" +
                                     json["threshold"]["text"].get<std::string>() + "\n");

        const auto listed = listedTunes(contents(fs::path(input).replace_extension(".out")), currents);
        const auto& scan = json["scan"];
        for (int i = 1; i <= currents; ++i) {
            std::multiset<std::string> stored;
            for (std::size_t c = 0; c < scan["tune_shift_re"][i - 1].size(); ++c) {
                stored.insert(edit::G(static_cast<float>(scan["tune_shift_re"][i - 1][c].get<double>()), 9, 3) + ":" +
                              edit::G(static_cast<float>(scan["tune_shift_im"][i - 1][c].get<double>()), 9, 3));
            }
            EXPECT_EQ(stored, listed.at(i)) << name << " current " << i;
        }
        // The first unstable current of the threshold is the listing's.
        const int first = json["threshold"]["first_unstable_index"];
        const auto growing = [&](int i) {
            return std::any_of(listed.at(i).begin(), listed.at(i).end(),
                               [](const std::string& entry) { return std::stod(entry.substr(10)) > 1e-4; });
        };
        EXPECT_TRUE(growing(first + 1) && !growing(first)) << name;
    }
    // Every root off the real axis is a zero of the dispersion relation;
    // the Landau-damped modes show only minima of |DET| there.
    const auto spread = nlohmann::json::parse(contents(scratch.path() / "spread.json"))["spread"];
    int zeros = 0, minima = 0;
    for (std::size_t k = 0; k < spread["kind"].size(); ++k) {
        for (std::size_t i = 0; i < spread["kind"][k].size(); ++i) {
            for (std::size_t j = 0; j < spread["kind"][k][i].size(); ++j) {
                const std::string kind = spread["kind"][k][i][j];
                (kind == "zero" ? zeros : minima) += 1;
                if (std::fabs(spread["root_im"][k][i][j].get<double>()) > 1e-3) {
                    EXPECT_EQ(kind, "zero");
                }
            }
        }
    }
    EXPECT_GT(zeros, 0);
    EXPECT_GT(minima, 0);
}

// Tunes of constructed scans: columns, labels and currents 1..6 mA.
LabelledScan constructed(const std::vector<int>& azimuthal, const std::function<Tunes(double)>& tunes) {
    LabelledScan scan{azimuthal, std::vector<int>(azimuthal.size(), 0), {}};
    for (int I = 1; I <= 6; ++I) scan.tunes.push_back(tunes(I));
    return scan;
}

TEST(Threshold, RefinedToTheMergePointOrTheToleranceCrossing) {
    const std::vector<double> currents = {1, 2, 3, 4, 5, 6};
    // Modes -1 and 0 merge at 3.7 mA: -0.5 +- sqrt(0.1 (3.7 - I)).
    const auto merging = constructed({-1, 0, 1}, [](double I) {
        const std::complex<double> root = std::sqrt(std::complex<double>(0.1 * (3.7 - I), 0.0));
        return Tunes{-0.5 - root, -0.5 + root, 1.0 + 0.01 * I};
    });
    const Threshold merge = findThreshold(currents, merging, 1e-4);
    ASSERT_TRUE(merge.current);
    EXPECT_NEAR(*merge.current, 3.7, 1e-12);
    EXPECT_EQ(merge.firstUnstable, 3);
    EXPECT_EQ(merge.text, "threshold 3.70 mA: modes m=0 and m=-1 merge");

    // A head-tail mode whose growth rate 0.001 (I - 2) passes 1e-4 at 2.1 mA.
    const auto growing = constructed({1}, [](double I) { return Tunes{{1.0, 0.001 * (I - 2.0)}}; });
    const Threshold crossing = findThreshold(currents, growing, 1e-4);
    ASSERT_TRUE(crossing.current);
    EXPECT_NEAR(*crossing.current, 2.1, 1e-12);
    EXPECT_EQ(crossing.text, "threshold 2.10 mA: mode m=1 grows");

    const auto stable = constructed({1}, [](double I) { return Tunes{{1.0, -0.001 * I}}; });
    EXPECT_EQ(findThreshold(currents, stable, 1e-4).text, "no instability up to 6.00 mA");
}

// With a tolerance no two steps meet, the check enlarges the mode set to
// the order limit and says it did not converge.
TEST(ConvergenceCheck, ReportsNonConvergenceAtTheOrderLimit) {
    RunParameters p = testing::ringCase(-3, 2, 3);
    p.CRNT = 3.0;
    p.NCR = 2;
    ConvergenceSettings settings;
    settings.tolerance = 1e-14;
    settings.threads = 2;
    const auto threshold = scanThreshold(p, settings);
    ASSERT_TRUE(threshold);
    const ConvergenceCheck check = checkConvergence(p, {1e-4, threshold, 0, {}, ""}, settings);
    EXPECT_FALSE(check.converged);
    ASSERT_EQ(check.steps.size(), 9u);
    EXPECT_EQ(check.steps.back().order, 440);
    for (const ConvergenceStep& step : check.steps) EXPECT_NEAR(step.threshold.value_or(0.0), 3.59, 0.05);
    std::ostringstream table;
    writeConvergenceTable(table, check);
    EXPECT_NE(table.str().find("NOT converged"), std::string::npos);
}

}  // namespace
}  // namespace quelm
