#include "viewer/language/interpreter.hpp"

#include <array>
#include <memory>
#include <new>
#include <string>
#include <string_view>

#include "viewer/language/command_context.hpp"
#include "viewer/language/drawing_commands.hpp"
#include "viewer/language/keyword_match.hpp"
#include "viewer/language/number_syntax.hpp"
#include "viewer/language/result_codes.hpp"
#include "viewer/language/set_command.hpp"
#include "viewer/language/statement_skip.hpp"
#include "viewer/language/text_commands.hpp"

namespace vexplot {

namespace {

// The command table. HISTOGRAM and BARGRAPH stand twice, so neither can be
// abbreviated.
enum CommandWord {
  kSet, kArrow, kBargraph, kBox, kDiamond, kEllipse, kCircle, kHistogram, kJoin, kNewFrame,
  kPlot, kHistogramAgain, kTitle, kCase, kMore, kBin, kList, kBargraphAgain, kSmooth, kEnd
};

constexpr std::array<std::string_view, 20> kCommandWords{
    "SET",  "ARROW",    "BARGRAPH", "BOX",   "DIAMOND", "ELLIPSE", "CIRCLE",
    "HISTOGRAM", "JOIN", "NEWFRAME", "PLOT",  "HISTOGRAM", "TITLE",  "CASE",
    "MORE", "BIN",      "LIST",     "BARGRAPH", "SMOOTH", "END"};
constexpr std::array<unsigned char, 20> kCommandMarks{0, 0, 0, 0, 0, 0, 1, 0, 0, 0,
                                                      0, 0, 0, 0, 0, 0, 0, 0, 0, 0};

}  // namespace

int Interpreter::interpretFile(const InterpretRequest& request) {
  if (reader_.openInput(request.inputPath) != kDone) return 1;
  request_ = &request;
  current_ = nullptr;
  framesOfFile_ = 0;
  logWritten_ = false;
  openLog(request.logPath);
  reader_.setLogEcho(true);
  runStatements();
  finish();
  request_ = nullptr;
  return 0;
}

void Interpreter::openLog(const std::filesystem::path& path) {
  if (path.empty() || messages_.log().create(path)) return;
  messages_.reportMessage("Unable to open logfile\n " + path.string() + "\nIgnore log.", "Warning");
}

namespace {

// The one place where running out of memory is handled: a step of the
// interpretation that cannot get memory gives kOutOfMemory, which ends the
// file as every code from kEndsFile on does. What was drawn stays.
template <class Step>
int withinMemory(Step step) {
  try {
    return step();
  } catch (const std::bad_alloc&) {
    return kOutOfMemory;
  }
}

}  // namespace

void Interpreter::runStatements() {
  std::string token;
  while (withinMemory([&] { return runStatement(token); }) < kEndsFile) {
  }
}

int Interpreter::runStatement(std::string& token) {
  const int code = reader_.nextToken(token);
  if (code == kEndOfStatement || code == kEndOfLine) return kDone;
  if (code == kEndOfFile) return kEndsFile;
  if (code >= kSyntaxError) {
    messages_.reportMessage(" Error get_next_token. return=" + std::to_string(code) + "\n", "vpmain");
    return kEndsFile;
  }
  const int command = matchKeywordWithAliases(token, kCommandWords, kCommandMarks);
  // Whatever comes first in a file belongs to frame 0.
  if (framesOfFile_ == 0 && command != kNewFrame) beginFrame(0);
  if (command >= 0) {
    reader_.setLogEcho(true);
    return runCommand(command);
  }
  int error = 0;
  const double first = parseNumber(token, error);
  if (error != 0) {
    messages_.reportMessage(" Invalid command \"" + token + "\". Igonred.\n", "vpmainX");
    return kDone;
  }
  // A statement that starts with a number is a data line.
  CommandContext context{reader_, messages_, *current_, drawing_};
  return dataLine(context, first);
}

int Interpreter::runCommand(int command) {
  switch (command) {
    case kNewFrame: return newFrame();
    case kBargraph:
    case kBargraphAgain:
    case kSmooth:
    case kEnd:
      // Not ready; the status stays as it was. A reader failure met while
      // skipping is read again, and reported, by the main loop.
      skipNotReadyStatement(reader_, messages_, kCommandWords[command]);
      return kDone;
    default: break;
  }
  CommandContext context{reader_, messages_, *current_, drawing_};
  switch (command) {
    case kSet: return setCommand(context);
    case kArrow: return arrowCommand(context);
    case kBox: return figureCommand(context, kFigureBox);
    case kDiamond: return figureCommand(context, kFigureDiamond);
    case kEllipse: return figureCommand(context, kFigureEllipse);
    case kHistogram:
    case kHistogramAgain: return histogramCommand(context);
    case kJoin: return joinCommand(context);
    case kPlot: return plotCommand(context);
    case kBin: return binCommand(context);
    case kList: return listCommand(context);
    case kTitle: return titleCommand(context);
    case kMore: return moreCommand(context, kMoreCommand);
    case kCase: return moreCommand(context, kCaseCommand);
    default: return kDone;
  }
}

int Interpreter::newFrame() {
  if (framesOfFile_ > 0 && !endFrame()) return kOutOfMemory;
  beginFrame(framesOfFile_);
  return kDone;
}

// Without memory for the frame, no frame is current and the file ends.
void Interpreter::beginFrame(int number) {
  ++framesOfFile_;
  current_ = nullptr;
  current_ = &frames_.add(std::make_unique<FrameState>(number, request_->inputBaseName,
                                                       request_->plotFrameWidth, request_->plotFrameHeight));
}

bool Interpreter::endFrame() {
  if (framesOfFile_ == 0) {
    messages_.reportMessage("Input file empty");
    return true;
  }
  if (current_ == nullptr) return true;
  FrameState& frame = *current_;
  current_ = nullptr;
  // The frame is handed over with what could be drawn of it.
  const bool drawn = withinMemory([&] { return drawing_.drawPendingDecorations(frame); }) != kOutOfMemory;
  frame.finishPicture();
  const WindowOutcome outcome = frame.windowOpen ? drawing_.finishFrame(frame) : WindowOutcome::kReady;
  const std::string number = std::to_string(frame.frameNumber);
  if (outcome == WindowOutcome::kReady) {
    messages_.reportMessage("Plot #" + number + " ends.\n", "com_end");
  } else {
    messages_.reportMessage("Plot #" + number + " gmemory failed. rc=" +
                                std::to_string(static_cast<int>(outcome)) + "\n",
                            "com_end");
  }
  return drawn;
}

void Interpreter::finish() {
  endFrame();
  reader_.closeInput();
  messages_.reportMessage("Input file " + request_->inputPath.string() + " ends.\n", "vpmain");
  LogFile& log = messages_.log();
  if (log.isOpen()) {
    logWritten_ = true;
    log.close();
  }
}

}  // namespace vexplot
