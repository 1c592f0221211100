#include "solver/quelmw.hpp"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "solver/budget_checks.hpp"
#include "solver/current_scan.hpp"
#include "solver/file_names.hpp"
#include "solver/io/listing_writer.hpp"
#include "solver/io/namelist_reader.hpp"
#include "solver/physics/bunch_parameters.hpp"
#include "solver/result_output.hpp"
#include "solver/run_clock.hpp"
#include "solver/run_input.hpp"
#include "solver/run_limits.hpp"
#include "solver/run_parameters.hpp"

namespace quelm {
namespace {

bool isSameFile(const std::string& a, const std::string& b) {
    std::error_code ec;
    return std::filesystem::equivalent(a, b, ec) && !ec;
}

// Creates (or replaces) an output file of the run.
bool createOutput(std::ofstream& file, const std::string& path, const std::string& inputPath, std::ostream& errors) {
    if (isSameFile(path, inputPath)) {
        errors << "quelmw: output file " << path << " would overwrite the input file\n";
        return false;
    }
    file.open(path, std::ios::out | std::ios::trunc);
    if (!file) {
        errors << "quelmw: cannot create " << path << ": " << std::strerror(errno) << '\n';
        return false;
    }
    return true;
}

bool closeOutput(std::ofstream& file, const std::string& path, std::ostream& errors) {
    file.close();
    if (file.fail()) {
        errors << "quelmw: error writing " << path << '\n';
        return false;
    }
    return true;
}

// Bunch length and synchrotron tune over the scan: filled in for the models
// that compute them, listed for those that vary with the current.
void tabulateBunchParameters(std::ostream& listing, RunParameters& p) {
    for (int i = 1; i <= p.NCR; ++i) {
        const double current = p.CRNT + static_cast<double>(i - 1) * p.STPC;
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

// Everything after the echo: tables, checks, the scan and its output.
RunOutcome computeAndReport(RunParameters& p, CpuClock& clock, std::ostream& listing, std::ostream& plot,
                            std::ostream& console, std::ostream& errors, const RunOptions& options) {
    computeDerivedQuantities(p);
    // The tables hold 1005 currents: a longer scan stops before filling them.
    const bool fillsTables = p.SGMZ < 0.0 || p.NUS < 0.0;
    if (const auto stop = fillsTables ? checkCurrentCount(p) : std::nullopt) {
        writeStopBox(listing, *stop);
        return RunOutcome::StoppedByCheck;
    }
    tabulateBunchParameters(listing, p);
    if (const auto stop = checkRunLimits(p)) {
        writeStopBox(listing, *stop);
        return RunOutcome::StoppedByCheck;
    }
    if (p.ZPARM) {
        auto stop = checkImpedanceBudget(p);
        if (!stop) stop = loadImpedanceTable(*p.ZPARM, p.INFILE);
        if (stop) {
            writeStopBox(listing, *stop);
            return RunOutcome::StoppedByCheck;
        }
        warnAboutTableReach(listing, errors, p);
    }

    CurrentScan scan(p);
    scan.run(listing, console, errors, options.threads, options.progress);
    if (p.IPRINT) writeResultTables(listing, p, scan.results());
    sortEigenvaluesForPlotting(scan.results(), p);
    CPUTIM(p.CPUSEC, 3, clock);
    writeResultPlots(listing, plot, p, scan.results());
    return RunOutcome::Completed;
}

}  // namespace

int exitStatus(RunOutcome outcome) {
    return outcome == RunOutcome::Completed || outcome == RunOutcome::StoppedByCheck ? 0 : 1;
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

    std::ofstream listing, plot;
    if (!createOutput(listing, p.LISTFILE, p.INFILE, errors) || !createOutput(plot, p.PLOTFILE, p.INFILE, errors)) {
        return RunOutcome::OutputError;
    }

    RunOutcome outcome = RunOutcome::Completed;
    try {
        readRunInput(input, p.INFILE, p);
        DATIMH(p.RUNDATE, p.RUNCLOCK, options.stampMoment.value_or(std::time(nullptr)));
        writeBanner(listing, p);
        writeInputEcho(listing, p);
        outcome = computeAndReport(p, clock, listing, plot, console, errors, options);
    } catch (const InputError& error) {
        errors << "quelmw: " << error.what() << '\n';
        outcome = RunOutcome::InputError;
    }

    const bool listingWritten = closeOutput(listing, p.LISTFILE, errors);
    const bool plotWritten = closeOutput(plot, p.PLOTFILE, errors);
    return listingWritten && plotWritten ? outcome : RunOutcome::OutputError;
}

}  // namespace quelm
