#include "solver/result_output.hpp"

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "solver/current_scan.hpp"
#include "solver/io/character_plot.hpp"
#include "solver/io/edit_descriptors.hpp"
#include "solver/io/listing_writer.hpp"
#include "solver/io/plot_file_writer.hpp"
#include "solver/physics/budget_moments.hpp"
#include "solver/physics/bunch_parameters.hpp"
#include "solver/root_search.hpp"

namespace quelm {
namespace {

const std::string MATRIX_METHOD_NOTE = "<<< DISPERSION MATRIX METHOD >>>";
const std::string INTEGRAL_METHOD_NOTE = "<<< DISPERSION INTEGRAL METHOD >>>";

// The matrix treatment of the spread shows in the eigenvalue frames unless
// the dispersion integral takes the spread over.
bool showsMatrixMethod(const RunParameters& p) { return p.LMTRIX && !searchesRoots(p); }

// The impedance budget in short for the plot titles, e.g.
// "Z: 3 RES + WALL 260. m + TABLE"; empty without ZPARM.
std::string budgetTitle(const RunParameters& p) {
    if (!p.ZPARM) return {};
    const ImpedanceBudget& b = *p.ZPARM;
    std::vector<std::string> pieces;
    const std::size_t resonators = resonatorsOf(p).size();
    if (resonators > 0) pieces.push_back(std::to_string(resonators) + " RES");
    if (b.hasResistiveWall()) {
        std::string length = edit::G(b.RWLEN, 10, 3);
        std::erase(length, ' ');
        pieces.push_back("WALL " + length + " m");
    }
    if (b.hasTable()) pieces.push_back("TABLE");
    std::string title = "Z:";
    for (std::size_t i = 0; i < pieces.size(); ++i)
        title += (i == 0 ? " " : " + ") + pieces[i];
    return title;
}

// One family of curves: curve j's value at scan index i, as plotted.
struct Frame {
    PlotPart part;
    std::string methodText;
    double spread;
    float YMIN, YMAX;
    bool roots;
    int curves;
    std::function<float(int j, int i)> value;
};

class FrameWriter {
public:
    FrameWriter(std::ostream& listing, std::ostream& plotFile, const RunParameters& p)
        : listing_(listing),
          plotFile_(plotFile),
          p_(p),
          YPLOT_(static_cast<std::size_t>(std::max(p.NCR, 1))),
          budgetTitle_(budgetTitle(p)) {
        const float first = static_cast<float>(p.CRNT);
        const float last = static_cast<float>(p.CRNT + (p.NCR - 1) * p.STPC);
        range_.XMIN = p.STPC > 0.0 ? first : last;
        range_.XMAX = p.STPC > 0.0 ? last : first;
    }

    void write(const Frame& frame) {
        writePlotFrameHeader(listing_, p_, frame.part, frame.methodText, frame.spread);
        range_.YMIN = frame.YMIN;
        range_.YMAX = frame.YMAX;
        if (p_.LPLE) writePlotFileHeader(frame);
        for (int j = 1; j <= frame.curves; ++j) {
            fillCurve(frame, j);
            if (p_.LPLE) writeCurve(frame);
            plot_.DRPLOT(listing_, nullptr, YPLOT_.data(), p_.NCR, '*', 0, range_, j < frame.curves ? 1 : 0);
        }
        writeCpuTimeLine(listing_, p_.CPUSEC);
    }

private:
    void writePlotFileHeader(const Frame& frame) {
        const auto header = frame.part == PlotPart::Real ? VPTLO2 : VPTLO3;
        header(plotFile_, p_.TITLE, p_.RUNDATE, p_.RUNCLOCK, p_.NUS, p_.ENGY, p_.SGMZ, p_.BETAC, p_.REVFRQ, p_.ALFA,
               p_.CHROM, p_.FREQ, p_.RS, p_.QV, frame.spread, p_.LBIN, p_.MU, p_.CPUSEC, range_, budgetTitle_);
        if (frame.roots) writeRootSymbolCommand(plotFile_);
    }

    // YPLOT in increasing current: reversed when the scan steps downwards.
    void fillCurve(const Frame& frame, int j) {
        for (int n = 1; n <= p_.NCR; ++n) {
            const int i = p_.STPC < 0.0 ? p_.NCR + 1 - n : n;
            YPLOT_[static_cast<std::size_t>(n - 1)] = frame.value(j, i);
        }
    }

