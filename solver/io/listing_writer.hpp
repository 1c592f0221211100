// The solver's listing: banner, echo of the input groups, stop boxes, the
// tables of results and the headers of the character plots.
#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <utility>

#include "solver/run_limits.hpp"
#include "solver/run_parameters.hpp"

namespace quelm {

// The framed banner with title, date and time of the run.
void writeBanner(std::ostream& out, const RunParameters& p);

// The echo of the input groups, with the values in force; ZPARM only when
// the input has it.
void writeInputEcho(std::ostream& out, const RunParameters& p);

// The framed box of a run that ends before its scan.
void writeStopBox(std::ostream& out, const RunStop& stop);

// The line that reports a numerical failure of the scan.
void writeWarningLine(std::ostream& out, const std::string& text);

// The bunch length tabulated against the current (CTOSGM, SGMTOC), in blocks
// of ten entries up to the first block whose first length is zero.
void writeBunchLengthTable(std::ostream& out, const RunParameters& p);

// The synchrotron tune tabulated against the current (CTONUS, NUSTOC).
void writeTuneTable(std::ostream& out, const RunParameters& p);

// One table of tunes (Nu-Nux)/Nus against the current: the matrix
// eigenvalues (spread 0) or the roots of one spread step.  Columns come in
// blocks of five currents; printedValue(j, i) gives mode j at scan index i
// (1-based, i <= NCR) as real part and printed imaginary part.  Columns past
// the scan show their extrapolated current, with its bunch length and tune,
// and zero tunes.
void writeEigenvalueTable(std::ostream& out, const RunParameters& p, double spread,
                          const std::function<std::pair<float, float>(int j, int i)>& printedValue,
                          const std::function<double(double)>& bunchLengthCm,
                          const std::function<double(double)>& synchrotronTune);

enum class PlotPart { Real, Imaginary };

// The five header lines of a character plot: title, the run's parameters,
// date, time and method text (34 characters), and what is plotted.
void writePlotFrameHeader(std::ostream& out, const RunParameters& p, PlotPart part, const std::string& methodText,
                          double spread);

// The line closing a character plot with the CPU seconds used.
void writeCpuTimeLine(std::ostream& out, double cpuSeconds);

}  // namespace quelm
