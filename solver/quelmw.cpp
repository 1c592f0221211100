#include "solver/quelmw.hpp"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "solver/file_names.hpp"
#include "solver/listing_writer.hpp"
#include "solver/namelist_reader.hpp"
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
bool createOutput(std::ofstream& file, const std::string& path, const std::string& inputPath,
                  std::ostream& errors) {
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

}  // namespace

int exitStatus(RunOutcome outcome) {
    return outcome == RunOutcome::Completed || outcome == RunOutcome::StoppedByCheck ? 0 : 1;
}

RunOutcome QUELMW(const std::string& inputPath, std::ostream& console, std::ostream& errors) {
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
    if (!createOutput(listing, p.LISTFILE, p.INFILE, errors) ||
        !createOutput(plot, p.PLOTFILE, p.INFILE, errors)) {
        return RunOutcome::OutputError;
    }

    RunOutcome outcome = RunOutcome::Completed;
    try {
        readRunInput(input, p.INFILE, p);
        DATIMH(p.RUNDATE, p.RUNCLOCK);
        writeBanner(listing, p);
        writeInputEcho(listing, p);
        computeDerivedQuantities(p);
        if (const auto stop = checkRunLimits(p)) {
            writeStopBox(listing, *stop);
            outcome = RunOutcome::StoppedByCheck;
        }
    } catch (const InputError& error) {
        errors << "quelmw: " << error.what() << '\n';
        outcome = RunOutcome::InputError;
    }

    const bool written = closeOutput(listing, p.LISTFILE, errors) & closeOutput(plot, p.PLOTFILE, errors);
    return written ? outcome : RunOutcome::OutputError;
}

}  // namespace quelm
