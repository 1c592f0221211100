#include "viewer/language/set_command.hpp"

#include <array>
#include <string>
#include <string_view>

#include "viewer/language/keyword_match.hpp"
#include "viewer/language/result_codes.hpp"
#include "viewer/language/set_subcommands.hpp"
#include "viewer/language/statement_skip.hpp"

namespace vexplot {

namespace {

// The SET table. BAR and SIZE stand twice, so neither can be abbreviated.
enum SetWord {
  kArrow, kAxis, kAxes, kBar, kBox, kColor, kDiamond, kEllipse, kCircle, kFont, kIntensity,
  kLabels, kLimit, kLimits, kOrder, kPattern, kScale, kSize, kSymbol, kTexture, kTicks, kTitle,
  kWindow, kGrid, kBarAgain, kCard, kDevice, kFile, kFormat, kMode, kOutline, kSizeAgain, kStorage
};

constexpr std::array<std::string_view, 33> kSetWords{
    "ARROW",   "AXIS",   "AXES",   "BAR",   "BOX",     "COLOR", "DIAMOND", "ELLIPSE", "CIRCLE",
    "FONT",    "INTENSITY", "LABELS", "LIMIT", "LIMITS", "ORDER", "PATTERN", "SCALE", "SIZE",
    "SYMBOL",  "TEXTURE", "TICKS", "TITLE", "WINDOW", "GRID",   "BAR",     "CARD",    "DEVICE",
    "FILE",    "FORMAT", "MODE",   "OUTLINE", "SIZE",  "STORAGE"};
constexpr std::array<unsigned char, 33> kSetMarks{0, 0, 1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0,
                                                  0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};

// The subcommands that are recognised but not ready: their statement is
// dropped with a report.
int notReadySubcommand(CommandContext& context, int word) {
  const std::string name = "SET " + std::string(kSetWords[word]);
  const int code = skipNotReadyStatement(context.reader, context.messages, name);
  return code >= kEndsFile ? code : kDone;
}

int runSubcommand(CommandContext& context, int word) {
  switch (word) {
    case kArrow: return setArrowCommand(context);
    case kAxis: return setSideCommand(context, kAxisFlag);
    case kTicks: return setSideCommand(context, kTicksFlag);
    case kLabels: return setSideCommand(context, kLabelsFlag);
    case kBox: return setFigureCommand(context, kFigureBox, "BOX");
    case kDiamond: return setFigureCommand(context, kFigureDiamond, "DIAMOND");
    case kEllipse: return setFigureCommand(context, kFigureEllipse, "ELLIPSE/CIRCLE");
    case kColor: return setColourCommand(context);
    case kFont: return setFontCommand(context);
    case kIntensity: return setIntensityCommand(context);
    case kLimit: return setLimitCommand(context);
    case kOrder: return setOrderCommand(context);
    case kPattern: return setPatternCommand(context);
    case kScale: return setScaleCommand(context);
    case kSize:
    case kSizeAgain: return setSizeCommand(context);
    case kSymbol: return setSymbolCommand(context);
    case kTexture: return setTextureCommand(context);
    case kTitle: return setTitleCommand(context);
    case kWindow: return setWindowCommand(context);
    case kGrid: return setGridCommand(context);
    default: return notReadySubcommand(context, word);
  }
}

}  // namespace

int setCommand(CommandContext& context) {
  std::string word;
  const int code = context.reader.nextToken(word);
  if (endsStatement(code)) {
    context.messages.reportMessage("Syntax error in SET command\n", "com_set");
    return kSyntaxError;
  }
  if (code != kDone) return code;
  const int match = matchKeywordWithAliases(word, kSetWords, kSetMarks);
  if (match < 0) {
    context.messages.reportKeywordError(word, match);
    return kSyntaxError;
  }
  return runSubcommand(context, match);
}

}  // namespace vexplot
