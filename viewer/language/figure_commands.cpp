#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "viewer/language/drawing_commands.hpp"
#include "viewer/language/language_tables.hpp"
#include "viewer/language/operand_parser.hpp"
#include "viewer/language/result_codes.hpp"

namespace vexplot {

namespace {

// ARROW: FROM and TO select an end and take its x and y; DATA and LESS
// (after FROM or TO) mark that end as data coordinates or give the gap left
// free there; SIZE and FLARE take the head's length (in tenths of a page
// unit) and width ratio, after which a keyword must come before the next
// number.
class ArrowParser final : public OperandParser {
 public:
  explicit ArrowParser(CommandContext& context)
      : OperandParser(context, "com_arrow", "Syntax error in ARROW command.\n", kWords, kMarks) {}

 private:
  enum Word { kFrom, kTo, kData, kLess, kSize, kFlare, kFlair, kOwnWords };
  enum class Target { kCoordinate, kGap, kHeadLength, kFlare, kKeywordNeeded };
  struct End {
    ArrowEnd position;
    int coordinates = 0;
  };

  static constexpr auto kWords = withColourNames(
      std::array<std::string_view, kOwnWords>{"FROM", "TO", "DATA", "LESS", "SIZE", "FLARE", "FLAIR"});
  static constexpr auto kMarks = withColourMarks(std::array<unsigned char, kOwnWords>{0, 0, 0, 0, 0, 0, 1});

  int onKeyword(int index, const std::string&) override {
    switch (index) {
      case kFrom:
      case kTo:
        end_ = index;
        target_ = Target::kCoordinate;
        return kDone;
      case kData:
        if (end_ < 0) return rejectSyntaxAndSkip();
        ends_[end_].position.isData = true;
        target_ = Target::kCoordinate;
        return kDone;
      case kLess:
        if (end_ < 0) return rejectSyntaxAndSkip();
        target_ = Target::kGap;
        return kDone;
      case kSize: target_ = Target::kHeadLength; return kDone;
      case kFlare: target_ = Target::kFlare; return kDone;
      default: colour_ = index - kOwnWords; return kDone;
    }
  }

  int onNumber(double value, const std::string&) override {
    switch (target_) {
      case Target::kCoordinate: return takeCoordinate(value);
      case Target::kGap:
        ends_[end_].position.gap = value;
        target_ = Target::kCoordinate;
        return kDone;
      case Target::kHeadLength:
        headLength_ = value;
        target_ = Target::kKeywordNeeded;
        return kDone;
      case Target::kFlare:
        flare_ = value;
        target_ = Target::kKeywordNeeded;
        return kDone;
      case Target::kKeywordNeeded: break;
    }
    return rejectSyntaxAndSkip();
  }

  int takeCoordinate(double value) {
    if (end_ < 0) return rejectSyntaxAndSkip();
    End& end = ends_[end_];
    if (end.coordinates == 2) return warn("Too many numbers in ARROW command.\n");
    (end.coordinates == 0 ? end.position.x : end.position.y) = value;
    ++end.coordinates;
    return kDone;
  }

  int apply() override {
    if (ends_[kFrom].coordinates < 2 || ends_[kTo].coordinates < 2) {
      context_.messages.reportMessage("FROM and/or TO position not defined in ARROW command.\n",
                                      "com_arrow");
      return kSyntaxError;
    }
    FrameState& frame = context_.frame;
    QueuedArrow arrow;
    arrow.from = ends_[kFrom].position;
    arrow.to = ends_[kTo].position;
    arrow.headLength = headLength_ ? *headLength_ * 0.1 : frame.arrowSize;
    arrow.headWidthRatio = flare_ ? *flare_ : frame.arrowFlare;
    arrow.colour = colour_ ? *colour_ : frame.colour;
    frame.addArrow(arrow);
    return kDone;
  }

  int end_ = -1;
  Target target_ = Target::kCoordinate;
  std::array<End, 2> ends_;
  std::optional<double> headLength_;
  std::optional<double> flare_;
  std::optional<int> colour_;
};

// BOX, DIAMOND and ELLIPSE: numbers before SIZE are the centre, after it the
// width and height (one number gives both); DATA marks the centre as data
// coordinates.
class FigureParser final : public OperandParser {
 public:
  FigureParser(CommandContext& context, int figure)
      : OperandParser(context, "com_box", namedText("Syntax error in ", nameOf(figure), " command\n"),
                      kWords, kMarks),
        figure_(figure) {}

 private:
  enum Word { kData, kSize, kOwnWords };

  static constexpr auto kWords = withColourNames(std::array<std::string_view, kOwnWords>{"DATA", "SIZE"});
  static constexpr auto kMarks = withColourMarks(std::array<unsigned char, kOwnWords>{0, 0});

  // ELLIPSE and CIRCLE reach the same handler, which cannot tell them apart.
  static std::string_view nameOf(int figure) {
    return figure == kFigureBox ? "BOX" : figure == kFigureDiamond ? "DIAMOND" : "ELLIPSE/CIRCLE";
  }

  int onKeyword(int index, const std::string&) override {
    if (index == kData) {
      isData_ = true;
    } else if (index == kSize) {
      sizing_ = true;
      size_.clear();
    } else {
      colour_ = index - kOwnWords;
    }
    return kDone;
  }

  int onNumber(double value, const std::string&) override {
    std::vector<double>& group = sizing_ ? size_ : centre_;
    if (group.size() == 2) {
      return warn(namedText("Too many numbers in ", nameOf(figure_), " command.\n"));
    }
    group.push_back(value);
    return kDone;
  }

  int onOtherWord(int match, const std::string& token) override {
    return rejectWordAndSkip(match, token);
  }

  int apply() override {
    if (centre_.size() < 2) {
      context_.messages.reportMessage(
          namedText("FROM and/or TO position not defined in ", nameOf(figure_), " command.\n"),
          "com_box");
      return kSyntaxError;
    }
    FrameState& frame = context_.frame;
    QueuedFigure figure;
    figure.kind = figure_;
    figure.x = centre_[0];
    figure.y = centre_[1];
    figure.isData = isData_;
    figure.hasSize = !size_.empty();
    if (figure.hasSize) {
      figure.width = size_.front();
      figure.height = size_.back();
    }
    figure.colour = colour_ ? *colour_ : frame.colour;
    frame.addBox(figure);
    return kDone;
  }

  int figure_;
  bool isData_ = false;
  bool sizing_ = false;
  std::vector<double> centre_;
  std::vector<double> size_;
  std::optional<int> colour_;
};

}  // namespace

int arrowCommand(CommandContext& context) { return ArrowParser(context).run(); }

int figureCommand(CommandContext& context, int figure) {
  return FigureParser(context, figure).run();
}

}  // namespace vexplot
