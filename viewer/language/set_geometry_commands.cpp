#include <array>
#include <optional>
#include <string>
#include <vector>

#include "viewer/language/number_syntax.hpp"
#include "viewer/language/result_codes.hpp"
#include "viewer/language/operand_parser.hpp"
#include "viewer/language/set_subcommands.hpp"

namespace vexplot {

namespace {

// SET WINDOW and SET LIMIT: X or Y selects an axis and makes the next number
// its low value, FROM the low, TO (and OF, the panel form of the window) the
// high value; a number without such a word fills low, then high.
class RangeParser final : public OperandParser {
 public:
  enum Kind { kWindow, kLimit };

  RangeParser(CommandContext& context, Kind kind)
      : OperandParser(context, kind == kWindow ? "com_set_window" : "com_set_limit",
                      namedText("Syntax error in SET ", nameOf(kind), " command.\n"),
                      kind == kWindow ? std::span<const std::string_view>(kWindowWords)
                                      : std::span<const std::string_view>(kLimitWords)),
        kind_(kind) {}

 private:
  enum Word { kX, kY, kFrom, kTo, kOf };
  enum Slot { kNextFree, kLowSlot, kHighSlot };
  struct Collected {
    bool named = false;
    bool panel = false;
    int numbers = 0;
    std::optional<double> low;
    std::optional<double> high;
  };

  static constexpr std::array<std::string_view, 5> kWindowWords{"X", "Y", "FROM", "TO", "OF"};
  static constexpr std::array<std::string_view, 4> kLimitWords{"X", "Y", "FROM", "TO"};

  static std::string_view nameOf(Kind kind) { return kind == kWindow ? "WINDOW" : "LIMIT"; }

  int onKeyword(int index, const std::string&) override {
    if (index == kX || index == kY) {
      axis_ = index;
      axes_[index].named = true;
      slot_ = kLowSlot;
      return kDone;
    }
    if (axis_ < 0) return rejectAxisMissing();
    slot_ = index == kFrom ? kLowSlot : kHighSlot;
    if (index == kOf) axes_[axis_].panel = true;
    return kDone;
  }

  int onNumber(double value, const std::string&) override {
    if (axis_ < 0) return rejectAxisMissing();
    Collected& axis = axes_[axis_];
    if (axis.numbers == 2) {
      return reject(namedText("Too many numbers in SET ", nameOf(kind_), " command.\n"));
    }
    ++axis.numbers;
    const bool toLow = slot_ == kLowSlot || (slot_ == kNextFree && !axis.low);
    (toLow ? axis.low : axis.high) = value;
    slot_ = kNextFree;
    return kDone;
  }

  int apply() override {
    for (const Collected& axis : axes_) {
      if (!axis.named) continue;
      if (!axis.low || !axis.high) return reject("Max and Min must be defined simultaneously.\n");
      if (!validRange(axis)) {
        return reject(namedText("Invalid ", nameOf(kind_), " range.\n"));
      }
    }
    AxisRanges ranges;
    bool any = false;
    for (int i : {kAxisX, kAxisY}) {
      // The panel form is checked but does not move the window.
      if (!axes_[i].named || axes_[i].panel) continue;
      ranges[i] = {true, *axes_[i].low, *axes_[i].high};
      any = true;
    }
    if (!any) return kDone;
    FrameState& frame = context_.frame;
    return kind_ == kWindow ? frame.setWindow(context_.drawing, ranges)
                            : frame.setLimits(context_.drawing, ranges);
  }

  bool validRange(const Collected& axis) const {
    if (kind_ == kLimit) return *axis.low != *axis.high;
    if (axis.panel) return *axis.low >= 1.0 && *axis.high >= 1.0 && *axis.low <= *axis.high;
    return *axis.low < *axis.high;
  }

  int rejectAxisMissing() {
    return reject(
        namedText("Syntax error in SET ", nameOf(kind_), " command. X or Y must be defined.\n"));
  }

  Kind kind_;
  int axis_ = -1;
  Slot slot_ = kNextFree;
  std::array<Collected, 2> axes_;
};

// SET AXIS, TICKS and LABELS: a side word or ALL chooses the side of the
// following ON or OFF (all four when none was chosen); SIZE makes the
// following numbers sizes.
class SideParser final : public OperandParser {
 public:
  SideParser(CommandContext& context, SideFlag kind)
      : OperandParser(context, "com_set_axis",
                      namedText("Syntax error in SET ", nameOf(kind), " command.\n"), kWords),
        kind_(kind) {}

 private:
  enum Word { kAll = 4, kOff = 5, kOn = 6, kSize = 7 };
  struct Switch {
    int side;
    bool on;
  };

  static constexpr std::array<std::string_view, 8> kWords{"LEFT", "RIGHT", "BOTTOM", "TOP",
                                                          "ALL",  "OFF",   "ON",     "SIZE"};

