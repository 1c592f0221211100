#include "viewer/language/interpreter.hpp"

#include <gtest/gtest.h>

#include <fstream>
#include <new>
#include <sstream>
#include <string>
#include <vector>

#include "tests/viewer/language/plot_file_fixture.hpp"

namespace vexplot {
namespace {

using Texts = std::vector<std::string>;

class InterpreterTest : public testing::PlotFileTest {
 protected:
  std::string invalid(std::string_view word) {
    return "[vpmainX]  Invalid command \"" + std::string(word) + "\". Igonred.\n";
  }
  std::string notReady(std::string_view word) {
    return "[com_ignore]  Command " + std::string(word) + " is not ready. Ignored.\n";
  }
  std::string plotEnds(int number) { return "[com_end] Plot #" + std::to_string(number) + " ends.\n"; }
};

TEST_F(InterpreterTest, FileWithoutStatementsIsReportedEmpty) {
  EXPECT_EQ(run(""), (Texts{"Input file empty", endOfInputText()}));
  EXPECT_EQ(run("( only a comment )\r\n\n  ;;\n"), (Texts{"Input file empty", endOfInputText()}));
  EXPECT_EQ(frameCount(), 0u);
}

TEST_F(InterpreterTest, MissingInputReturnsOneWithoutMessages) {
  InterpretRequest request;
  request.inputPath = directory_ / "missing.vpx";
  EXPECT_EQ(interpreter_.interpretFile(request), 1);
  EXPECT_TRUE(display_.texts.empty());
  EXPECT_TRUE(interpreter_.frames().empty());
}

TEST_F(InterpreterTest, EachNewframeStartsAFrameFromTheDefaults) {
  EXPECT_EQ(run("SET COLOR RED\nNEWFRAME\nSET FONT DUPLEX\nNEWFRAME\n"),
            (Texts{plotEnds(0), plotEnds(1), plotEnds(2), endOfInputText()}));
  ASSERT_EQ(frameCount(), 3u);
  EXPECT_EQ(frame(0).colour, 4);
  EXPECT_EQ(frame(0).font, kSimplex);
  EXPECT_EQ(frame(1).colour, 0);
  EXPECT_EQ(frame(1).font, kDuplex);
  EXPECT_EQ(frame(2).font, kSimplex);
  EXPECT_EQ(frame(1).title, "#1 plot");
  EXPECT_EQ(frame(2).frameNumber, 2);
}

TEST_F(InterpreterTest, LeadingNewframeMakesFrameZero) {
  EXPECT_EQ(run("NEWFRAME\n1 2\n"), (Texts{plotEnds(0), endOfInputText()}));
  EXPECT_EQ(frameCount(), 1u);
  EXPECT_EQ(frame(0).title, "#0 plot");
}

TEST_F(InterpreterTest, SolverFrameLineStartsAFrameAndRejectsFrame) {
  EXPECT_EQ(run("  NEW FRAME\r\n  SET FONT DUPLEX\r\n 1.0 2.0\r\n  NEW FRAME\r\n"),
            (Texts{invalid("FRAME"), plotEnds(0), invalid("FRAME"), plotEnds(1), endOfInputText()}));
  ASSERT_EQ(frameCount(), 2u);
  EXPECT_EQ(frame(0).font, kDuplex);
}

TEST_F(InterpreterTest, CommandWordsMayBeAbbreviatedUnambiguously) {
  EXPECT_EQ(run("SE COLOR RED; CA 'x'; M 'y'; BI FROM 0 TO 1 BY 1; L; J 1; A FROM 1 1 TO 2 2\n"
                "BO 1 1; D 1 1; EL 1 1; CI 1 1; SM; P; T 'z'\n"
                "n\n"
                "S; E; B; C; HIST 1; BARG; H\n"
                "HISTOGRAM 1; BARGRAPH 2; newframe\n"),
            (Texts{notReady("SMOOTH"), plotEnds(0), invalid("S"), invalid("E"), invalid("B"),
                   invalid("C"), invalid("HIST"), invalid("BARG"), invalid("H"), notReady("BARGRAPH"),
                   plotEnds(1), plotEnds(2), endOfInputText()}));
  EXPECT_EQ(frame(0).colour, 4);
  EXPECT_EQ(frame(0).arrows.size(), 1u);
  EXPECT_EQ(frame(0).figures.size(), 4u);
}

TEST_F(InterpreterTest, EndInTheMiddleDoesNotEndTheFile) {
  EXPECT_EQ(run("END\nSET COLOR RED\nEND NOW\n"),
            (Texts{notReady("END"), notReady("END"), plotEnds(0), endOfInputText()}));
  EXPECT_EQ(frame(0).colour, 4);
}

TEST_F(InterpreterTest, InvalidWordsAreSkippedOneByOne) {
  // A number after invalid words starts a data line, whose bad item is
  // reported.
  EXPECT_EQ(run("FOO 'a string' 3 BAR\nBAZ\n"),
            (Texts{invalid("FOO"), invalid("'a string'"),
                   "[com_data] Invalid number \"BAR\" in data line. Point ignored.\n", invalid("BAZ"),
                   plotEnds(0), endOfInputText()}));
}

TEST_F(InterpreterTest, OverlongTokenEndsTheFile) {
  const std::string overlong(255, 'x');
  EXPECT_EQ(run("SET COLOR RED\n" + overlong + "\nSET FONT DUPLEX\n"),
            (Texts{"[vpmain]  Error get_next_token. return=403\n", plotEnds(0), endOfInputText()}));
  EXPECT_EQ(frame(0).colour, 4);
  EXPECT_EQ(frame(0).font, kSimplex);

  // A not-ready command leaves the token to the main loop, which reports it.
  EXPECT_EQ(run("END " + overlong + "\nSET FONT DUPLEX\n"),
            (Texts{"[vpmain]  Error get_next_token. return=403\n", plotEnds(0), endOfInputText()}));
  // A command reports the failure of its operand and hands the code up.
  EXPECT_EQ(run("PLOT " + overlong + "\nSET FONT DUPLEX\n"),
            (Texts{"[com_plot] Syntax error in PLOT command.\n", plotEnds(0), endOfInputText()}));
  EXPECT_EQ(frame(0).font, kSimplex);
}

TEST_F(InterpreterTest, FramesEndWithTheirPendingItemsAndWindow) {
  run("NEWFRAME\nNEWFRAME\n");
  ASSERT_EQ(drawing_.calls.size(), 2u);
  EXPECT_EQ(drawing_.calls[0].what, "decorations");
  EXPECT_EQ(drawing_.calls[0].frame, 0);
  EXPECT_EQ(drawing_.calls[1].frame, 1);

  // A frame that opened its window is handed over to it; a failure is shown.
  class OpeningDrawing final : public FrameDrawing {
   public:
    int plotSymbols(FrameState&, PointRange, bool, int) override { return 0; }
    int joinPoints(FrameState&, PointRange, int, bool, int) override { return 0; }
    int histogram(FrameState&, PointRange, int, int) override { return 0; }
    int drawPendingAxes(FrameState&) override { return 0; }
    int drawPendingDecorations(FrameState& frame) override {
      frame.windowOpen = true;
      return 0;
    }
    WindowOutcome finishFrame(FrameState& frame) override {
      return frame.frameNumber == 0 ? WindowOutcome::kReady : WindowOutcome::kFailed;
    }
  } opening;
  Interpreter interpreter(messages_, opening);
  display_.texts.clear();
  InterpretRequest request;
  request.inputPath = input_;
  ASSERT_EQ(interpreter.interpretFile(request), 0);
  EXPECT_EQ(display_.texts,
            (Texts{plotEnds(0), "[com_end] Plot #1 gmemory failed. rc=1\n", endOfInputText()}));
}

TEST_F(InterpreterTest, MemoryRunningOutEndsTheFileAndHandsOverWhatWasDrawn) {
  // Frame 1's curve cannot get memory: the file ends there, the frame is
  // still completed and handed over, and nothing after it is read.
  class StarvedDrawing final : public FrameDrawing {
   public:
    int plotSymbols(FrameState&, PointRange, bool, int) override { return 0; }
    int joinPoints(FrameState& frame, PointRange, int, bool, int) override {
      frame.windowOpen = true;
      if (frame.frameNumber == 1) throw std::bad_alloc();
      return 0;
    }
    int histogram(FrameState&, PointRange, int, int) override { return 0; }
    int drawPendingAxes(FrameState&) override { return 0; }
    int drawPendingDecorations(FrameState&) override { return 0; }
    WindowOutcome finishFrame(FrameState& frame) override {
      finished.push_back(frame.frameNumber);
      return WindowOutcome::kReady;
    }
    std::vector<int> finished;
  } starved;
  Interpreter interpreter(messages_, starved);
  std::ofstream(input_) << "1 1\n2 2\nJOIN\nNEWFRAME\n1 1\n2 2\nJOIN\nSET COLOR PURPLE\nNEWFRAME\n";
  display_.texts.clear();
  InterpretRequest request;
  request.inputPath = input_;
  ASSERT_EQ(interpreter.interpretFile(request), 0);
  EXPECT_EQ(display_.texts, (Texts{plotEnds(0), plotEnds(1), endOfInputText()}));
  EXPECT_EQ(starved.finished, (std::vector<int>{0, 1}));
  ASSERT_EQ(interpreter.frames().size(), 2u);
  EXPECT_NE(interpreter.frames()[1].finishedPicture(), nullptr);
}

TEST_F(InterpreterTest, LogReceivesBareMessagesAndEchoedLines) {
  logPath_ = directory_ / "vexplot.log";
  run("SET COLOR PURPLE\nX\nY\nZ\nW\n");
  EXPECT_TRUE(interpreter_.logWritten());
  std::ifstream in(logPath_, std::ios::binary);
  std::stringstream logged;
  logged << in.rdbuf();
  EXPECT_EQ(logged.str(),
            "SET COLOR PURPLE\n"
            "[errmsgkw] keyword PURPLE is invalid\n"
            "X\n Invalid command \"X\". Igonred.\n"
            "Y\n Invalid command \"Y\". Igonred.\n"
            "Z\n Invalid command \"Z\". Igonred.\n"
            " Invalid command \"W\". Igonred.\n"
            "Plot #0 ends.\n"
            "Input file " + input_.string() + " ends.\n");
}

TEST_F(InterpreterTest, LogThatCannotBeCreatedIsWarnedAbout) {
  logPath_ = directory_ / "no such directory" / "vexplot.log";
  EXPECT_EQ(run("SET COLOR RED\n"),
            (Texts{"[Warning] Unable to open logfile\n " + logPath_.string() + "\nIgnore log.",
                   plotEnds(0), endOfInputText()}));
  EXPECT_FALSE(interpreter_.logWritten());
  EXPECT_EQ(frame(0).colour, 4);
}

}  // namespace
}  // namespace vexplot
