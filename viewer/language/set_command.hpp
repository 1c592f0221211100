#pragma once

#include "viewer/language/command_context.hpp"

namespace vexplot {

// The SET statement: reads the subcommand word, matches it against the SET
// table and runs the subcommand. Returns the subcommand's status, kSyntaxError
// when the word is missing or not in the table (the rest of the statement is
// then left to the interpreter), or a reader code of 400 and above.
int setCommand(CommandContext& context);

}  // namespace vexplot
