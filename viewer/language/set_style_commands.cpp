#include <array>
#include <cctype>
#include <optional>
#include <string>
#include <vector>

#include "viewer/language/language_tables.hpp"
#include "viewer/language/quote_text.hpp"
#include "viewer/language/result_codes.hpp"
#include "viewer/language/operand_parser.hpp"
#include "viewer/language/set_subcommands.hpp"

namespace vexplot {

namespace {

using WordTable = std::span<const std::string_view>;

// Subcommands that take words only and apply the last word's value: FONT,
// COLOR and TEXTURE. A number is a syntax error.
class WordChoiceParser final : public OperandParser {
 public:
  using ValueOfWord = int (*)(int index);  // -1: the word changes nothing
  using Setter = void (*)(FrameState& frame, int value);

  WordChoiceParser(CommandContext& context, std::string_view routine, std::string syntaxMessage,
                   WordTable words, std::span<const unsigned char> marks, ValueOfWord valueOf,
                   Setter setter)
      : OperandParser(context, routine, std::move(syntaxMessage), words, marks),
        valueOf_(valueOf),
        setter_(setter) {}

 private:
  int onKeyword(int index, const std::string&) override {
    const int value = valueOf_(index);
    if (value >= 0) choice_ = value;
    return kDone;
  }

  int onNumber(double, const std::string&) override { return rejectSyntax(); }

  int apply() override {
    if (choice_) setter_(context_.frame, *choice_);
    return kDone;
  }

  ValueOfWord valueOf_;
  Setter setter_;
  std::optional<int> choice_;
};

int indexIsValue(int index) { return index; }

// SET ORDER: the column words, in order, become the frame's data order.
class OrderParser final : public OperandParser {
 public:
  explicit OrderParser(CommandContext& context)
      : OperandParser(context, "com_set_order", "Syntax error in SET ORDER command.\n", kWords) {}

 private:
  // Indices equal the column codes.
  static constexpr std::array<std::string_view, 8> kWords{"X",  "Y",  "Z",      "DX",
                                                          "DY", "DZ", "SYMBOL", "DUMMY"};

  int onKeyword(int index, const std::string&) override {
    codes_.push_back(index);
    return kDone;
  }

  int onNumber(double, const std::string&) override { return rejectSyntax(); }

  int apply() override {
    if (!codes_.empty()) context_.frame.setOrder(codes_);
    return kDone;
  }

  std::vector<int> codes_;
};

// SET SYMBOL: before SIZE every operand is a symbol code, after it every
// number a symbol size in tenths of a page unit.
class SymbolParser final : public OperandParser {
 public:
  explicit SymbolParser(CommandContext& context)
      : OperandParser(context, "com_set_symbol", "Syntax error in SET SYMBOL command.\n", kWords) {}

 private:
  static constexpr std::array<std::string_view, 1> kWords{"SIZE"};

  int onKeyword(int, const std::string&) override {
    sizing_ = true;
    return kDone;
  }

  int onNumber(double value, const std::string& token) override {
    if (!sizing_) return takeSymbol(token);
    size_ = value;
    return kDone;
  }

  int onOtherWord(int match, const std::string& token) override {
    return sizing_ ? OperandParser::onOtherWord(match, token) : takeSymbol(token);
  }

  // The second character is made upper case; a digit followed by P stands for
  // the digit followed by O.
  int takeSymbol(const std::string& token) {
    std::string code = copyUnquoted(token, 2);
    if (code.size() == 2) {
      code[1] = static_cast<char>(std::toupper(static_cast<unsigned char>(code[1])));
      if (std::isdigit(static_cast<unsigned char>(code[0])) && code[1] == 'P') code[1] = 'O';
    }
    symbol_ = code;
    return kDone;
  }

  int apply() override {
    if (symbol_) context_.frame.setSymbol(*symbol_);
    if (size_) context_.frame.setSymbolSize(*size_);
    return kDone;
  }

  bool sizing_ = false;
  std::optional<std::string> symbol_;
  std::optional<double> size_;
};

// SET INTENSITY and SET PATTERN take numbers only; a word is a syntax error.
class NumberListParser final : public OperandParser {
 public:
  enum Kind { kIntensity, kPattern };

