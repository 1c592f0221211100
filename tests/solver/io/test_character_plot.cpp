#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "solver/io/character_plot.hpp"

namespace quelm {
namespace {

// One curve per entry; every curve but the last says more curves follow.
struct Curve {
    std::vector<float> y;
    char symbol = '*';
    std::vector<float> x = {};  // abscissae when not empty (MODE 1)
};

std::string plot(CharacterPlot& plotter, PlotRange& range, const std::vector<Curve>& curves) {
    std::ostringstream out;
    for (std::size_t c = 0; c < curves.size(); ++c) {
        const Curve& curve = curves[c];
        plotter.DRPLOT(out, curve.x.empty() ? nullptr : curve.x.data(), curve.y.data(),
                       static_cast<int>(curve.y.size()), curve.symbol, curve.x.empty() ? 0 : 1,
                       range, c + 1 < curves.size() ? 1 : 0);
    }
    return out.str();
}

std::string plot(PlotRange range, const std::vector<Curve>& curves) {
    CharacterPlot plotter;
    return plot(plotter, range, curves);
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) result.push_back(line);
    return result;
}

// Character of grid cell (column, row), both 1-based, in a printed plot.
char cell(const std::string& printed, int column, int row) {
    return lines(printed)
        .at(static_cast<std::size_t>(row - 1))
        .at(static_cast<std::size_t>(10 + column));
}

const std::vector<float> DIAGONAL = {0.0f, 0.25f, 0.5f, 0.75f, 1.0f};

// X from 0 to 4 gives four divisions of 1 (30 columns each), Y from 0 to 1
// five divisions of 0.2 (8 rows each); the five points fall on the
// crossings of the diagonal with the abscissa divisions.
// clang-format off
const std::string DIAGONAL_PLOT =
    "  1.00E+00 +-----------------------------+-----------------------------+-----------------------------+-----------------------------*\n"
    "           I                             I                             I                             I                             I\n"
    "           I                             I                             I                             I                             I\n"
    "           I                             I                             I                             I                             I\n"
    "           I                             I                             I                             I                             I\n"
    "           I                             I                             I                             I                             I\n"
    "           I                             I                             I                             I                             I\n"
    "           I                             I                             I                             I                             I\n"
    "  8.00E-01 +-----------------------------+-----------------------------+-----------------------------+-----------------------------+\n"
    "           I                             I                             I                             I                             I\n"
    "           I                             I                             I                             *                             I\n"
    "           I                             I                             I                             I                             I\n"
    "           I                             I                             I                             I                             I\n"
    "           I                             I                             I                             I                             I\n"
    "           I                             I                             I                             I                             I\n"
    "           I                             I                             I                             I                             I\n"
    "  6.00E-01 +-----------------------------+-----------------------------+-----------------------------+-----------------------------+\n"
    "           I                             I                             I                             I                             I\n"
    "           I                             I                             I                             I                             I\n"
    "           I                             I                             I                             I                             I\n"
    "           I                             I                             *                             I                             I\n"
    "           I                             I                             I                             I                             I\n"
    "           I                             I                             I                             I                             I\n"
    "           I                             I                             I                             I                             I\n"
    "  4.00E-01 +-----------------------------+-----------------------------+-----------------------------+-----------------------------+\n"
    "           I                             I                             I                             I                             I\n"
    "           I                             I                             I                             I                             I\n"
    "           I                             I                             I                             I                             I\n"
    "           I                             I                             I                             I                             I\n"
    "           I                             I                             I                             I                             I\n"
    "           I                             *                             I                             I                             I\n"
    "           I                             I                             I                             I                             I\n"
    "  2.00E-01 +-----------------------------+-----------------------------+-----------------------------+-----------------------------+\n"
    "           I                             I                             I                             I                             I\n"
    "           I                             I                             I                             I                             I\n"
    "           I                             I                             I                             I                             I\n"
    "           I                             I                             I                             I                             I\n"
    "           I                             I                             I                             I                             I\n"
    "           I                             I                             I                             I                             I\n"
    "           I                             I                             I                             I                             I\n"
    "  0.00E+00 *-----------------------------+-----------------------------+-----------------------------+-----------------------------+\n"
    "0       0.00E+00                      1.00E+00                      2.00E+00                      3.00E+00\n";
// clang-format on

TEST(CharacterPlot, SmallPlotCheckedByHand) {
    EXPECT_EQ(plot({0.0f, 4.0f, 0.0f, 1.0f}, {{DIAGONAL}}), DIAGONAL_PLOT);
}

TEST(CharacterPlot, PointsOutsideTheRangeAndNonFiniteOrdinatesAreLeftOut) {
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(
        plot({0.0f, 4.0f, 0.0f, 1.0f}, {{DIAGONAL}, {{5.0f, -3.0f, 1.0e30f, nan, -inf}, 'o'}}),
        DIAGONAL_PLOT);
}

TEST(CharacterPlot, EmptyOrdinateRangeIsTakenFromTheFirstCurve) {
    PlotRange range{0.0f, 4.0f, 0.5f, 0.5f};
    CharacterPlot plotter;
    EXPECT_EQ(plot(plotter, range, {{DIAGONAL}}), DIAGONAL_PLOT);
    EXPECT_EQ(range.YMIN, 0.0f);
    EXPECT_EQ(range.YMAX, 1.0f);
}

TEST(CharacterPlot, EmptyAbscissaRangeIsTakenFromTheAbscissaeWithMode1) {
    PlotRange range{2.0f, 2.0f, 0.0f, 1.0f};
    CharacterPlot plotter;
    const std::string printed = plot(plotter, range, {{{0.0f, 1.0f}, '*', {1.0f, 5.0f}}});
    EXPECT_EQ(range.XMIN, 1.0f);
    EXPECT_EQ(range.XMAX, 5.0f);
    // Four divisions of 1 from 1: x = 1 in column 1, x = 5 in column 121.
    EXPECT_EQ(cell(printed, 1, 41), '*');
    EXPECT_EQ(cell(printed, 121, 1), '*');
}

TEST(CharacterPlot, PointsGoToTheCellTheyFallIn) {
    // With MODE 1, x sits (x - x0) / dx + 1.5 columns from the left: a point
    // 0.4 column right of a column stays in it, 0.6 column right moves to
    // the next; 0.4 column left of the first column is still drawn there,
    // 0.6 column left is outside.
    const float dx = 1.0f / 30.0f;
    const std::string printed = plot(
        {0.0f, 4.0f, 0.0f, 1.0f},
        {{{0.5f, 0.25f, 0.25f, 0.75f}, 'A', {0.4f * dx, 0.6f * dx, 2.0f + 0.4f * dx, -0.6f * dx}},
         {{0.75f}, 'B', {-0.4f * dx}}});
    EXPECT_EQ(cell(printed, 1, 21), 'A');
    EXPECT_EQ(cell(printed, 2, 31), 'A');
    EXPECT_EQ(cell(printed, 61, 31), 'A');
    EXPECT_EQ(cell(printed, 1, 11), 'B');
    EXPECT_EQ(lines(printed).at(10).find('A'), std::string::npos);
}

TEST(CharacterPlot, SymbolRules) {
    // Curves of one point each at x = 0, 0.5, 1, ... on the top row: a
    // code 0..9 is its digit, a blank the curve's number, and the eighth
    // distinct symbol takes number 1, so it shows in place of the first.
    const std::string symbols = std::string(" \x03 ") + "bcdefg";
    std::vector<Curve> curves;
    for (std::size_t c = 0; c < symbols.size(); ++c) {
        curves.push_back({{1.0f}, symbols[c], {0.5f * static_cast<float>(c)}});
    }
    const std::string printed = plot({0.0f, 5.0f, 0.0f, 1.0f}, curves);
    // Five divisions of 1: 24 columns per division, 12 per half unit.
    std::string topRow;
    for (std::size_t c = 0; c < symbols.size(); ++c)
        topRow += cell(printed, 1 + 12 * static_cast<int>(c), 1);
    EXPECT_EQ(topRow, "g33bcdefg");
}

TEST(CharacterPlot, LaterCurvesOverwriteEarlierOnes) {
    const std::string printed =
        plot({0.0f, 4.0f, 0.0f, 1.0f}, {{DIAGONAL, 'a'}, {{0.0f, 0.5f}, 'b', {0.0f, 2.0f}}});
    EXPECT_EQ(cell(printed, 1, 41), 'b');
    EXPECT_EQ(cell(printed, 61, 21), 'b');
    EXPECT_EQ(cell(printed, 31, 31), 'a');
}

std::string abscissaLabels(float xmin, float xmax) {
    const std::vector<std::string> printed = lines(plot({xmin, xmax, 0.0f, 1.0f}, {{DIAGONAL}}));
    return printed.back();
}

// Carriage control "0", six blanks, then the labels (1PE9.2) `gap` apart.
std::string labelLine(const std::vector<std::string>& labels, int gap) {
    std::string line = "0      ";
    for (std::size_t j = 0; j < labels.size(); ++j) {
        if (j > 0) line += std::string(static_cast<std::size_t>(gap), ' ');
        line += labels[j];
    }
    return line;
}

TEST(CharacterPlot, AbscissaDivisionsAndLabelSpacing) {
    EXPECT_EQ(abscissaLabels(0.0f, 5.0f),
              labelLine({" 0.00E+00", " 1.00E+00", " 2.00E+00", " 3.00E+00", " 4.00E+00"}, 15));
    EXPECT_EQ(abscissaLabels(0.0f, 6.0f), labelLine({" 0.00E+00", " 1.00E+00", " 2.00E+00",
                                                     " 3.00E+00", " 4.00E+00", " 5.00E+00"},
                                                    11));
    EXPECT_EQ(abscissaLabels(0.0f, 7.0f),
              labelLine({" 0.00E+00", " 1.00E+00", " 2.00E+00", " 3.00E+00", " 4.00E+00",
                         " 5.00E+00", " 6.00E+00"},
                        8));
    EXPECT_EQ(abscissaLabels(0.0f, 1.6f),
              labelLine({" 0.00E+00", " 2.00E-01", " 4.00E-01", " 6.00E-01", " 8.00E-01",
                         " 1.00E+00", " 1.20E+00", " 1.40E+00"},
                        6));
    // Nine divisions of 0.2 are too many: the step grows to 0.5.
    EXPECT_EQ(abscissaLabels(0.0f, 1.8f),
              labelLine({" 0.00E+00", " 5.00E-01", " 1.00E+00", " 1.50E+00"}, 21));
    // Negative limits round outward: -1.6 .. 0 in eight divisions of 0.2.
    EXPECT_EQ(abscissaLabels(-1.6f, 0.0f),
              labelLine({"-1.60E+00", "-1.40E+00", "-1.20E+00", "-1.00E+00", "-8.00E-01",
                         "-6.00E-01", "-4.00E-01", "-2.00E-01"},
                        6));
    // Nine divisions of 0.2 give way to three of 0.5: 40 columns each.
    EXPECT_EQ(abscissaLabels(0.9975f, 2.4975f),
              labelLine({" 1.00E+00", " 1.50E+00", " 2.00E+00"}, 31));
    // A range of a power of ten is read one decade down: steps of 2.
    EXPECT_EQ(abscissaLabels(0.0f, 10.0f),
              labelLine({" 0.00E+00", " 2.00E+00", " 4.00E+00", " 6.00E+00", " 8.00E+00"}, 15));
}

TEST(CharacterPlot, RowsPerOrdinateDivision) {
    // n divisions of 41 / n rows: 41, 37, 36 and 41 rows for n = 4, 6, 7, 8.
    for (const auto& [ymax, rows] : std::vector<std::pair<float, std::size_t>>{
             {4.0f, 41}, {6.0f, 37}, {7.0f, 36}, {1.6f, 41}}) {
        const std::vector<std::string> printed =
            lines(plot({0.0f, 4.0f, 0.0f, ymax}, {{DIAGONAL}}));
        EXPECT_EQ(printed.size(), rows + 1) << ymax;
    }
}

const std::string WARNING_HEAD =
    "\n\n\n **WARNING**\n\n WRONG RANGE IN X OR Y GIVEN TO SUBROUTINE DRPLOT:\n";

TEST(CharacterPlot, EmptyAbscissaRangeWarnsAndSkipsThePlot) {
    CharacterPlot plotter;
    PlotRange range{2.0f, 2.0f, -1.0f, 1.0f};
    EXPECT_EQ(plot(plotter, range, {{DIAGONAL}, {DIAGONAL}, {DIAGONAL}}), WARNING_HEAD +
                                                                              " XMIN= 2.00000E+00\n"
                                                                              " XMAX= 2.00000E+00\n"
                                                                              " YMIN=-1.00000E+00\n"
                                                                              " YMAX= 1.00000E+00\n"
                                                                              "\n\n");
    // The next plot starts afresh.
    PlotRange good{0.0f, 4.0f, 0.0f, 1.0f};
    EXPECT_EQ(plot(plotter, good, {{DIAGONAL}}), DIAGONAL_PLOT);
}

TEST(CharacterPlot, ConstantFirstCurveWarnsWithItsValue) {
    PlotRange range{0.0f, 4.0f, 1.0f, 1.0f};
    CharacterPlot plotter;
    EXPECT_EQ(plot(plotter, range, {{{0.3f, 0.3f}}}), WARNING_HEAD +
                                                          " XMIN= 0.00000E+00\n"
                                                          " XMAX= 4.00000E+00\n"
                                                          " YMIN= 3.00000E-01\n"
                                                          " YMAX= 3.00000E-01\n"
                                                          "\n\n");
}

TEST(CharacterPlot, UnscalableRangesWarnInsteadOfFailing) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const float huge = std::numeric_limits<float>::max();
    for (const PlotRange& range : std::vector<PlotRange>{{0.0f, nan, 0.0f, 1.0f},
                                                         {0.0f, 4.0f, -inf, 1.0f},
                                                         {-huge, huge, 0.0f, 1.0f},
                                                         {0.0f, 4.0f, 0.0f, 1.0e-39f}}) {
        const std::string printed = plot(range, {{DIAGONAL}});
        EXPECT_EQ(printed.substr(0, WARNING_HEAD.size()), WARNING_HEAD)
            << range.XMAX << ' ' << range.YMAX;
        EXPECT_EQ(printed.find("+---"), std::string::npos);
    }
    // The first curve's NaN leaves an empty ordinate range without limits.
    EXPECT_EQ(plot({0.0f, 4.0f, 0.0f, 0.0f}, {{{nan, 1.0f}}}).substr(0, WARNING_HEAD.size()),
              WARNING_HEAD);
}

}  // namespace
}  // namespace quelm
