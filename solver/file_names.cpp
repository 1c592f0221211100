#include "solver/file_names.hpp"

namespace quelm {

std::string outputBaseName(const std::string& inputPath) {
    const std::size_t separator = inputPath.find_last_of("/\\");
    const std::size_t nameStart = separator == std::string::npos ? 0 : separator + 1;
    const std::size_t dot = inputPath.find_last_of('.');
    // A leading dot names a hidden file; it does not start an extension.
    if (dot == std::string::npos || dot <= nameStart) return inputPath;
    return inputPath.substr(0, dot);
}

void ASFILE(const std::string& IN, std::string& OUT1, std::string& OUT2, std::ostream& console) {
    const std::string base = outputBaseName(IN);
    OUT1 = base + ".out";
    OUT2 = base + ".vpt";
    console << " > QUELM IS NOW RUNNING. PLEASE WAIT...\n";
}

}  // namespace quelm
