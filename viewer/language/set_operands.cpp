#include "viewer/language/set_operands.hpp"

#include <utility>

#include "viewer/language/keyword_match.hpp"
#include "viewer/language/number_syntax.hpp"
#include "viewer/language/result_codes.hpp"

namespace vexplot {

SubcommandParser::SubcommandParser(CommandContext& context, std::string_view routine,
                                   std::string syntaxMessage, std::span<const std::string_view> words,
                                   std::span<const unsigned char> marks, std::string_view syntaxRoutine)
    : context_(context),
      routine_(routine),
      syntaxRoutine_(syntaxRoutine.empty() ? routine : syntaxRoutine),
      syntaxMessage_(std::move(syntaxMessage)),
      words_(words),
      marks_(marks) {}

int SubcommandParser::run() {
  std::string token;
  for (;;) {
    const int code = context_.reader.nextToken(token);
    if (endsStatement(code)) {
      const int applied = apply();
      return applied != kDone ? applied : statementEndStatus(code);
    }
    if (code != kDone) {
      context_.messages.reportMessage(syntaxMessage_, syntaxRoutine_);
      return code;
    }
    const int match = matchKeywordWithAliases(token, words_, marks_);
    int status;
    if (match >= 0) {
      status = onKeyword(match, token);
    } else {
      int error = 0;
      const double value = parseNumber(token, error);
      status = error == 0 ? onNumber(value, token) : onOtherWord(match, token);
    }
    if (status != kDone) return status;
  }
}

int SubcommandParser::onOtherWord(int match, const std::string& token) {
  context_.messages.reportKeywordError(token, match);
  return kRejected;
}

int SubcommandParser::reject(std::string_view text) {
  context_.messages.reportMessage(text, routine_);
  return kRejected;
}

int SubcommandParser::rejectSyntax() {
  context_.messages.reportMessage(syntaxMessage_, syntaxRoutine_);
  return kRejected;
}

std::string subcommandText(std::string_view before, std::string_view name, std::string_view after) {
  std::string text;
  text.reserve(before.size() + name.size() + after.size());
  text.append(before).append(name).append(after);
  return text;
}

}  // namespace vexplot
