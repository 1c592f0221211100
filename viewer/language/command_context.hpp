#pragma once

#include "viewer/language/command_reader.hpp"
#include "viewer/language/frame_drawing.hpp"
#include "viewer/language/frame_state.hpp"
#include "viewer/language/message_sink.hpp"

namespace vexplot {

// What the interpreter hands to a command handler: the reader positioned after
// the command word, the message route, the current frame and its drawing side.
struct CommandContext {
  CommandReader& reader;
  MessageSink& messages;
  FrameState& frame;
  FrameDrawing& drawing;
};

}  // namespace vexplot
