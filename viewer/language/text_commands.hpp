#pragma once

#include <string_view>

#include "viewer/language/command_context.hpp"
#include "viewer/language/frame_items.hpp"

namespace vexplot {

// TITLE (messages under "com_title"): reads the text, a side (LEFT, RIGHT,
// BOTTOM, TOP) or up to two position numbers with their data marks (XDATA,
// YDATA, DATA), CENTER, and ANGLE, SIZE, INDEX or LINES each before its
// number, then queues the title on the frame as its current title. A third
// position number drops the statement with kRejected.
int titleCommand(CommandContext& context);

// MORE appends its string to the current title's text, CASE gives its string
// to the title's case line (messages under "com_more"). Only the one string
// operand is read.
enum TextCommandKind { kMoreCommand = 0, kCaseCommand = 1 };
int moreCommand(CommandContext& context, TextCommandKind kind);

// Appends text to a title. A title without text takes the text and an empty
// case line; otherwise the case line is first padded with blanks to the
// title's length, so the new characters start without case letters.
void appendText(TitleText& title, std::string_view text);

// Gives case letters to the title's characters that have none yet: the
// leading letters that fit up to the text's length are appended to the case
// line, the rest are dropped.
void appendCase(TitleText& title, std::string_view letters);

}  // namespace vexplot
