#include <array>
#include <climits>
#include <span>
#include <string>
#include <string_view>

#include "viewer/language/drawing_commands.hpp"
#include "viewer/language/frame_drawing.hpp"
#include "viewer/language/language_tables.hpp"
#include "viewer/language/number_syntax.hpp"
#include "viewer/language/operand_parser.hpp"
#include "viewer/language/result_codes.hpp"

namespace vexplot {

namespace {

// What an operand word of PLOT, JOIN, HISTOGRAM or LIST does. The colour
// names that follow a command's own words set the colour.
enum class Role { kNothing, kFirstPoint, kLastPoint, kText, kAxesOnly, kTexture };

struct OperandWord {
  Role role;
  int texture = kFrameTexture;  // for kTexture
};

// The operands collected from one statement.
struct RangeOperands {
  PointRange range;
  bool rangeGiven = false;
  bool text = false;
  bool axesOnly = false;
  int texture = kFrameTexture;
  int colour = kFrameColour;
};

// A command of this family: its messages, operand words and action.
struct RangeCommand {
  std::string_view routine;
  std::string_view syntaxRoutine;
  std::string_view syntaxMessage;
  std::string_view tooManyMessage;
  std::string_view rangeMessage;
  // JOIN and HISTOGRAM ignore numbers until POINTS or TO (the solver writes
  // JOIN 1).
  bool numbersNeedRangeWord;
  // PLOT, JOIN and HISTOGRAM drop the rest of the statement after a word
  // they do not know; LIST leaves it to the interpreter.
  bool skipAfterUnknownWord;
  std::span<const std::string_view> words;
  std::span<const unsigned char> marks;
  std::span<const OperandWord> ownWords;  // then the colour names
  int (*act)(CommandContext& context, const RangeOperands& operands);
};

// A point number counted from 1 as an index counted from 0.
int pointIndex(double number) {
  const int n = truncateToInt(number);
  return n == INT_MIN ? n : n - 1;
}

class RangeCommandParser final : public OperandParser {
 public:
  RangeCommandParser(CommandContext& context, const RangeCommand& command)
      : OperandParser(context, command.routine, std::string(command.syntaxMessage), command.words,
                      command.marks, command.syntaxRoutine),
        command_(command) {}

 private:
  enum class Slot { kNext, kFirst, kLast };

  int onKeyword(int index, const std::string&) override {
    const std::size_t own = command_.ownWords.size();
    if (static_cast<std::size_t>(index) >= own) {
      operands_.colour = index - static_cast<int>(own);
      return kDone;
    }
    const OperandWord& word = command_.ownWords[static_cast<std::size_t>(index)];
    switch (word.role) {
      case Role::kFirstPoint:
      case Role::kLastPoint:
        rangeWordSeen_ = true;
        slot_ = word.role == Role::kFirstPoint ? Slot::kFirst : Slot::kLast;
        break;
      case Role::kText: operands_.text = true; break;
      case Role::kAxesOnly: operands_.axesOnly = true; break;
      case Role::kTexture: operands_.texture = word.texture; break;
      case Role::kNothing: break;
    }
    return kDone;
  }

  // The first number fills the first index and the second the last, unless
  // POINTS (FROM) or TO named the slot.
  int onNumber(double value, const std::string&) override {
    if (command_.numbersNeedRangeWord && !rangeWordSeen_) return kDone;
    if (numbers_ == 2) return warn(command_.tooManyMessage);
    ++numbers_;
    Slot slot = slot_;
    if (slot == Slot::kNext) slot = firstGiven_ ? Slot::kLast : Slot::kFirst;
    if (slot == Slot::kFirst) {
      operands_.range.first = pointIndex(value);
      firstGiven_ = true;
    } else {
      operands_.range.last = pointIndex(value);
    }
    operands_.rangeGiven = true;
    slot_ = Slot::kNext;
    return kDone;
  }

  int onOtherWord(int match, const std::string& token) override {
    return command_.skipAfterUnknownWord ? rejectWordAndSkip(match, token)
                                         : OperandParser::onOtherWord(match, token);
  }

  int apply() override {
    if (operands_.rangeGiven && operands_.range.first < 0) {
      context_.messages.reportMessage(command_.rangeMessage, command_.routine);
      return kSyntaxError;
    }
    return command_.act(context_, operands_);
  }

