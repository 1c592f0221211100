#include <array>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>

#include "viewer/language/drawing_commands.hpp"
#include "viewer/language/number_syntax.hpp"
#include "viewer/language/operand_parser.hpp"
#include "viewer/language/point_binning.hpp"
#include "viewer/language/result_codes.hpp"

namespace vexplot {

namespace {

// BIN: FROM, TO, BINS and BY, each followed by its number; BINS wins over BY.
class BinParser final : public OperandParser {
 public:
  explicit BinParser(CommandContext& context)
      : OperandParser(context, "com_bin", "Syntax error in BIN command\n", kWords) {}

 private:
  enum Word { kFrom, kTo, kBins, kBy };

  static constexpr std::array<std::string_view, 4> kWords{"FROM", "TO", "BINS", "BY"};

  int onKeyword(int index, const std::string&) override {
    word_ = index;
    numberTaken_ = false;
    return kDone;
  }

  int onNumber(double value, const std::string&) override {
    if (word_ < 0) return rejectSyntaxAndSkip();
    if (numberTaken_) return warn("Too many numbers in BIN command.\n");
    numberTaken_ = true;
    values_[word_] = word_ == kBins ? truncateToInt(value) : value;
    return kDone;
  }

  int onOtherWord(int match, const std::string& token) override {
    context_.messages.reportKeywordError(token, match);
    return kSyntaxError;
  }

  int apply() override {
    const std::optional<double>& from = values_[kFrom];
    const std::optional<double>& to = values_[kTo];
    if (!from || !to || (!values_[kBins] && !values_[kBy])) {
      return fail("FROM, TO , BINS and/or BY must be defined in BIN command.\n");
    }
    if (*from == *to) return fail("Invalid FROM/TO parameter in BIN command.\n");
    double bins;
    if (values_[kBins]) {
      bins = *values_[kBins];
      if (bins < 1.0) return fail("Invalid BINS parameter in BIN command.\n");
    } else {
      if (!(*values_[kBy] > 0.0)) return fail("Invalid BY parameter in BIN command.\n");
      bins = std::round(std::fabs(*to - *from) / *values_[kBy]);
      if (!(bins >= 1.0)) return fail("Invalid FROM/TO/BY parameter in BIN command.\n");
    }
    // A BIN that finds nothing to bin changes nothing, without a word.
    return binPoints(context_.frame, *from, *to, truncateToInt(bins)) == BinOutcome::kBinned ? kDone
                                                                                             : kRejected;
  }

  int fail(std::string_view text) {
    context_.messages.reportMessage(text, "com_bin");
    return kSyntaxError;
  }

  int word_ = -1;
  bool numberTaken_ = false;
  std::array<std::optional<double>, 4> values_;
};

}  // namespace

int binCommand(CommandContext& context) { return BinParser(context).run(); }

}  // namespace vexplot
