#include "viewer/language/operand_parser.hpp"

#include <utility>

#include "viewer/language/keyword_match.hpp"
#include "viewer/language/number_syntax.hpp"
#include "viewer/language/result_codes.hpp"

namespace vexplot {

OperandParser::OperandParser(CommandContext& context, std::string_view routine,
                             std::string syntaxMessage, std::span<const std::string_view> words,
                             std::span<const unsigned char> marks, std::string_view syntaxRoutine)
    : context_(context),
      routine_(routine),
      syntaxRoutine_(syntaxRoutine.empty() ? routine : syntaxRoutine),
      syntaxMessage_(std::move(syntaxMessage)),
      words_(words),
      marks_(marks) {}

int OperandParser::run() {
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

int OperandParser::onOtherWord(int match, const std::string& token) {
  context_.messages.reportKeywordError(token, match);
  return kRejected;
}

int OperandParser::reject(std::string_view text) {
  context_.messages.reportMessage(text, routine_);
  return kRejected;
}

int OperandParser::rejectSyntax() {
  context_.messages.reportMessage(syntaxMessage_, syntaxRoutine_);
  return kRejected;
}

int OperandParser::warn(std::string_view text) {
  context_.messages.reportMessage(text, routine_);
  return kDone;
}

int OperandParser::rejectSyntaxAndSkip() {
  context_.messages.reportMessage(syntaxMessage_, syntaxRoutine_);
  return context_.reader.skipStatement();
}

int OperandParser::rejectWordAndSkip(int match, const std::string& token) {
  context_.messages.reportKeywordError(token, match);
  return context_.reader.skipStatement();
}

std::string namedText(std::string_view before, std::string_view name, std::string_view after) {
  std::string text;
  text.reserve(before.size() + name.size() + after.size());
  text.append(before).append(name).append(after);
  return text;
}

}  // namespace vexplot
