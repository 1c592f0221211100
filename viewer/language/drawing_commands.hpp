#pragma once

#include "viewer/language/command_context.hpp"

// The handlers of the data lines and of the commands that draw from the point
// set or queue figures, called with the reader after the command word (after
// the first number for a data line). Each returns a status code.
namespace vexplot {

// A statement that starts with a number: one point for the frame's point set.
int dataLine(CommandContext& context, double first);

// PLOT, JOIN and HISTOGRAM draw a range of points; LIST only checks its range.
int plotCommand(CommandContext& context);
int joinCommand(CommandContext& context);
int histogramCommand(CommandContext& context);
int listCommand(CommandContext& context);

// BIN replaces the points by the totals of equal bins.
int binCommand(CommandContext& context);

// ARROW, and BOX, DIAMOND and ELLIPSE (CIRCLE) with figure kFigureBox,
// kFigureDiamond or kFigureEllipse, queue an item for the next drawing of the
// frame's pending items.
int arrowCommand(CommandContext& context);
int figureCommand(CommandContext& context, int figure);

}  // namespace vexplot
