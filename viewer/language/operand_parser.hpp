#pragma once

#include <span>
#include <string>
#include <string_view>

#include "viewer/language/command_context.hpp"

namespace vexplot {

// Reads the operands of one statement (a SET subcommand or a drawing command)
// up to its end under the rules they share: operand words are matched with the
// command's own table, other tokens are read as numbers, and what a command
// collected is applied only when its statement ended without error. An error
// is reported at once and ends the command, with kRejected unless the command
// says otherwise; the tokens after the offending one are left to the
// interpreter.
class OperandParser {
 public:
  // routine names every message; syntaxRoutine, when given, replaces it for
  // the syntax-error message.
  OperandParser(CommandContext& context, std::string_view routine, std::string syntaxMessage,
                std::span<const std::string_view> words, std::span<const unsigned char> marks = {},
                std::string_view syntaxRoutine = {});
  virtual ~OperandParser() = default;

  // Reads to the end of the statement; kDone or kEndOfFile when the operands
  // were applied, else the error's status.
  int run();

 protected:
  // Each returns kDone to go on reading, or a status that ends the command.
  virtual int onKeyword(int index, const std::string& token) = 0;
  virtual int onNumber(double value, const std::string& token) = 0;
  // A token that is neither a table word nor a number: reported as an
  // ambiguous or invalid keyword by default.
  virtual int onOtherWord(int match, const std::string& token);
  // Applies what was collected; kDone, kRejected after a reported error, or a
  // drawing error code.
  virtual int apply() = 0;

  // Report under the command's routine name and return kRejected.
  int reject(std::string_view text);
  int rejectSyntax();
  // Report under the command's routine name and go on reading.
  int warn(std::string_view text);
  // Report the syntax error, or the word that is neither a table word nor a
  // number, drop the rest of the statement and return the code that ended it.
  int rejectSyntaxAndSkip();
  int rejectWordAndSkip(int match, const std::string& token);

  CommandContext& context_;

 private:
  std::string_view routine_;
  std::string_view syntaxRoutine_;
  std::string syntaxMessage_;
  std::span<const std::string_view> words_;
  std::span<const unsigned char> marks_;
};

// "<before><name><after>": the messages that name their command.
std::string namedText(std::string_view before, std::string_view name, std::string_view after);

}  // namespace vexplot
