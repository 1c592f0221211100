#pragma once

#include <string_view>

#include "viewer/language/command_reader.hpp"
#include "viewer/language/message_sink.hpp"

namespace vexplot {

// Drops the statement of a command that is recognised but not ready and, when
// the statement ended normally, reports " Command <name> is not ready.
// Ignored." under "com_ignore". Returns the code that ended the statement.
int skipNotReadyStatement(CommandReader& reader, MessageSink& messages, std::string_view name);

}  // namespace vexplot
