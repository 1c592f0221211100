#include "solver/quelmw.hpp"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <new>
#include <sstream>
#include <system_error>

#include <unistd.h>

#include "common/replacement_file.hpp"
#include "solver/budget_checks.hpp"
#include "solver/convergence_check.hpp"
#include "solver/current_scan.hpp"
#include "solver/file_names.hpp"
#include "solver/io/listing_writer.hpp"
#include "solver/io/namelist_reader.hpp"
#include "solver/io/results_file.hpp"
#include "solver/mode_labels.hpp"
#include "solver/physics/bunch_parameters.hpp"
#include "solver/result_output.hpp"
#include "solver/run_checks.hpp"
#include "solver/run_clock.hpp"
#include "solver/run_input.hpp"
#include "solver/run_limits.hpp"
#include "solver/run_parameters.hpp"
#include "solver/threshold.hpp"

namespace quelm {
namespace {

bool isSameFile(const std::string& a, const std::string& b) {
    std::error_code ec;
    return std::filesystem::equivalent(a, b, ec) && !ec;
}

// Whether the run may write the output file `path`: not over its input,
// and into a directory it may create files in.  The outputs themselves are
// written only when the run ends (writeOutput).
bool canWriteOutput(const std::string& path, const std::string& inputPath, std::ostream& errors) {
    if (isSameFile(path, inputPath)) {
        errors << "quelmw: output file " << path << " would overwrite the input file\n";
        return false;
    }
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    if (::access(parent.empty() ? "." : parent.c_str(), W_OK | X_OK) != 0) {
        errors << "quelmw: cannot create " << path << ": " << std::strerror(errno) << '\n';
        return false;
    }
    return true;
}

// Replaces the output file with the text in one step: a run that fails on
// the way, or a full disk, leaves an earlier file of the name as it was.
bool writeOutput(const std::string& path, const std::ostringstream& text, std::ostream& errors) {
    if (common::replaceFileWith(path, text.view())) return true;
    errors << "quelmw: error writing " << path << ": " << std::strerror(errno) << '\n';
    return false;
}

// The texts of a run's output files, written when the run ends.
struct RunOutputs {
    std::ostringstream listing, plot, results;
};

// A check's box in the listing, the same words on standard error, and a
// results file that says why there are no results.
RunOutcome stopRun(const RunStop& stop, const RunParameters& p, const RunOptions& options, RunOutputs& out,
                   std::ostream& errors) {
    writeStopBox(out.listing, stop);
    errors << "quelmw: " << (stop.kind == RunStop::Kind::Stop ? "STOP: " : "WARNING: ") << stop.message << '\n';
    RunResults run;
    run.precision = options.precision;
    run.stop = stop;
    run.threshold.tolerance = options.thresholdTolerance;
    out.results << resultsFileText(p, run);
    return RunOutcome::StoppedByCheck;
}

// Bunch length and synchrotron tune over the scan: filled in for the models
// that compute them, listed for those that vary with the current.
void tabulateBunchParameters(std::ostream& listing, RunParameters& p) {
    for (int i = 1; i <= p.NCR; ++i) {
        const double current = scanCurrent(p, i);
        const auto at = static_cast<std::size_t>(i - 1);
        if (p.SGMZ < 0.0) {
            p.CTOSGM[at] = current;
            p.SGMTOC[at] = FSGM(current, p) * p.RRING;
        }
        if (p.NUS < 0.0) {
            p.CTONUS[at] = current;
            p.NUSTOC[at] = FNUS(current, p);
        }
    }
    if (p.SGMZ <= 0.0) writeBunchLengthTable(listing, p);
    if (p.NUS <= 0.0) writeTuneTable(listing, p);
}

// Everything after the echo: checks, tables, the scan and its output.
RunOutcome computeAndReport(RunParameters& p, CpuClock& clock, RunOutputs& out, std::ostream& console,
                            std::ostream& errors, const RunOptions& options) {
    const auto stopped = [&](const RunStop& stop) { return stopRun(stop, p, options, out, errors); };
    if (const auto stop = checkRunParameters(p)) return stopped(*stop);
    if (const auto stop = p.ZPARM ? loadImpedanceTable(*p.ZPARM, p.INFILE) : std::nullopt) return stopped(*stop);
    computeDerivedQuantities(p);
    // The tables hold 1005 currents: a longer scan stops before filling them.
    const bool fillsTables = p.SGMZ < 0.0 || p.NUS < 0.0;
    if (const auto stop = fillsTables ? checkCurrentCount(p) : std::nullopt) return stopped(*stop);
    tabulateBunchParameters(out.listing, p);
    if (const auto stop = checkRunLimits(p)) return stopped(*stop);
    RunResults run;  // what the results file gets
    run.precision = options.precision;
    if (const auto tooShort = p.ZPARM ? warnAboutTableReach(out.listing, errors, p) : std::nullopt) {
        run.warnings.push_back({0, *tooShort});
    }

    CurrentScan scan(p, options.precision);
    if (const auto stop = scan.run(out.listing, console, errors, options.threads, options.progress)) {
        return stopped(*stop);
    }
    for (const ScanWarning& warning : scan.warnings()) {
        writeWarningLine(out.listing, warning.text);
        errors << "quelmw: WARNING: " << warning.text << '\n';
    }
    if (p.IPRINT) writeResultTables(out.listing, p, scan.results());

    const LabelledScan labels = labelModes(p, scan.results());
    run.results = &scan.results();
    run.labels = &labels;
    run.warnings.insert(run.warnings.end(), scan.warnings().begin(), scan.warnings().end());
    run.threshold = findThreshold(scanCurrents(p), labels, options.thresholdTolerance);
    console << run.threshold.text << '\n';
    if (options.convergeTolerance) {
        run.convergence = checkConvergence(
            p, run.threshold,
            {*options.convergeTolerance, options.thresholdTolerance, options.threads, options.precision});
        writeConvergenceTable(console, *run.convergence);
    }
    out.results << resultsFileText(p, run);

    sortEigenvaluesForPlotting(scan.results(), p);
    CPUTIM(p.CPUSEC, 3, clock);
    writeResultPlots(out.listing, out.plot, p, scan.results());
    return scan.warnings().empty() ? RunOutcome::Completed : RunOutcome::CompletedWithFailures;
}

// The results file's name: the listing's with .json for .out.
std::string resultsFileName(const std::string& listingName) {
    return std::filesystem::path(listingName).replace_extension(".json").string();
}

}  // namespace

int exitStatus(RunOutcome outcome) {
    switch (outcome) {
        case RunOutcome::Completed:
            return 0;
        case RunOutcome::StoppedByCheck:
            return 3;
        case RunOutcome::CompletedWithFailures:
            return 4;
        case RunOutcome::InputError:
        case RunOutcome::OutputError:
        case RunOutcome::InternalError:
            break;
    }
    return 1;
}

RunOutcome QUELMW(const std::string& inputPath, std::ostream& console, std::ostream& errors,
                  const RunOptions& options) {
    RunParameters p;
    CpuClock clock;
    double unused = 0.0;
    CPUTIM(unused, 1, clock);

    std::ifstream input(inputPath);
    if (!input || std::filesystem::is_directory(inputPath)) {
        errors << "quelmw: cannot open input file " << inputPath << ": "
               << (input ? "is a directory" : std::strerror(errno)) << '\n';
        return RunOutcome::InputError;
    }
    p.INFILE = inputPath;
    ASFILE(p.INFILE, p.LISTFILE, p.PLOTFILE, console);

    const std::string resultsPath = resultsFileName(p.LISTFILE);
    if (!canWriteOutput(p.LISTFILE, p.INFILE, errors) || !canWriteOutput(p.PLOTFILE, p.INFILE, errors) ||
        !canWriteOutput(resultsPath, p.INFILE, errors)) {
        return RunOutcome::OutputError;
    }

    RunOutputs out;
    RunOutcome outcome = RunOutcome::Completed;
    try {
        readRunInput(input, p.INFILE, p);
        DATIMH(p.RUNDATE, p.RUNCLOCK, options.stampMoment.value_or(std::time(nullptr)));
        writeBanner(out.listing, p);
        writeInputEcho(out.listing, p);
        outcome = computeAndReport(p, clock, out, console, errors, options);
    } catch (const InputError& error) {
        errors << "quelmw: " << error.what() << '\n';
        return RunOutcome::InputError;
    } catch (const std::bad_alloc&) {
        errors << "quelmw: out of memory; the run was abandoned and no output was written\n";
        return RunOutcome::InternalError;
    } catch (const std::exception& error) {
        errors << "quelmw: internal error: " << error.what() << "; no output was written\n";
        return RunOutcome::InternalError;
    }

    const bool written = writeOutput(p.LISTFILE, out.listing, errors) && writeOutput(p.PLOTFILE, out.plot, errors) &&
                         writeOutput(resultsPath, out.results, errors);
    return written ? outcome : RunOutcome::OutputError;
}

}  // namespace quelm
