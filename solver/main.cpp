// quelmw: transverse mode-coupling solver for a single bunch.
#include <iostream>
#include <string>
#include <string_view>

#include "solver/quelmw.hpp"
#include "solver/run_input.hpp"

namespace {

const char* const USAGE =
    "usage: quelmw [INPUT]\n"
    "\n"
    "Computes the coherent tune shifts (Nu-Nux)/Nus of the head-tail modes of a\n"
    "single bunch over a scan of the bunch current, for a broad-band resonator\n"
    "impedance, and writes the listing INPUT-base.out and the plot file\n"
    "INPUT-base.vpt beside the input file.  Without INPUT the file name is asked\n"
    "for on the console.\n"
    "\n"
    "Exit status: 0 when the run ended normally (also after a limit check that\n"
    "stops it, reported in the listing), 1 for a missing or malformed input file\n"
    "or an output file that cannot be written, 2 for a usage error.\n";

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

}  // namespace

int main(int argc, char** argv) {
    std::string path = argc > 1 ? argv[1] : "";
    if (path == "--help" || path == "-h") {
        std::cout << USAGE;
        return 0;
    }
    if (argc > 2 || (path.size() > 1 && path[0] == '-')) {
        std::cerr << USAGE;
        return 2;
    }
    if (isBlank(path) && !promptForInput(path)) {
        std::cerr << "\nquelmw: no input file name given\n";
        return 1;
    }
    return quelm::exitStatus(quelm::QUELMW(path, std::cout, std::cerr));
}
