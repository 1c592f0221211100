#include <memory>
#include <string>
#include <vector>

#include "viewer/language/drawing_commands.hpp"
#include "viewer/language/number_syntax.hpp"
#include "viewer/language/quote_text.hpp"
#include "viewer/language/result_codes.hpp"

namespace vexplot {

namespace {

// Reads the items after the first one into row and symbol, by the frame's
// order; returns the code that ended the statement, kBadNumber or a reader
// failure.
int readItems(CommandContext& context, std::vector<double>& row, SymbolCode& symbol) {
  const FrameState& frame = context.frame;
  std::string token;
  for (std::size_t item = 1;; ++item) {
    const int code = context.reader.nextToken(token);
    if (code != kDone) return code;
    if (item >= frame.columnOfItem.size()) continue;
    const int column = frame.columnOfItem[item];
    if (column == kItemIsSymbol) {
      symbol = makeSymbolCode(copyUnquoted(token, 2));
    } else if (column != kItemIsDummy) {
      int error = 0;
      row[static_cast<std::size_t>(column)] = parseNumber(token, error);
      if (error != 0) {
        context.messages.reportMessage(
            "Invalid number \"" + token + "\" in data line. Point ignored.\n", "com_data");
        return kBadNumber;
      }
    }
  }
}

}  // namespace

int dataLine(CommandContext& context, double first) {
  FrameState& frame = context.frame;
  // After a drawing command the next data line starts a new set.
  if (!frame.pointSet || frame.pointSetUsed) {
    frame.pointSet = std::make_unique<PointSet>(frame.numericCount());
  }
  std::vector<double> row(static_cast<std::size_t>(frame.numericCount()), 0.0);
  // The first item is always read as a number; it is kept only when the
  // order gives it a numeric column.
  if (!frame.columnOfItem.empty() && frame.columnOfItem[0] >= 0) {
    row[static_cast<std::size_t>(frame.columnOfItem[0])] = first;
  }
  SymbolCode symbol{'\0', '\0'};
  const int code = readItems(context, row, symbol);
  if (!endsStatement(code)) return code;
  frame.pointSet->append(row, symbol);
  frame.pointSetUsed = false;
  return statementEndStatus(code);
}

}  // namespace vexplot
