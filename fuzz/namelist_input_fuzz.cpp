// Fuzz target: a whole solver input file, read, echoed and, when it is
// small enough to be quick, scanned.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "solver/current_scan.hpp"
#include "solver/io/listing_writer.hpp"
#include "solver/io/namelist_reader.hpp"
#include "solver/result_output.hpp"
#include "solver/run_input.hpp"
#include "solver/run_limits.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    quelm::RunParameters p;
    try {
        quelm::readRunInput(in, "fuzz.in", p);
    } catch (const quelm::InputError&) {
        return 0;
    }
    std::ostringstream listing, plot, sink;
    quelm::writeBanner(listing, p);
    quelm::writeInputEcho(listing, p);
    quelm::computeDerivedQuantities(p);
    if (quelm::checkRunLimits(p)) return 0;
    // Keep each input quick: a few small matrices and at most a short spread scan.
    if (p.NTOT > 12 || p.NCR > 4 || p.NCR < 0 || p.NSPL > 4 || p.NSPL < -4 || p.NSTPS > 2) return 0;
    quelm::CurrentScan scan(p);
    scan.run(listing, sink, sink);
    if (p.IPRINT) quelm::writeResultTables(listing, p, scan.results());
    quelm::sortEigenvaluesForPlotting(scan.results(), p);
    quelm::writeResultPlots(listing, plot, p, scan.results());
    return 0;
}