  static std::string_view nameOf(SideFlag kind) {
    return kind == kAxisFlag ? "AXIS" : kind == kTicksFlag ? "TICKS" : "LABELS";
  }

  int onKeyword(int index, const std::string&) override {
    if (index <= kAll) {
      side_ = index;  // the four sides, then ALL (kAllSides)
    } else if (index == kSize) {
      sizing_ = true;
    } else {
      switches_.push_back({side_, index == kOn});
    }
    return kDone;
  }

  int onNumber(double value, const std::string&) override {
    if (!sizing_) return rejectSyntax();
    size_ = value;
    return kDone;
  }

  int apply() override {
    FrameState& frame = context_.frame;
    for (const Switch& s : switches_) frame.setSideFlag(kind_, s.side, s.on);
    if (size_ && kind_ == kTicksFlag) frame.setTickSize(*size_);
    if (size_ && kind_ == kLabelsFlag) frame.setLabelSize(*size_ * 0.1);
    return kDone;
  }

  SideFlag kind_;
  int side_ = kAllSides;
  bool sizing_ = false;
  std::vector<Switch> switches_;
  std::optional<double> size_;
};

// SET SCALE: X or Y chooses the axis that LINEAR or LOGARITHMIC and up to two
// following numbers (the tick parameters) apply to.
class ScaleParser final : public OperandParser {
 public:
  explicit ScaleParser(CommandContext& context)
      : OperandParser(context, "com_set_scale", "Syntax error in SET SCALE command.\n", kWords) {}

 private:
  enum Word { kX, kY, kLinear, kLogarithmic };

  static constexpr std::array<std::string_view, 4> kWords{"X", "Y", "LINEAR", "LOGARITHMIC"};

  int onKeyword(int index, const std::string&) override {
    if (index == kX || index == kY) {
      closeAxis();
      axis_ = index;
      return kDone;
    }
    if (axis_ < 0) return rejectAxisMissing();
    logarithmic_[axis_] = index == kLogarithmic;
    return kDone;
  }

  int onNumber(double value, const std::string&) override {
    if (axis_ < 0) return rejectAxisMissing();
    if (pending_.size() == 2) return rejectSyntax();
    pending_.push_back(truncateToInt(value));
    return kDone;
  }

  int apply() override {
    closeAxis();
    for (int axis : {kAxisX, kAxisY}) {
      if (logarithmic_[axis]) context_.frame.setScale(axis, *logarithmic_[axis]);
      if (tickParams_[axis]) {
        context_.frame.setTickParams(axis, (*tickParams_[axis])[0], (*tickParams_[axis])[1]);
      }
    }
    return kDone;
  }

  // The numbers read after an axis word become its tick parameters.
  void closeAxis() {
    if (axis_ < 0 || pending_.empty()) return;
    tickParams_[axis_] = std::array<int, 2>{pending_[0], pending_.size() > 1 ? pending_[1] : 0};
    pending_.clear();
  }

  int rejectAxisMissing() { return reject("X/Y not specified in SET SCALE command.\n"); }

  int axis_ = -1;
  std::vector<int> pending_;
  std::array<std::optional<bool>, 2> logarithmic_;
  std::array<std::optional<std::array<int, 2>>, 2> tickParams_;
};

// SET SIZE: the page's width and height; the word BY may stand between them.
class PageSizeParser final : public OperandParser {
 public:
  explicit PageSizeParser(CommandContext& context)
      : OperandParser(context, "com_set_size", "Syntax error in SET SIZE command.\n", kWords, {},
                      "com_set_box") {}

 private:
  static constexpr std::array<std::string_view, 1> kWords{"BY"};
  static constexpr std::string_view kCountMessage = "SET SIZE must define 2 parameters.";

  int onKeyword(int, const std::string&) override { return kDone; }

  int onNumber(double value, const std::string&) override {
    if (sizes_.size() == 2) return reject(kCountMessage);
    sizes_.push_back(value);
    return kDone;
  }

  int apply() override {
    if (sizes_.size() != 2) return reject(kCountMessage);
    if (sizes_[0] <= 0.0 || sizes_[1] <= 0.0) return reject("Invalid window size in SET SIZE.");
    context_.frame.setPageSize(sizes_[0], sizes_[1]);
    return kDone;
  }

  std::vector<double> sizes_;
};

}  // namespace

int setWindowCommand(CommandContext& context) {
  return RangeParser(context, RangeParser::kWindow).run();
}

int setLimitCommand(CommandContext& context) {
  return RangeParser(context, RangeParser::kLimit).run();
}

int setSideCommand(CommandContext& context, SideFlag kind) { return SideParser(context, kind).run(); }

int setScaleCommand(CommandContext& context) { return ScaleParser(context).run(); }

int setSizeCommand(CommandContext& context) { return PageSizeParser(context).run(); }

}  // namespace vexplot