  const RangeCommand& command_;
  RangeOperands operands_;
  bool rangeWordSeen_ = false;
  bool firstGiven_ = false;
  int numbers_ = 0;
  Slot slot_ = Slot::kNext;
};

int runRangeCommand(CommandContext& context, const RangeCommand& command) {
  return RangeCommandParser(context, command).run();
}

// Drawing commands leave the points to the next drawing command; the next
// data line starts a new set.
int plotPoints(CommandContext& context, const RangeOperands& operands) {
  if (operands.axesOnly) return context.drawing.drawPendingAxes(context.frame);
  const int status = context.drawing.plotSymbols(context.frame, operands.range, !operands.text,
                                                 operands.colour);
  context.frame.pointSetUsed = true;
  return status;
}

int joinCurve(CommandContext& context, const RangeOperands& operands) {
  const int status = context.drawing.joinPoints(context.frame, operands.range, operands.texture,
                                                !operands.text, operands.colour);
  context.frame.pointSetUsed = true;
  return status;
}

int drawHistogram(CommandContext& context, const RangeOperands& operands) {
  const int status =
      context.drawing.histogram(context.frame, operands.range, operands.texture, operands.colour);
  context.frame.pointSetUsed = true;
  return status;
}

int listNothing(CommandContext&, const RangeOperands&) { return kDone; }

constexpr auto kPlotWords =
    withColourNames(std::array<std::string_view, 5>{"TEXT", "POINTS", "TO", "AXIS", "AXES"});
constexpr auto kPlotMarks = withColourMarks(std::array<unsigned char, 5>{0, 0, 0, 0, 1});
constexpr std::array<OperandWord, 5> kPlotOwnWords{
    {{Role::kText}, {Role::kFirstPoint}, {Role::kLastPoint}, {Role::kAxesOnly}, {Role::kAxesOnly}}};

constexpr auto kJoinWords = withColourNames(kTextureWords);
constexpr auto kJoinMarks = withColourMarks(kTextureMarks);
// The eight texture words SOLID, DASH, DASHES, DASHED, DOTDASH, DOT, DOTS and
// PATTERNED, shared by JOIN and HISTOGRAM.
constexpr std::array<OperandWord, 8> kTextureOperands{{{Role::kTexture, kSolid},
                                                       {Role::kTexture, kDash},
                                                       {Role::kTexture, kDash},
                                                       {Role::kTexture, kDash},
                                                       {Role::kTexture, kDotDash},
                                                       {Role::kTexture, kDot},
                                                       {Role::kTexture, kDot},
                                                       {Role::kTexture, kPatterned}}};

// The texture words followed by a command's further words.
template <std::size_t N>
constexpr std::array<OperandWord, 8 + N> afterTextures(const std::array<OperandWord, N>& more) {
  std::array<OperandWord, 8 + N> words{};
  for (std::size_t i = 0; i < 8; ++i) words[i] = kTextureOperands[i];
  for (std::size_t i = 0; i < N; ++i) words[8 + i] = more[i];
  return words;
}

constexpr auto kJoinOwnWords = afterTextures(std::array<OperandWord, 5>{
    {{Role::kText}, {Role::kFirstPoint}, {Role::kLastPoint}, {Role::kNothing}, {Role::kNothing}}});

constexpr auto kHistogramWords = withColourNames(std::array<std::string_view, 10>{
    "SOLID", "DASH", "DASHES", "DASHED", "DOTDASH", "DOT", "DOTS", "PATTERNED", "POINTS", "TO"});
constexpr auto kHistogramMarks =
    withColourMarks(std::array<unsigned char, 10>{0, 0, 1, 1, 0, 0, 1, 0, 0, 0});
constexpr auto kHistogramOwnWords =
    afterTextures(std::array<OperandWord, 2>{{{Role::kFirstPoint}, {Role::kLastPoint}}});

constexpr std::array<std::string_view, 3> kListWords{"POINTS", "FROM", "TO"};
constexpr std::array<OperandWord, 3> kListOwnWords{
    {{Role::kFirstPoint}, {Role::kFirstPoint}, {Role::kLastPoint}}};

}  // namespace

int plotCommand(CommandContext& context) {
  static constexpr RangeCommand kPlot{"com_plot", "com_plot", "Syntax error in PLOT command.\n",
                                      "Too many numbers in PLOT command.\n",
                                      "Wrong range of points in PLOT command\n", false, true,
                                      kPlotWords, kPlotMarks, kPlotOwnWords, plotPoints};
  return runRangeCommand(context, kPlot);
}

int joinCommand(CommandContext& context) {
  static constexpr RangeCommand kJoin{"com_join", "com_jon", "Syntax error in JOIN command\n",
                                      "Too many numbers in JOIN command.\n",
                                      "Wrong range of points in JOIN command.\n", true, true,
                                      kJoinWords, kJoinMarks, kJoinOwnWords, joinCurve};
  return runRangeCommand(context, kJoin);
}

int histogramCommand(CommandContext& context) {
  static constexpr RangeCommand kHistogram{
      "com_histogram", "com_histogram", "Syntax error in HISTOGRAM command.\n",
      "Too many numbers in HISTOGRAM command.\n", "Wrong range of points in HISTOGRAM command.\n",
      true, true, kHistogramWords, kHistogramMarks, kHistogramOwnWords, drawHistogram};
  return runRangeCommand(context, kHistogram);
}

int listCommand(CommandContext& context) {
  static constexpr RangeCommand kList{"com_list", "com_list", "Syntax error in LIST command.\n",
                                      "Too many numbers in LIST command.\n",
                                      "Wrong range of points in LIST command.\n", false, false,
                                      kListWords, {}, kListOwnWords, listNothing};
  return runRangeCommand(context, kList);
}

}  // namespace vexplot