  NumberListParser(CommandContext& context, Kind kind)
      : OperandParser(context, kind == kIntensity ? "com_set_intensity" : "com_set_pattern",
                      kind == kIntensity ? "Syntax error in SET INTENSITY command.\n"
                                         : "Syntax error in SET PATTERN command.\n",
                      {}),
        kind_(kind) {}

 private:
  int onKeyword(int, const std::string&) override { return kDone; }

  int onNumber(double value, const std::string&) override {
    // Line widths outside 0 to 10 are passed over.
    if (kind_ == kPattern || (value >= 0.0 && value <= 10.0)) numbers_.push_back(value);
    return kDone;
  }

  int onOtherWord(int, const std::string&) override { return rejectSyntax(); }

  int apply() override {
    if (kind_ == kPattern) {
      context_.frame.setPattern(numbers_);
    } else if (!numbers_.empty()) {
      context_.frame.setLineWidth(numbers_.back());
    }
    return kDone;
  }

  Kind kind_;
  std::vector<double> numbers_;
};

// SET BOX, DIAMOND, ELLIPSE and CIRCLE: SIZE and then the width and the
// height (one number sets both); SIZE again starts over.
class FigureSizeParser final : public OperandParser {
 public:
  FigureSizeParser(CommandContext& context, int figure, std::string_view name)
      : OperandParser(context, "com_set_box",
                      namedText("Syntax error in SET ", name, " command.\n"), kWords),
        figure_(figure),
        name_(name) {}

 private:
  static constexpr std::array<std::string_view, 1> kWords{"SIZE"};

  int onKeyword(int, const std::string&) override {
    sizing_ = true;
    sizes_.clear();
    return kDone;
  }

  int onNumber(double value, const std::string&) override {
    if (!sizing_) return reject(namedText("SIZE operand missing in SET ", name_, " command.\n"));
    if (sizes_.size() == 2) return rejectSyntax();
    sizes_.push_back(value);
    return kDone;
  }

  int apply() override {
    if (!sizes_.empty()) context_.frame.setBoxSize(figure_, sizes_.front(), sizes_.back());
    return kDone;
  }

  int figure_;
  std::string_view name_;
  bool sizing_ = false;
  std::vector<double> sizes_;
};

// SET TITLE: SIZE and then the frame's title size in page units; the last
// number wins.
class TitleSizeParser final : public OperandParser {
 public:
  explicit TitleSizeParser(CommandContext& context)
      : OperandParser(context, "com_set_title", "Syntax error in SET TITLE command.\n", kWords) {}

 private:
  static constexpr std::array<std::string_view, 1> kWords{"SIZE"};

  int onKeyword(int, const std::string&) override {
    sizing_ = true;
    return kDone;
  }

  int onNumber(double value, const std::string&) override {
    if (!sizing_) return reject("SIZE operand missing in SET TITLE command.\n");
    size_ = value;
    return kDone;
  }

  int apply() override {
    if (size_) context_.frame.setTitleSize(*size_);
    return kDone;
  }

  bool sizing_ = false;
  std::optional<double> size_;
};

// SET ARROW: numbers after SIZE give the head length in tenths of a page unit,
// after FLARE (FLAIR) the head's width ratio.
class ArrowParser final : public OperandParser {
 public:
  explicit ArrowParser(CommandContext& context)
      : OperandParser(context, "com_set_arrow", "Syntax error in SET ARROW command.\n", kWords,
                      kMarks) {}

 private:
  enum Word { kNone = -1, kSize = 0, kFlare = 1 };

  static constexpr std::array<std::string_view, 3> kWords{"SIZE", "FLARE", "FLAIR"};
  static constexpr std::array<unsigned char, 3> kMarks{0, 0, 1};

  int onKeyword(int index, const std::string&) override {
    target_ = index;
    return kDone;
  }

  int onNumber(double value, const std::string&) override {
    if (target_ == kNone) return rejectSyntax();
    (target_ == kSize ? size_ : flare_) = value;
    return kDone;
  }

