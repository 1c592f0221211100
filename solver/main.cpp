// quelmw: transverse mode-coupling solver for a single bunch.
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "solver/command_line.hpp"
#include "solver/constants.hpp"
#include "solver/quelmw.hpp"
#include "solver/run_clock.hpp"
#include "solver/run_input.hpp"

namespace {

const char* const USAGE =
    "usage: quelmw [OPTION]... [INPUT]\n"
    "\n"
    "Computes the coherent tune shifts (Nu-Nux)/Nus of the head-tail modes of a\n"
    "single bunch over a scan of the bunch current and writes, beside the input\n"
    "file, the listing INPUT-base.out, the plot file INPUT-base.vpt and the results\n"
    "file INPUT-base.json; at the end it prints the threshold current.  Without\n"
    "INPUT the file name is asked for on the console.\n"
    "\n"
    "  --threshold-tolerance T  growth rate Im (Nu-Nux)/Nus above which a mode counts\n"
    "                           as unstable (default 1e-4)\n"
    "  --converge               repeat the scan with KRAD + 2 and the azimuthal range\n"
    "                           one wider on each side, step by step, until the\n"
    "                           threshold changes by less than 1 % or the matrix\n"
    "                           order limit of 500 is reached; print the table\n"
    "  --converge-tolerance REL the same, with relative tolerance REL\n"
    "  --single-precision       take the eigenvalues with the historical single-\n"
    "                           precision solver, to compare with listings of old runs\n"
    "                           (it errs at large matrix orders)\n"
    "  -h, --help               show this text\n"
    "      --version            show the program's version\n"
    "\n"
    "Environment: QUELMW_THREADS, the number of threads of the current scan\n"
    "(default: all processors); SOURCE_DATE_EPOCH, seconds since 1970 to stamp\n"
    "into the listing instead of the present time.\n"
    "\n"
    "Exit status: 0 when the run went through; 1 for a missing or malformed input\n"
    "file, an output file that cannot be written or an internal error; 2 for a\n"
    "usage error; 3 when a check stopped the run (a framed box in the listing says\n"
    "why); 4 when the run went through but some eigenvalues or roots were not\n"
    "found (WARNING lines).\n";

bool isBlank(std::string_view text) { return text.find_first_not_of(" \t\r\n") == std::string_view::npos; }

// Asks for the input file name on the console; false at end of input.
bool promptForInput(std::string& path) {
    std::cout << "File name missing or blank - please enter file name\n"
              << "UNIT " << quelm::INPUT_UNIT << "? " << std::flush;
    if (!std::getline(std::cin, path)) return false;
    const auto first = path.find_first_not_of(" \t");
    const auto last = path.find_last_not_of(" \t\r");
    path = first == std::string::npos ? "" : path.substr(first, last - first + 1);
    return !path.empty();
}

// QUELMW_THREADS when it is a positive number, else every processor.
int scanThreads() {
    const unsigned processors = std::max(1u, std::thread::hardware_concurrency());
    const char* setting = std::getenv("QUELMW_THREADS");
    if (setting == nullptr || *setting == '\0') return static_cast<int>(processors);
    int threads = 0;
    const char* end = setting + std::strlen(setting);
    const auto [stop, ec] = std::from_chars(setting, end, threads);
    if (ec != std::errc() || stop != end || threads < 1) {
        std::cerr << "quelmw: ignoring QUELMW_THREADS=" << setting << " (not a positive number)\n";
        return static_cast<int>(processors);
    }
    return threads;
}

// One line on a terminal's standard error that follows the scan, rewritten
// at most five times a second and erased at the end.
class ProgressLine {
public:
    ProgressLine() : start_(std::chrono::steady_clock::now()) {}
    ~ProgressLine() {
        if (shown_) std::fprintf(stderr, "\r%*s\r", static_cast<int>(width_), "");
    }

    void operator()(const char* stage, int done, int total) {
        const auto now = std::chrono::steady_clock::now();
        if (done < total && now - lastShown_ < std::chrono::milliseconds(200)) return;
        lastShown_ = now;
        const double seconds = std::chrono::duration<double>(now - start_).count();
        const int width =
            std::fprintf(stderr, "\rquelmw: %s, current %d of %d, %.1f s   ", stage, done, total, seconds);
        width_ = std::max(width_, static_cast<std::size_t>(std::max(width, 0)));
        std::fflush(stderr);
        shown_ = true;
    }

private:
    std::chrono::steady_clock::time_point start_, lastShown_;
    std::size_t width_ = 0;
    bool shown_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    const quelm::CommandLine line = quelm::parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (line.help) {
        std::cout << USAGE;
        return 0;
    }
    if (line.version) {
        std::cout << "quelmw (QUELM) " << quelm::PROGRAM_VERSION << '\n';
        return 0;
    }
    if (!line.error.empty()) {
        std::cerr << "quelmw: " << line.error << "\n\n" << USAGE;
        return 2;
    }
    std::string path = line.input;
    if (isBlank(path) && !promptForInput(path)) {
        std::cerr << "\nquelmw: no input file name given\n";
        return 1;
    }
    quelm::RunOptions options;
    options.threads = scanThreads();
    options.stampMoment = quelm::sourceDateEpoch(std::getenv("SOURCE_DATE_EPOCH"));
    options.precision = line.precision;
    options.thresholdTolerance = line.thresholdTolerance;
    options.convergeTolerance = line.convergeTolerance;
    ProgressLine progress;
    if (::isatty(STDERR_FILENO)) options.progress = std::ref(progress);
    return quelm::exitStatus(quelm::QUELMW(path, std::cout, std::cerr, options));
}
