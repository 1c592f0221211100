// Character plots of result curves for the listing.
#pragma once

#include <array>
#include <cstdint>
#include <ostream>

#include "solver/io/plot_file_writer.hpp"

namespace quelm {

// A plot of up to seven symbols on a grid of 121 columns by 42 rows, built
// curve by curve and printed with the last curve.
class CharacterPlot {
public:
    static constexpr int COLUMNS = 121;
    static constexpr int ROWS = 42;

    // DRPLOT: adds one curve of N points and, when MORE = 0, prints the plot
    // on UNIT and ends it.
    //
    // Method: the first curve of a plot fixes the scaling.  An empty range
    // (max - min <= 0.0005 |max + min|) is replaced by the extremes of the
    // abscissae X (MODE != 0 only) or of the first curve's ordinates Y, and
    // RANGE is updated to match.  Each axis is divided into 3 to 8
    // divisions of 0.2, 0.5, 1 or 2 times a power of ten that enclose the
    // range (to within 0.01 division); a division spans 120/n columns or
    // 41/n rows.  With MODE = 0
    // the N points are spread evenly from XMIN to XMAX, otherwise they sit
    // at X.  Points outside the grid, not-a-number and infinite ordinates
    // are left out; later curves overwrite earlier ones.  All scaling
    // arithmetic is single precision and every conversion to an integer
    // truncates toward zero, so a plot is reproduced character for
    // character.
    //
    // SYMBOL: a character code 0..9 stands for that digit, a blank for the
    // (last) digit of the curve's number in the plot; symbols are numbered
    // 1..7 in order of first use, an eighth takes number 1 again.
    //
    // A range that stays empty, or whose scaling is not representable
    // (infinite or not-a-number limits, a width below the smallest normal
    // float), prints a warning with the four limits; the plot is then
    // skipped up to and including its call with MORE = 0.
    //
    // Provenance: the line-printer plot of the solver's listing, kept in its
    // single-precision arithmetic.  Accuracy: cell placement and labels are
    // exact reproductions of that arithmetic, checked against plots worked
    // out by hand.
    void DRPLOT(std::ostream& UNIT, const float* X, const float* Y, int N, char SYMBOL, int MODE, PlotRange& RANGE,
                int MORE);

private:
    // The scaling of one axis: divisions lowIndex..highIndex of `step`, each
    // `cellsPerDivision` cells of `cellSize`; `origin` is the value of the
    // first cell (the left end of the abscissa, the top of the ordinate).
    struct Axis {
        int lowIndex = 0;
        int highIndex = 0;
        float step = 0.0f;
        int cellsPerDivision = 0;
        float cellSize = 0.0f;
        float origin = 0.0f;
        int divisions() const { return highIndex - lowIndex; }
        int usedCells() const { return divisions() * cellsPerDivision + 1; }
    };

    bool startPlot(std::ostream& UNIT, const float* X, const float* Y, int N, int MODE, PlotRange& RANGE);
    int symbolNumber(char symbol);
    void addCurve(const float* X, const float* Y, int N, int number, int MODE, const PlotRange& RANGE);
    void print(std::ostream& UNIT) const;

    std::array<std::array<std::uint8_t, COLUMNS>, ROWS> grid_{};  // symbol numbers, 0 empty
    std::array<char, 8> symbols_{};                               // symbols_[1..7]
    int symbolsAssigned_ = 0;                                     // symbol numbers handed out in this plot
    Axis x_, y_;
    int curveCount_ = 0;    // curves of the plot under way, 0 when none
    bool skipped_ = false;  // the plot under way had a wrong range
};

}  // namespace quelm