  int apply() override {
    if (size_) context_.frame.setArrowSize(*size_);
    if (flare_) context_.frame.setArrowFlare(*flare_);
    return kDone;
  }

  int target_ = kNone;
  std::optional<double> size_;
  std::optional<double> flare_;
};

// SET GRID: OFF, HORIZONTAL, VERTICAL and ON choose the grid; SYMBOL chooses a
// grid of symbols and takes the next operand, whatever it is, as the symbol
// code; SIZE after SYMBOL makes the following numbers its size.
class GridParser final : public OperandParser {
 public:
  explicit GridParser(CommandContext& context)
      : OperandParser(context, "com_set_grid", "Syntax error in SET GRID command.\n", kWords) {}

 private:
  enum Word { kSymbolWord = 4, kSizeWord = 5 };
  enum Expect { kNothing, kSymbolCode, kSizes };

  static constexpr std::array<std::string_view, 6> kWords{"OFF", "HORIZONTAL", "VERTICAL",
                                                          "ON",  "SYMBOL",     "SIZE"};

  int onKeyword(int index, const std::string& token) override {
    if (expect_ == kSymbolCode) return takeSymbol(token);
    if (index == kSizeWord) {
      if (!symbolNamed_) return rejectSyntax();
      expect_ = kSizes;
      return kDone;
    }
    // The mode words are numbered as the grid modes, SYMBOL as mode 4.
    mode_ = index;
    symbolNamed_ = symbolNamed_ || index == kSymbolWord;
    expect_ = index == kSymbolWord ? kSymbolCode : kNothing;
    return kDone;
  }

  int onNumber(double value, const std::string& token) override {
    if (expect_ == kSymbolCode) return takeSymbol(token);
    if (expect_ != kSizes) return rejectSyntax();
    size_ = value * 0.1;
    return kDone;
  }

  int onOtherWord(int match, const std::string& token) override {
    return expect_ == kSymbolCode ? takeSymbol(token) : OperandParser::onOtherWord(match, token);
  }

  int takeSymbol(const std::string& token) {
    symbol_ = copyUnquoted(token, 2);
    expect_ = kNothing;
    return kDone;
  }

  int apply() override {
    if (mode_) context_.frame.setGrid(*mode_, symbol_, size_);
    return kDone;
  }

  Expect expect_ = kNothing;
  bool symbolNamed_ = false;
  std::optional<int> mode_;
  std::string symbol_;
  double size_ = 0.0;
};

}  // namespace

int setOrderCommand(CommandContext& context) { return OrderParser(context).run(); }

int setSymbolCommand(CommandContext& context) { return SymbolParser(context).run(); }

int setIntensityCommand(CommandContext& context) {
  return NumberListParser(context, NumberListParser::kIntensity).run();
}

int setPatternCommand(CommandContext& context) {
  return NumberListParser(context, NumberListParser::kPattern).run();
}

int setFigureCommand(CommandContext& context, int figure, std::string_view name) {
  return FigureSizeParser(context, figure, name).run();
}

int setFontCommand(CommandContext& context) {
  return WordChoiceParser(context, "com_set_font", "Syntax error in SET FONT command.\n", kFontNames,
                          {}, indexIsValue, [](FrameState& frame, int value) { frame.setFont(value); })
      .run();
}

int setColourCommand(CommandContext& context) {
  return WordChoiceParser(context, "com_set_color", "Syntax error in SET COLOR command.\n",
                          kColourNames, {}, indexIsValue, [](FrameState& frame, int value) { frame.setColour(value); })
      .run();
}

int setTextureCommand(CommandContext& context) {
  return WordChoiceParser(context, "com_set_texture", "Syntax error in SET TEXTURE command.\n",
                          kTextureWords, kTextureMarks, textureOfWord, [](FrameState& frame, int value) { frame.setTexture(value); })
      .run();
}

int setTitleCommand(CommandContext& context) { return TitleSizeParser(context).run(); }

int setArrowCommand(CommandContext& context) { return ArrowParser(context).run(); }

int setGridCommand(CommandContext& context) { return GridParser(context).run(); }

}  // namespace vexplot
