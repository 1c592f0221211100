#pragma once

#include <string_view>

#include "viewer/language/command_context.hpp"
#include "viewer/language/frame_state.hpp"

// The handlers of the SET subcommands, called by the SET dispatcher with the
// reader positioned after the subcommand word. Each returns a status code.
namespace vexplot {

// Geometry: window, limits, axis switches, scales, page size.
int setWindowCommand(CommandContext& context);
int setLimitCommand(CommandContext& context);
// kind chooses AXIS, TICKS or LABELS.
int setSideCommand(CommandContext& context, SideFlag kind);
int setScaleCommand(CommandContext& context);
int setSizeCommand(CommandContext& context);

// Style: data order, symbols, lines, figures, fonts, colours, titles, arrows,
// grid.
int setOrderCommand(CommandContext& context);
int setSymbolCommand(CommandContext& context);
int setIntensityCommand(CommandContext& context);
int setPatternCommand(CommandContext& context);
// figure is kFigureBox, kFigureDiamond or kFigureEllipse; name is the word the
// messages show.
int setFigureCommand(CommandContext& context, int figure, std::string_view name);
int setFontCommand(CommandContext& context);
int setColourCommand(CommandContext& context);
int setTextureCommand(CommandContext& context);
int setTitleCommand(CommandContext& context);
int setArrowCommand(CommandContext& context);
int setGridCommand(CommandContext& context);

}  // namespace vexplot
