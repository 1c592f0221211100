#include "viewer/language/text_commands.hpp"

#include <array>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "viewer/language/keyword_match.hpp"
#include "viewer/language/number_syntax.hpp"
#include "viewer/language/quote_text.hpp"
#include "viewer/language/result_codes.hpp"

namespace vexplot {

namespace {

enum TitleWord {
  kLeftWord, kRightWord, kBottomWord, kTopWord, kXData, kYData, kData, kCenter, kAngle, kSize,
  kIndex, kLines, kSpace
};

constexpr std::array<std::string_view, 13> kTitleWords{
    "LEFT", "RIGHT", "BOTTOM", "TOP", "XDATA", "YDATA", "DATA",
    "CENTER", "ANGLE", "SIZE", "INDEX", "LINES", "SPACE"};

constexpr std::string_view kTitleRoutine = "com_title";
constexpr std::string_view kMoreRoutine = "com_more";

// What the operands of one TITLE statement gave.
struct TitleOperands {
  std::string text;
  int side = -1;
  int positionCount = 0;
  std::array<double, 2> position{0.0, 0.0};
  bool xIsData = false;
  bool yIsData = false;
  bool centred = false;
  double angle = 0.0;
  double lineSpacing = 2.0;
  double lineValue = 1.0;
  std::optional<double> size;
  // The keyword (ANGLE, SIZE, INDEX, LINES or SPACE) waiting for a number.
  std::optional<TitleWord> numberFor;
};

bool isString(const std::string& token) { return !token.empty() && token.front() == '\''; }

void takeKeyword(TitleOperands& operands, int word) {
  switch (word) {
    case kLeftWord:
    case kRightWord:
    case kBottomWord:
    case kTopWord: operands.side = word; break;
    case kXData: operands.xIsData = true; break;
    case kYData: operands.yIsData = true; break;
    case kData: operands.xIsData = operands.yIsData = true; break;
    case kCenter: operands.centred = true; break;
    default: operands.numberFor = static_cast<TitleWord>(word); break;
  }
}

// Takes a number; false for a third position number.
bool takeNumber(CommandContext& context, TitleOperands& operands, double value) {
  if (!operands.numberFor) {
    if (operands.positionCount == 2) return false;
    operands.position[operands.positionCount++] = value;
    return true;
  }
  switch (*operands.numberFor) {
    case kAngle: operands.angle = value; break;
    case kSize: operands.size = value; break;
    case kIndex: operands.lineSpacing = value; break;
    case kLines: operands.lineValue = value; break;
    default:
      // SPACE is not ready: every number after it is reported and ignored.
      context.messages.reportKeywordError("SPACE", kSpace);
      return true;
  }
  operands.numberFor.reset();
  return true;
}

// The title's character size: the SIZE number in tenths (its magnitude
// except at a position), else the frame's title size, half as large again
// for a title over the top side.
double titleSize(const FrameState& frame, const TitleOperands& operands, bool atPosition) {
  if (operands.size && *operands.size != 0.0) {
    const double size = *operands.size * 0.1;
    return atPosition ? size : std::abs(size);
  }
  return operands.side == kTop ? 1.5 * frame.titleSize : frame.titleSize;
}

TitleText makeTitle(const FrameState& frame, TitleOperands& operands) {
  TitleText title;
  title.frameNumber = frame.frameNumber;
  title.text = std::move(operands.text);
  title.lineValue = operands.lineValue;
  if (operands.side >= 0) {
    title.placement = operands.side;
    title.justification = 0.5;
    title.size = titleSize(frame, operands, false);
    return title;
  }
  title.angle = operands.angle;
  title.justification = operands.centred ? 0.5 : 0.0;
  if (operands.positionCount == 2) {
    title.placement = kTitleAtPosition;
    title.x = operands.position[0];
    title.y = operands.position[1];
    title.xIsData = operands.xIsData;
    title.yIsData = operands.yIsData;
    title.size = titleSize(frame, operands, true);
  } else {
    title.placement = kTitleBelowPrevious;
    title.lineSpacing = operands.lineSpacing;
    title.size = titleSize(frame, operands, false);
  }
  return title;
}

int queueTitle(FrameState& frame, TitleOperands& operands, int endCode) {
  frame.titles.push_back(makeTitle(frame, operands));
  return statementEndStatus(endCode);
}

std::string commandSyntaxError(TextCommandKind kind) {
  return std::string("Syntax error in ") + (kind == kMoreCommand ? "MORE" : "CASE") +
         " command.\n";
}

}  // namespace

int titleCommand(CommandContext& context) {
  TitleOperands operands;
  std::string token;
  for (;;) {
    const int code = context.reader.nextToken(token);
    if (endsStatement(code)) return queueTitle(context.frame, operands, code);
    if (code != kDone) {
      context.messages.reportMessage("Syntax error in TITLE command.\n", kTitleRoutine);
      return code;
    }
    if (isString(token)) {
      stripQuotes(token);
      operands.text = token;
      continue;
    }
    const int word = matchKeyword(token, kTitleWords);
    if (word >= 0) {
      takeKeyword(operands, word);
      continue;
    }
    int error = 0;
    const double value = parseNumber(token, error);
    if (error != 0) {
      context.messages.reportKeywordError(token, word);
      continue;
    }
    if (!takeNumber(context, operands, value)) {
      context.messages.reportMessage("Too many numbers in TTLE command.\n", kTitleRoutine);
      const int skipped = context.reader.skipStatement();
      return skipped >= kEndsFile ? skipped : kRejected;
    }
  }
}

int moreCommand(CommandContext& context, TextCommandKind kind) {
  std::string token;
  const int code = context.reader.nextToken(token);
  if (endsStatement(code)) return statementEndStatus(code);
  if (code != kDone || !isString(token)) {
    context.messages.reportMessage(commandSyntaxError(kind), kMoreRoutine);
    return code != kDone ? code : kTextError;
  }
  stripQuotes(token);
  std::vector<TitleText>& titles = context.frame.titles;
  if (titles.empty()) return kDone;
  if (kind == kMoreCommand) {
    appendText(titles.back(), token);
  } else {
    appendCase(titles.back(), token);
  }
  return kDone;
}

void appendText(TitleText& title, std::string_view text) {
  if (title.text.empty()) {
    title.text = text;
    title.caseLine.clear();
    return;
  }
  if (title.caseLine.size() < title.text.size()) title.caseLine.resize(title.text.size(), ' ');
  title.text += text;
}

void appendCase(TitleText& title, std::string_view letters) {
  if (title.caseLine.size() >= title.text.size()) return;
  title.caseLine += letters.substr(0, title.text.size() - title.caseLine.size());
}

}  // namespace vexplot
