#pragma once

#include <span>
#include <string>
#include <string_view>

#include "viewer/language/command_context.hpp"

namespace vexplot {

// Reads the operands of one SET subcommand up to the end of its statement
// under the rules all subcommands share: operand words are matched with the
// subcommand's own table, other tokens are read as numbers, and what a
// subcommand collected is applied only when its statement ended without
// error. An error is reported at once and ends the subcommand with kRejected;
// the tokens after the offending one are left to the interpreter.
class SubcommandParser {
 public:
  // routine names every message; syntaxRoutine, when given, replaces it for
  // the syntax-error message.
  SubcommandParser(CommandContext& context, std::string_view routine, std::string syntaxMessage,
                   std::span<const std::string_view> words, std::span<const unsigned char> marks = {},
                   std::string_view syntaxRoutine = {});
  virtual ~SubcommandParser() = default;

  // Reads to the end of the statement; kDone or kEndOfFile when the operands
  // were applied, else the error's status.
  int run();

 protected:
  // Each returns kDone to go on reading, or a status that ends the subcommand.
  virtual int onKeyword(int index, const std::string& token) = 0;
  virtual int onNumber(double value, const std::string& token) = 0;
  // A token that is neither a table word nor a number: reported as an
  // ambiguous or invalid keyword by default.
  virtual int onOtherWord(int match, const std::string& token);
  // Applies what was collected; kDone, kRejected after a reported error, or a
  // drawing error code.
  virtual int apply() = 0;

  // Report under the subcommand's routine name and return kRejected.
  int reject(std::string_view text);
  int rejectSyntax();

  CommandContext& context_;

 private:
  std::string_view routine_;
  std::string_view syntaxRoutine_;
  std::string syntaxMessage_;
  std::span<const std::string_view> words_;
  std::span<const unsigned char> marks_;
};

// "<before><name><after>": the messages that name their subcommand.
std::string subcommandText(std::string_view before, std::string_view name, std::string_view after);

}  // namespace vexplot