    // A value that was not found (NaN) has no data line: the curve joins
    // its neighbours across it.
    void writeCurve(const Frame& frame) {
        for (int n = 1; n <= p_.NCR; ++n) {
            const int i = p_.STPC < 0.0 ? p_.NCR + 1 - n : n;
            const float value = YPLOT_[static_cast<std::size_t>(n - 1)];
            if (!std::isnan(value)) writeDataLine(plotFile_, scanCurrent(p_, i), value);
        }
        if (frame.roots) {
            writePlotCommand(plotFile_);
        } else {
            writeJoinCommand(plotFile_);
        }
    }

    std::ostream& listing_;
    std::ostream& plotFile_;
    const RunParameters& p_;
    std::vector<float> YPLOT_;
    PlotRange range_{};
    std::string budgetTitle_;
    CharacterPlot plot_;
};

}  // namespace

void writeResultTables(std::ostream& listing, const RunParameters& p, const ResultStores& results) {
    const auto length = [&](double current) { return FSGM(current, p) * p.RRING; };
    const auto tune = [&](double current) { return FNUS(current, p); };
    writeEigenvalueTable(
        listing, p, 0.0,
        [&](int j, int i) {
            return std::pair{results.EIGRE(j, i), -results.EIGIM(j, i)};
        },
        length, tune);
    if (!searchesRoots(p)) return;
    for (int k = 1; k <= p.NSTPS; ++k) {
        writeEigenvalueTable(
            listing, p, spreadOfStep(p, k),
            [&](int j, int i) {
                return std::pair{static_cast<float>(results.ROOTRE(j, i, k)),
                                 static_cast<float>(-results.ROOTIM(j, i, k))};
            },
            length, tune);
    }
}

void sortEigenvaluesForPlotting(ResultStores& results, const RunParameters& p) {
    // The exchange sort, strict comparison: equal values keep their order.
    const auto exchangeSort = [&](int i, double& (ResultStores::*part)(int, int)) {
        for (int a = 1; a < p.NTOT; ++a) {
            for (int b = a + 1; b <= p.NTOT; ++b) {
                double& first = (results.*part)(a, i);
                double& second = (results.*part)(b, i);
                if (second < first) std::swap(first, second);
            }
        }
    };
    for (int i = 1; i <= p.NCR; ++i) {
        exchangeSort(i, &ResultStores::EIGRE);
        exchangeSort(i, &ResultStores::EIGIM);
    }
}

void writeResultPlots(std::ostream& listing, std::ostream& plotFile, const RunParameters& p,
                      const ResultStores& results) {
    FrameWriter writer(listing, plotFile, p);
    const std::string methodNote = showsMatrixMethod(p) ? MATRIX_METHOD_NOTE : std::string(34, ' ');
    const double headerSpread = showsMatrixMethod(p) ? p.SPRDMAX : 0.0;
    const auto realPart = [&](int j, int i) { return static_cast<float>(results.EIGRE(j, i)); };
    const auto imaginaryPart = [&](int j, int i) { return static_cast<float>(-results.EIGIM(j, i)); };

    const float delta = static_cast<float>(p.MMAX - p.MMIN) / static_cast<float>(p.NSPL);
    for (int s = 0; s < p.NSPL; ++s) {
        const float YMAX = static_cast<float>(p.MMAX) - static_cast<float>(s) * delta;
        writer.write({PlotPart::Real, methodNote, headerSpread, YMAX - delta, YMAX, false, p.NTOT, realPart});
    }
    if (searchesRoots(p)) {
        for (int k = 1; k <= p.NSTPS; ++k) {
            writer.write({PlotPart::Real, INTEGRAL_METHOD_NOTE, spreadOfStep(p, k), static_cast<float>(p.MMIN),
                          static_cast<float>(p.MMAX), true, p.NMT,
                          [&, k](int j, int i) { return static_cast<float>(results.ROOTRE(j, i, k)); }});
        }
    }
    const float TAUMIN = static_cast<float>(p.TAUMIN);
    const float TAUMAX = static_cast<float>(p.TAUMAX);
    writer.write({PlotPart::Imaginary, methodNote, headerSpread, TAUMIN, TAUMAX, false, p.NTOT, imaginaryPart});
    if (searchesRoots(p)) {
        for (int k = 1; k <= p.NSTPS; ++k) {
            writer.write({PlotPart::Imaginary, INTEGRAL_METHOD_NOTE, spreadOfStep(p, k), TAUMIN, TAUMAX, true, p.NMT,
                          [&, k](int j, int i) { return static_cast<float>(-results.ROOTIM(j, i, k)); }});
        }
    }
}

}  // namespace quelm
