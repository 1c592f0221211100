#include "solver/io/character_plot.hpp"

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <optional>
#include <string>
#include <tuple>
#include <utility>

#include "solver/io/edit_descriptors.hpp"

namespace quelm {
namespace {

constexpr int MAX_SYMBOLS = 7;

// The divisions of an axis before they are laid onto the grid.
struct Divisions {
    int lowIndex;
    int highIndex;
    float step;
};

// A range too narrow to be scaled.
bool isEmptyRange(float min, float max) { return max - min - std::fabs(max + min) * 0.0005f <= 0.0f; }

// 10**e in single precision (exact for |e| <= 10, correctly rounded
// reciprocal below 1).
float powerOfTen(int e) {
    float p = 1.0f;
    for (int i = 0; i < std::abs(e); ++i)
        p *= 10.0f;
    return e < 0 ? 1.0f / p : p;
}

// Truncates toward zero; false for values beyond any sensible grid index
// (the conversion would otherwise be undefined).
bool truncated(float v, int& result) {
    if (!(std::fabs(v) < 1.0e6f)) return false;
    result = static_cast<int>(v);
    return true;
}

// Divides min..max into 3 to 8 divisions of 0.2, 0.5, 1 or 2 times a power
// of ten; nothing when the range cannot be scaled in single precision.
// Three divisions occur when nine divisions of 0.2 give way to divisions of
// 0.5 and the range is a whole number of them to within the 0.01 tolerance
// (0.9975 .. 2.4975 in divisions 1, 1.5, 2).
std::optional<Divisions> divideAxis(float min, float max) {
    // Step factor by the leading digit k of the range (k = 10 when the range
    // is a power of ten, which the 199.999 below places one decade down).
    static constexpr std::array<float, 10> STEP_FACTOR{0.2f, 0.5f, 0.5f, 1.0f, 1.0f, 1.0f, 1.0f, 2.0f, 2.0f, 2.0f};
    const float range = max - min;
    if (!std::isfinite(min) || !std::isfinite(max) || !(range >= FLT_MIN && range <= FLT_MAX)) {
        return std::nullopt;
    }
    const int e = static_cast<int>(std::log10(range) + 199.999f) - 200;
    const float unit = powerOfTen(e);
    int k = 0;
    if (!truncated(range / unit, k) || k < 1 || k > 10) return std::nullopt;
    for (;; ++k) {
        const float step = unit * STEP_FACTOR[static_cast<std::size_t>(k - 1)];
        int high = 0;
        int low = 0;
        if (!truncated(max >= 0.0f ? max / step + 0.99f : max / step + 0.01f, high) ||
            !truncated(min >= 0.0f ? min / step + 0.01f : min / step - 0.99f, low)) {
            return std::nullopt;
        }
        const int n = high - low;
        if (n <= 8) return n >= 1 ? std::optional<Divisions>{{low, high, step}} : std::nullopt;
        if (k == 10) return std::nullopt;
    }
}

// The 1-based grid index trunc(v) when it lies in 1..cells, else 0.
int cellIndex(float v, int cells) {
    if (!(v >= 1.0f && v < static_cast<float>(cells + 1))) return 0;
    return static_cast<int>(v);
}

std::pair<float, float> extremes(const float* values, int n) {
    float low = values[0];
    float high = values[0];
    for (int i = 1; i < n; ++i) {
        if (values[i] < low) low = values[i];
        if (values[i] > high) high = values[i];
    }
    return {low, high};
}

char plotSymbol(char symbol, int curve) {
    const auto code = static_cast<unsigned char>(symbol);
    if (code <= 9) return static_cast<char>('0' + code);
    if (symbol == ' ') return static_cast<char>('0' + curve % 10);
    return symbol;
}

void writeRangeWarning(std::ostream& out, const PlotRange& range) {
    using edit::PE;
    out << "\n\n\n **WARNING**\n\n WRONG RANGE IN X OR Y GIVEN TO SUBROUTINE DRPLOT:\n"
        << " XMIN=" << PE(range.XMIN, 12, 5) << "\n XMAX=" << PE(range.XMAX, 12, 5)
        << "\n YMIN=" << PE(range.YMIN, 12, 5) << "\n YMAX=" << PE(range.YMAX, 12, 5) << "\n\n\n";
}

}  // namespace

void CharacterPlot::DRPLOT(std::ostream& UNIT, const float* X, const float* Y, int N, char SYMBOL, int MODE,
                           PlotRange& RANGE, int MORE) {
    ++curveCount_;
    if (curveCount_ == 1) skipped_ = !startPlot(UNIT, X, Y, N, MODE, RANGE);
    if (!skipped_) addCurve(X, Y, N, symbolNumber(plotSymbol(SYMBOL, curveCount_)), MODE, RANGE);
    if (MORE != 0) return;
    if (!skipped_) print(UNIT);
    curveCount_ = 0;
}

// Clears the grid and fixes the scaling from RANGE (or the data when a
// range is empty); false, after the warning, when there is no usable range.
bool CharacterPlot::startPlot(std::ostream& UNIT, const float* X, const float* Y, int N, int MODE, PlotRange& RANGE) {
    grid_ = {};
    symbolsAssigned_ = 0;
    if (isEmptyRange(RANGE.XMIN, RANGE.XMAX) && MODE != 0 && N > 0) {
        std::tie(RANGE.XMIN, RANGE.XMAX) = extremes(X, N);
    }
    std::optional<Divisions> columns, rows;
    if (!isEmptyRange(RANGE.XMIN, RANGE.XMAX)) {
        if (isEmptyRange(RANGE.YMIN, RANGE.YMAX) && N > 0) {
            std::tie(RANGE.YMIN, RANGE.YMAX) = extremes(Y, N);
        }
        if (!isEmptyRange(RANGE.YMIN, RANGE.YMAX)) {
            columns = divideAxis(RANGE.XMIN, RANGE.XMAX);
            rows = divideAxis(RANGE.YMIN, RANGE.YMAX);
        }
    }
    if (!columns || !rows) {
        writeRangeWarning(UNIT, RANGE);
        return false;
    }
    x_ = {columns->lowIndex, columns->highIndex, columns->step};
    x_.cellsPerDivision = (COLUMNS - 1) / x_.divisions();
    x_.cellSize = x_.step / static_cast<float>(x_.cellsPerDivision);
    x_.origin = static_cast<float>(x_.lowIndex) * x_.step;
    y_ = {rows->lowIndex, rows->highIndex, rows->step};
    y_.cellsPerDivision = (ROWS - 1) / y_.divisions();
    y_.cellSize = y_.step / static_cast<float>(y_.cellsPerDivision);
    y_.origin = static_cast<float>(y_.highIndex) * y_.step;
    return true;
}

int CharacterPlot::symbolNumber(char symbol) {
    const int known = std::min(symbolsAssigned_, MAX_SYMBOLS);
    for (int number = 1; number <= known; ++number) {
        if (symbols_[static_cast<std::size_t>(number)] == symbol) return number;
    }
    const int number = symbolsAssigned_ % MAX_SYMBOLS + 1;
    symbols_[static_cast<std::size_t>(number)] = symbol;
    ++symbolsAssigned_;
    return number;
}

void CharacterPlot::addCurve(const float* X, const float* Y, int N, int number, int MODE, const PlotRange& RANGE) {
    const float firstColumn = (RANGE.XMIN - x_.origin) / x_.cellSize + 1.5f;
    const float spanColumns = (RANGE.XMAX - RANGE.XMIN) / x_.cellSize;
    const auto intervals = static_cast<float>(std::max(N - 1, 1));
    for (int i = 0; i < N; ++i) {
        const float column = MODE == 0 ? firstColumn + static_cast<float>(i) * spanColumns / intervals
                                       : (X[i] - x_.origin) / x_.cellSize + 1.5f;
        const int c = cellIndex(column, COLUMNS);
        const int r = cellIndex((y_.origin - Y[i]) / y_.cellSize + 1.5f, ROWS);
        // The sum bound leaves out the corner cell (121, 42), below any
        // printed row.
        if (c > 0 && r > 0 && c + r < 163) {
            grid_[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(c - 1)] = static_cast<std::uint8_t>(number);
        }
    }
}

// Rows from the top: division rows carry their ordinate and a dashed line
// with "+" on the abscissa divisions, the rows between them an "I" there.
// Below them, one label per abscissa division, centred on its column.  A
// label is its division number times the step, so the zero line reads 0
// rather than the rounding residue of summed row heights.
void CharacterPlot::print(std::ostream& UNIT) const {
    using edit::PE;
    const int columns = x_.usedCells();
    for (int row = 0; row < y_.usedCells(); ++row) {
        const bool divisionRow = row % y_.cellsPerDivision == 0;
        if (divisionRow) {
            const int division = y_.highIndex - row / y_.cellsPerDivision;
            UNIT << PE(static_cast<float>(division) * y_.step, 10, 2) << ' ';
        } else {
            UNIT << edit::X(11);
        }
        std::string line(static_cast<std::size_t>(columns), divisionRow ? '-' : ' ');
        for (int column = 0; column < columns; ++column) {
            const std::uint8_t cell = grid_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
            if (cell != 0) {
                line[static_cast<std::size_t>(column)] = symbols_[cell];
            } else if (column % x_.cellsPerDivision == 0) {
                line[static_cast<std::size_t>(column)] = divisionRow ? '+' : 'I';
            }
        }
        UNIT << line << '\n';
    }
    UNIT << '0' << edit::X(6);
    for (int j = 0; j < x_.divisions(); ++j) {
        if (j > 0) UNIT << edit::X(x_.cellsPerDivision - 9);
        UNIT << PE(static_cast<float>(x_.lowIndex + j) * x_.step, 9, 2);
    }
    UNIT << '\n';
}

}  // namespace quelm
