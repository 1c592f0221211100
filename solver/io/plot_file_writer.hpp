// The plot command file of a run: frame headers, data lines and the commands
// that close each curve, written for the viewer.
//
// Every line starts with the record's carriage-control blank; most command
// texts carry a blank of their own, so most lines start with two blanks.
#pragma once

#include <ostream>
#include <string>

namespace quelm {

// The abscissa and ordinate limits of one plot frame.
struct PlotRange {
    float XMIN, XMAX, YMIN, YMAX;
};

// Header of a frame of real parts: page, window, titles, limits and the
// run's parameters.  TITLE is the 72-character run title, DATE and TIME the
// 8-character run stamps, CPU the seconds used so far.  A non-empty BUDGET
// (the impedance budget in short) adds one MORE line, which continues the
// title of date, time and CPU seconds.
void VPTLO2(std::ostream& out, const std::string& TITLE, const std::string& DATE, const std::string& TIME, double NUS,
            double ENGY, double SGMZ, double BETAC, double REVFRQ, double ALPHA, double CHROM, double FREQ, double RS,
            double QV, double SPRD, bool LBIN, int MU, double CPU, const PlotRange& RANGE,
            const std::string& BUDGET = {});

// Header of a frame of imaginary parts; the same lines with the imaginary
// part's titles.
void VPTLO3(std::ostream& out, const std::string& TITLE, const std::string& DATE, const std::string& TIME, double NUS,
            double ENGY, double SGMZ, double BETAC, double REVFRQ, double ALPHA, double CHROM, double FREQ, double RS,
            double QV, double SPRD, bool LBIN, int MU, double CPU, const PlotRange& RANGE,
            const std::string& BUDGET = {});

// One point of a curve: the bunch current and the single-precision ordinate.
void writeDataLine(std::ostream& out, double current, float value);

// Closes a curve of eigenvalues: its points are joined by a line.
void writeJoinCommand(std::ostream& out);

// Closes a curve of roots: its points are drawn as symbols.
void writePlotCommand(std::ostream& out);

// Chooses the symbol of the root curves; written once per frame of roots,
// before its first curve.
void writeRootSymbolCommand(std::ostream& out);

}  // namespace quelm
