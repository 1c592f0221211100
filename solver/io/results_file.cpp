#include "solver/io/results_file.hpp"

#include <cmath>
#include <nlohmann/json.hpp>
#include <span>
#include <variant>

#include "solver/constants.hpp"
#include "solver/physics/bunch_parameters.hpp"
#include "solver/root_search.hpp"
#include "solver/run_input.hpp"

namespace quelm {
namespace {

using Json = nlohmann::ordered_json;

// A number, or null where it is not one.
Json number(double x) { return std::isfinite(x) ? Json(x) : Json(nullptr); }

std::string trimmed(std::string text) {
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

// A table up to its last non-zero entry.
Json table(std::span<const double> values) {
    std::size_t n = values.size();
    while (n > 0 && values[n - 1] == 0.0)
        --n;
    Json entries = Json::array();
    for (std::size_t i = 0; i < n; ++i)
        entries.push_back(number(values[i]));
    return entries;
}

Json inputItems(const RunParameters& p) {
    RunParameters bound = p;  // the groups bind their items to a record they may write
    Json groups = Json::object();
    for (const NamelistGroup& group : runInputGroups(bound)) {
        Json items = Json::object();
        for (const NamelistItem& item : group.items) {
            std::visit(
                [&](const auto& target) {
                    using Target = std::decay_t<decltype(target)>;
                    if constexpr (std::is_same_v<Target, std::span<double>>) {
                        items[item.name] = table(target);
                    } else if constexpr (std::is_same_v<Target, double*>) {
                        items[item.name] = number(*target);
                    } else {
                        items[item.name] = *target;
                    }
                },
                item.target);
        }
        groups[group.name] = std::move(items);
    }
    return groups;
}

Json modeBasis(const RunParameters& p) {
    Json azimuthal = Json::array(), radial = Json::array(), transverse = Json::array();
    for (int n = 0; n <= p.NDISPEFF; ++n) {
        for (int m = p.NMODF; m <= p.NMODE; ++m) {
            for (int k = 0; k <= p.KRAD; ++k) {
                azimuthal.push_back(m);
                radial.push_back(k);
                transverse.push_back(n);
            }
        }
    }
    return {{"azimuthal", azimuthal}, {"radial", radial}, {"transverse_radial", transverse}};
}

const char* methodOf(EigenvalueOutcome outcome, EigenPrecision precision) {
    if (outcome != EigenvalueOutcome::Found) return "failed";
    return precision == EigenPrecision::Single ? "EISCG2" : "zgeev";
}

Json scan(const RunParameters& p, const RunResults& run) {
    Json current = Json::array(), length = Json::array(), tune = Json::array(), solved = Json::array(),
         method = Json::array(), re = Json::array(), im = Json::array(), azimuthal = Json::array(),
         radial = Json::array();
    if (run.results != nullptr && run.labels != nullptr) {
        const LabelledScan& labels = *run.labels;
        const std::vector<double> currents = scanCurrents(p);
        for (int i = 1; i <= run.results->currents(); ++i) {
            const double I = currents[static_cast<std::size_t>(i - 1)];
            current.push_back(I);
            length.push_back(number(FSGM(I, p) * p.RRING));
            tune.push_back(number(FNUS(I, p)));
            solved.push_back(run.results->solved(i));
            method.push_back(methodOf(run.results->solveOf(i), run.precision));
            Json rowRe = Json::array(), rowIm = Json::array(), rowM = Json::array(), rowK = Json::array();
            const auto& row = labels.tunes[static_cast<std::size_t>(i - 1)];
            for (std::size_t c = 0; c < row.size(); ++c) {
                rowRe.push_back(number(row[c].real()));
                rowIm.push_back(number(row[c].imag()));
                const bool labelled = run.results->solved(i) && c < labels.azimuthal.size();
                rowM.push_back(labelled ? Json(labels.azimuthal[c]) : Json(nullptr));
                rowK.push_back(labelled ? Json(labels.radial[c]) : Json(nullptr));
            }
            re.push_back(rowRe);
            im.push_back(rowIm);
            azimuthal.push_back(rowM);
            radial.push_back(rowK);
        }
    }
    return {{"current_mA", current}, {"bunch_length_cm", length}, {"synchrotron_tune", tune},
            {"solved", solved},      {"solver_method", method},   {"tune_shift_re", re},
            {"tune_shift_im", im},   {"azimuthal", azimuthal},    {"radial", radial}};
}

const char* rootKind(double det, double nearby) {
    if (std::isnan(det)) return "failed";
    return det < ROOT_ZERO_RATIO * nearby ? "zero" : "minimum";
}

Json spread(const RunParameters& p, const ResultStores& results) {
    Json spreads = Json::array(), re = Json::array(), im = Json::array(), det = Json::array(), nearby = Json::array(),
         kind = Json::array();
    for (int k = 1; k <= results.spreadSteps(); ++k) {
        spreads.push_back(spreadOfStep(p, k));
        Json stepRe = Json::array(), stepIm = Json::array(), stepDet = Json::array(), stepNearby = Json::array(),
             stepKind = Json::array();
        for (int i = 1; i <= results.currents(); ++i) {
            Json rowRe = Json::array(), rowIm = Json::array(), rowDet = Json::array(), rowNearby = Json::array(),
                 rowKind = Json::array();
            for (int j = 1; j <= p.NMT; ++j) {
                rowRe.push_back(number(results.ROOTRE(j, i, k)));
                rowIm.push_back(number(-results.ROOTIM(j, i, k)));
                rowDet.push_back(number(results.rootDet(j, i, k)));
                rowNearby.push_back(number(results.rootDetNearby(j, i, k)));
                rowKind.push_back(rootKind(results.rootDet(j, i, k), results.rootDetNearby(j, i, k)));
            }
            stepRe.push_back(rowRe);
            stepIm.push_back(rowIm);
            stepDet.push_back(rowDet);
            stepNearby.push_back(rowNearby);
            stepKind.push_back(rowKind);
        }
        re.push_back(stepRe);
        im.push_back(stepIm);
        det.push_back(stepDet);
        nearby.push_back(stepNearby);
        kind.push_back(stepKind);
    }
    return {{"spread", spreads}, {"root_re", re},        {"root_im", im},
            {"det", det},        {"det_nearby", nearby}, {"kind", kind}};
}

Json optionalNumber(const std::optional<double>& x) { return x ? number(*x) : Json(nullptr); }

Json threshold(const Threshold& t) {
    return {{"tolerance", t.tolerance},
            {"current_mA", optionalNumber(t.current)},
            {"first_unstable_index", t.firstUnstable ? Json(*t.firstUnstable) : Json(nullptr)},
            {"modes", t.modes},
            {"text", t.text}};
}

Json convergence(const std::optional<ConvergenceCheck>& check) {
    if (!check) return nullptr;
    Json steps = Json::array();
    for (const ConvergenceStep& s : check->steps) {
        steps.push_back({{"NMODF", s.NMODF},
                         {"NMODE", s.NMODE},
                         {"KRAD", s.KRAD},
                         {"order", s.order},
                         {"threshold_mA", optionalNumber(s.threshold)}});
    }
    return {{"tolerance", check->tolerance}, {"converged", check->converged}, {"steps", steps}};
}

Json warnings(const RunParameters& p, const std::vector<ScanWarning>& list) {
    const std::vector<double> currents = scanCurrents(p);
    Json entries = Json::array();
    for (const ScanWarning& w : list) {
        const bool atCurrent = w.current > 0;
        entries.push_back(
            {{"current_index", atCurrent ? Json(w.current - 1) : Json(nullptr)},
             {"current_mA", atCurrent ? Json(currents[static_cast<std::size_t>(w.current - 1)]) : Json(nullptr)},
             {"text", w.text}});
    }
    return entries;
}

}  // namespace

std::string resultsFileText(const RunParameters& p, const RunResults& run) {
    Json file = Json::object();
    file["schema"] = "quelmw-results";
    file["schema_version"] = RESULTS_SCHEMA_VERSION;
    file["program"] = {{"name", "QUELMW"}, {"version", PROGRAM_VERSION}};
    file["title"] = trimmed(p.TITLE);
    file["input"] = inputItems(p);
    file["derived"] = {{"RRING_cm", number(p.RRING)}, {"NTOT", p.NTOT}, {"NMT", p.NMT}};
    file["eigenvalue_method"] = run.precision == EigenPrecision::Single ? "single" : "double";
    file["stopped"] = run.stop ? Json{{"kind", run.stop->kind == RunStop::Kind::Stop ? "STOP" : "WARNING"},
                                      {"message", run.stop->message}}
                               : Json(nullptr);
    file["modes"] =
        run.results != nullptr
            ? modeBasis(p)
            : Json{{"azimuthal", Json::array()}, {"radial", Json::array()}, {"transverse_radial", Json::array()}};
    file["scan"] = scan(p, run);
    file["spread"] = run.results != nullptr && run.results->spreadSteps() > 0 ? spread(p, *run.results) : Json(nullptr);
    file["warnings"] = warnings(p, run.warnings);
    file["threshold"] = threshold(run.threshold);
    file["convergence"] = convergence(run.convergence);
    // One top-level key a line, each value compact: a large scan stays a
    // file an editor can open, and every number keeps 17 digits.
    std::string text = "{";
    for (const auto& [key, value] : file.items()) {
        text += text.size() > 1 ? ",\n " : "\n ";
        text += Json(key).dump() + ": " + value.dump();
    }
    return text + "\n}\n";
}

}  // namespace quelm
