#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/viewer/language/plot_file_fixture.hpp"

namespace vexplot {
namespace {

using Texts = std::vector<std::string>;

class SetCommandsTest : public testing::PlotFileTest {};

const std::string kWindowTooMany = "[com_set_window] Too many numbers in SET WINDOW command.\n";
const std::string kMaxAndMinWindow = "[com_set_window] Max and Min must be defined simultaneously.\n";
const std::string kInvalidWindow = "[com_set_window] Invalid WINDOW range.\n";

TEST_F(SetCommandsTest, WindowTakesBothAxesAndFillsLowThenHigh) {
  EXPECT_EQ(diagnostics("SET WINDOW X FROM 2 9.7 Y FROM 1 TO 8\n"), Texts{});
  EXPECT_DOUBLE_EQ(frame(0).windowBox.x0, 2.0);
  EXPECT_DOUBLE_EQ(frame(0).windowBox.x1, 9.7);
  EXPECT_DOUBLE_EQ(frame(0).windowBox.y0, 1.0);
  EXPECT_DOUBLE_EQ(frame(0).windowBox.y1, 8.0);

  EXPECT_EQ(diagnostics("set window y to 8 3; SET WINDOW X 1, 5\n"), Texts{});
  EXPECT_DOUBLE_EQ(frame(0).windowBox.y0, 3.0);
  EXPECT_DOUBLE_EQ(frame(0).windowBox.y1, 8.0);
  EXPECT_DOUBLE_EQ(frame(0).windowBox.x1, 5.0);
}

TEST_F(SetCommandsTest, WindowErrorsApplyNothing) {
  EXPECT_EQ(diagnostics("SET WINDOW X 5 2\n"
                        "SET WINDOW X 2\n"
                        "SET WINDOW X 1 5 Y 3\n"
                        "SET WINDOW X 1 5 Y 4 3\n"
                        "SET WINDOW X 1 5 X 6\n"
                        "SET WINDOW X 1 Y\n"
                        "SET WINDOW 1 2\n"
                        "SET WINDOW TO 2\n"
                        "SET WINDOW X 1 8 WIDE\n"),
            (Texts{kInvalidWindow, kMaxAndMinWindow, kMaxAndMinWindow, kInvalidWindow, kWindowTooMany,
                   kMaxAndMinWindow,
                   "[com_set_window] Syntax error in SET WINDOW command. X or Y must be defined.\n",
                   "[com_set_window] Syntax error in SET WINDOW command. X or Y must be defined.\n",
                   "[errmsgkw] keyword WIDE is invalid\n"}));
  EXPECT_DOUBLE_EQ(frame(0).windowBox.x0, 2.6);
  EXPECT_DOUBLE_EQ(frame(0).windowBox.x1, 11.7);
  EXPECT_DOUBLE_EQ(frame(0).windowBox.y1, 9.0);
  // Nothing moved the window: only the end of the frame drew its items.
  EXPECT_EQ(drawing_.calls.size(), 1u);
}

TEST_F(SetCommandsTest, RejectedOperandsAreReadAgainAsStatements) {
  // FRM stops the subcommand; 1 then starts a data line whose item TO is no
  // number, and so on.
  EXPECT_EQ(diagnostics("SET WINDOW X FRM 1 TO 8 SET COLOR RED\n"),
            (Texts{"[errmsgkw] keyword FRM is invalid\n",
                   "[com_data] Invalid number \"TO\" in data line. Point ignored.\n",
                   "[com_data] Invalid number \"SET\" in data line. Point ignored.\n",
                   "[vpmainX]  Invalid command \"COLOR\". Igonred.\n",
                   "[vpmainX]  Invalid command \"RED\". Igonred.\n"}));
  EXPECT_DOUBLE_EQ(frame(0).windowBox.x0, 2.6);
  EXPECT_EQ(frame(0).colour, 0);

  // The offending token itself is used up; what follows it is a statement.
  EXPECT_EQ(diagnostics("SET WINDOW 3 SET COLOR RED\n"
                        "SET ORDER X 7 SET FONT DUPLEX\n"
                        "SET TEXTURE PURPLE SET TITLE SIZE 3\n"),
            (Texts{"[com_set_window] Syntax error in SET WINDOW command. X or Y must be defined.\n",
                   "[com_set_order] Syntax error in SET ORDER command.\n",
                   "[errmsgkw] keyword PURPLE is invalid\n"}));
  EXPECT_EQ(frame(0).colour, 4);
  EXPECT_EQ(frame(0).font, kDuplex);
  EXPECT_DOUBLE_EQ(frame(0).titleSize, 3.0);
  EXPECT_EQ(frame(0).order.size(), 5u);
}

TEST_F(SetCommandsTest, PanelFormIsCheckedButLeavesTheWindow) {
  EXPECT_EQ(diagnostics("SET WINDOW X 2 OF 3 Y 1 8\n"
                        "SET WINDOW Y 3 OF 3\n"
                        "SET WINDOW X 4 OF 3\n"
                        "SET WINDOW X 0 OF 3\n"
                        "SET WINDOW Y OF 3\n"),
            (Texts{kInvalidWindow, kInvalidWindow, kMaxAndMinWindow}));
  EXPECT_DOUBLE_EQ(frame(0).windowBox.x0, 2.6);
  EXPECT_DOUBLE_EQ(frame(0).windowBox.y0, 1.0);
  EXPECT_DOUBLE_EQ(frame(0).windowBox.y1, 8.0);
  // Only the statement that moved a window drew the pending items.
  EXPECT_EQ(drawing_.calls.size(), 2u);
}

TEST_F(SetCommandsTest, LimitsMayRunBackwardsButMustDiffer) {
  EXPECT_EQ(diagnostics("SET LIMIT X 5 2\n"
                        "SET LIMITS Y FROM -1 TO 1\n"
                        "SET LIMIT X 3 3\n"
                        "SET LIM X 1 OF 2\n"
                        "SET LIMIT Y 1\n"
                        "SET LIMIT 1 2\n"
                        "SET LIMIT Y 1 2 3\n"),
            (Texts{"[com_set_limit] Invalid LIMIT range.\n", "[errmsgkw] keyword OF is invalid\n",
                   "[com_set_limit] Max and Min must be defined simultaneously.\n",
                   "[com_set_limit] Syntax error in SET LIMIT command. X or Y must be defined.\n",
                   "[com_set_limit] Too many numbers in SET LIMIT command.\n"}));
  EXPECT_DOUBLE_EQ(frame(0).limits.x0, 5.0);
  EXPECT_DOUBLE_EQ(frame(0).limits.x1, 2.0);
  EXPECT_DOUBLE_EQ(frame(0).limits.y0, -1.0);
  EXPECT_EQ(frame(0).limitsSet, (std::array<bool, 2>{true, true}));
}

TEST_F(SetCommandsTest, SideSwitchesAndSizes) {
  EXPECT_EQ(diagnostics("SET AXIS OFF\n"
                        "SET AXES LEFT ON\n"
                        "SET LABELS TOP ON\n"
                        "SET TICKS BOTTOM OFF TOP OFF SIZE 0.05\n"
                        "SET LABELS SIZE 1.6 2.5\n"
                        "SET AXIS SIZE 5\n"),
            Texts{});
  const FrameState& f = frame(0);
  EXPECT_EQ(f.axisOn, (std::array<bool, 4>{true, false, false, false}));
  EXPECT_EQ(f.labelsOn, (std::array<bool, 4>{true, false, true, true}));
  EXPECT_EQ(f.ticksOn, (std::array<bool, 4>{true, true, false, false}));
  EXPECT_DOUBLE_EQ(f.tickSize, 0.05);
  EXPECT_DOUBLE_EQ(f.labelSize, 0.25);

  EXPECT_EQ(diagnostics("SET LABELS SIZE 1.6; SET TICKS SIZE 0.1\n"), Texts{});
  EXPECT_DOUBLE_EQ(frame(0).labelSize, 0.16);
  EXPECT_DOUBLE_EQ(frame(0).tickSize, 0.1);
}

TEST_F(SetCommandsTest, SideErrorsNameTheSubcommandAndApplyNothing) {
  EXPECT_EQ(diagnostics("SET TICKS OFF 3\n"
                        "SET AXES LEFT OFF 2\n"
                        "SET LABELS LEFT OFF O\n"
                        "SET AXIS OFF PURPLE\n"),
            (Texts{"[com_set_axis] Syntax error in SET TICKS command.\n",
                   "[com_set_axis] Syntax error in SET AXIS command.\n",
                   "[errmsgkw] keyword O is ambiguous\n", "[errmsgkw] keyword PURPLE is invalid\n"}));
  EXPECT_EQ(frame(0).axisOn, (std::array<bool, 4>{true, true, true, true}));
  EXPECT_EQ(frame(0).ticksOn, (std::array<bool, 4>{true, true, true, true}));
  EXPECT_EQ(frame(0).labelsOn, (std::array<bool, 4>{true, false, true, false}));
}

TEST_F(SetCommandsTest, OrderReplacesTheColumns) {
  EXPECT_EQ(diagnostics("SET ORDER Y x dummy S\n"
                        "SET ORDER D\n"
                        "SET ORDER\n"),
            Texts{"[errmsgkw] keyword D is ambiguous\n"});
  EXPECT_EQ(frame(0).order, (std::vector<int>{kColumnY, kColumnX, kColumnDummy, kColumnSymbol}));
  EXPECT_EQ(frame(0).numericColumns, (std::vector<int>{kColumnY, kColumnX}));
}

TEST_F(SetCommandsTest, SymbolCodesAndSizes) {
  EXPECT_EQ(diagnostics("SET SYMBOL 2p\n"), Texts{});
  EXPECT_EQ(frame(0).symbol, (SymbolCode{'2', 'O'}));
  EXPECT_EQ(diagnostics("SET SYMBOL 'X'\n"), Texts{});
  EXPECT_EQ(frame(0).symbol, (SymbolCode{'X', '\0'}));
  EXPECT_EQ(diagnostics("SET SYMBOL abc\n"), Texts{});
  EXPECT_EQ(frame(0).symbol, (SymbolCode{'a', 'B'}));
  EXPECT_EQ(diagnostics("SET SYMBOL 2O SIZE 0.5\n"), Texts{});
  EXPECT_EQ(frame(0).symbol, (SymbolCode{'2', 'O'}));
  EXPECT_DOUBLE_EQ(frame(0).symbolSize, 0.05);
  // S abbreviates SIZE; a symbol S is written in quotes.
  EXPECT_EQ(diagnostics("SET SYMBOL s 3\n"), Texts{});
  EXPECT_EQ(frame(0).symbol, (SymbolCode{'0', 'O'}));
  EXPECT_DOUBLE_EQ(frame(0).symbolSize, 0.3);
  EXPECT_EQ(diagnostics("SET SYMBOL 'S'\n"), Texts{});
  EXPECT_EQ(frame(0).symbol, (SymbolCode{'S', '\0'}));

  EXPECT_EQ(diagnostics("SET SYMBOL X SIZE 2 Y\n"), Texts{"[errmsgkw] keyword Y is invalid\n"});
  EXPECT_EQ(frame(0).symbol, (SymbolCode{'0', 'O'}));
  EXPECT_DOUBLE_EQ(frame(0).symbolSize, 0.1);
}

TEST_F(SetCommandsTest, ScaleAndTickParameters) {
  EXPECT_EQ(diagnostics("SET SCALE X LOG 4 2 Y LINEAR 5\n"), Texts{});
  EXPECT_EQ(frame(0).logScale, (std::array<bool, 2>{true, false}));
  EXPECT_EQ(frame(0).tickParams[kAxisX], (std::array<int, 2>{4, 2}));
  EXPECT_EQ(frame(0).tickParams[kAxisY], (std::array<int, 2>{5, 0}));

  EXPECT_EQ(diagnostics("SET SCALE Y 2.9 -3.7 X\n"), Texts{});
  EXPECT_EQ(frame(0).tickParams[kAxisY], (std::array<int, 2>{2, -3}));
  EXPECT_EQ(frame(0).tickParams[kAxisX], (std::array<int, 2>{6, 0}));

  EXPECT_EQ(diagnostics("SET SCALE 4\n"
                        "SET SCALE LOG X\n"
                        "SET SCALE Y LOG 1 2 3\n"),
            (Texts{"[com_set_scale] X/Y not specified in SET SCALE command.\n",
                   "[com_set_scale] X/Y not specified in SET SCALE command.\n",
                   "[vpmainX]  Invalid command \"X\". Igonred.\n",
                   "[com_set_scale] Syntax error in SET SCALE command.\n"}));
  EXPECT_EQ(frame(0).logScale, (std::array<bool, 2>{false, false}));
}

TEST_F(SetCommandsTest, PageSizeNeedsTwoPositiveNumbers) {
  EXPECT_EQ(diagnostics("SET WINDOW X 1 2\nSET SIZE 20 BY 15\n"), Texts{});
  EXPECT_DOUBLE_EQ(frame(0).pageBox.x1, 20.0);
  EXPECT_DOUBLE_EQ(frame(0).windowBox.x0, 4.0);
  EXPECT_DOUBLE_EQ(frame(0).windowBox.x1, 18.0);
  EXPECT_DOUBLE_EQ(frame(0).windowBox.y0, 3.0);
  EXPECT_DOUBLE_EQ(frame(0).windowBox.y1, 13.5);

  const std::string count = "[com_set_size] SET SIZE must define 2 parameters.";
  EXPECT_EQ(diagnostics("SET SIZE 1\n"
                        "SET SIZE 1 2 3\n"
                        "SET SIZE\n"
                        "SET SIZE BY\n"
                        "SET SIZE 0 5\n"
                        "SET SIZE 5 -1\n"
                        "SET SIZ 10 10\n"
                        "SET SIZE 10 TALL\n"),
            (Texts{count, count, count, count, "[com_set_size] Invalid window size in SET SIZE.",
                   "[com_set_size] Invalid window size in SET SIZE.",
                   "[errmsgkw] keyword SIZ is ambiguous\n", "[errmsgkw] keyword TALL is invalid\n"}));
  EXPECT_DOUBLE_EQ(frame(0).pageBox.x1, 13.0);
}

TEST_F(SetCommandsTest, LineSettings) {
  EXPECT_EQ(diagnostics("SET INTENSITY 3 12\n"
                        "SET PATTERN 2 1 0.5\n"
                        "SET TEXTURE DASHED\n"),
            Texts{});
  EXPECT_FLOAT_EQ(frame(0).lineWidth, 3.0f);
  EXPECT_EQ(frame(0).userPattern, (std::vector<double>{2.0, 1.0, 0.5}));
  EXPECT_EQ(frame(0).texture, kDash);

  EXPECT_EQ(diagnostics("SET TEXTURE DOTS SPLINE\n"), Texts{});
  EXPECT_EQ(frame(0).texture, kDot);
  EXPECT_EQ(diagnostics("SET TEXTURE PAT\n"), Texts{});
  EXPECT_EQ(frame(0).texture, kPatterned);

  EXPECT_EQ(diagnostics("SET INTENSITY 4 THICK\n"
                        "SET PATTERN 0.1 X\n"
                        "SET TEXTURE DOT 1\n"
                        "SET TEXTURE DO\n"),
            (Texts{"[com_set_intensity] Syntax error in SET INTENSITY command.\n",
                   "[com_set_pattern] Syntax error in SET PATTERN command.\n",
                   "[com_set_texture] Syntax error in SET TEXTURE command.\n",
                   "[errmsgkw] keyword DO is ambiguous\n"}));
  EXPECT_FLOAT_EQ(frame(0).lineWidth, 2.0f);
  EXPECT_TRUE(frame(0).userPattern.empty());
  EXPECT_EQ(frame(0).texture, kSolid);
}

TEST_F(SetCommandsTest, FigureSizes) {
  EXPECT_EQ(diagnostics("SET BOX SIZE 2\n"
                        "SET DIAMOND SIZE 2 3\n"
                        "SET CIRCLE SIZE 1 2 SIZE 4\n"),
            Texts{});
  EXPECT_EQ(frame(0).boxSize[kFigureBox], (std::array<double, 2>{2.0, 2.0}));
  EXPECT_EQ(frame(0).boxSize[kFigureDiamond], (std::array<double, 2>{2.0, 3.0}));
  EXPECT_EQ(frame(0).boxSize[kFigureEllipse], (std::array<double, 2>{4.0, 4.0}));

  EXPECT_EQ(diagnostics("SET BOX 2\n"
                        "SET CIRCLE 2\n"
                        "SET ELLIPSE SIZE 1 2 3\n"
                        "SET DIAMOND SIZE 1 2 3\n"),
            (Texts{"[com_set_box] SIZE operand missing in SET BOX command.\n",
                   "[com_set_box] SIZE operand missing in SET ELLIPSE/CIRCLE command.\n",
                   "[com_set_box] Syntax error in SET ELLIPSE/CIRCLE command.\n",
                   "[com_set_box] Syntax error in SET DIAMOND command.\n"}));
  EXPECT_EQ(frame(0).boxSize[kFigureEllipse], (std::array<double, 2>{1.0, 1.0}));
}

TEST_F(SetCommandsTest, FontColourTitleArrowAndGrid) {
  EXPECT_EQ(diagnostics("SET FONT D\n"
                        "SET COLOR lightred\n"
                        "SET TITLE SIZE 0.3\n"
                        "SET ARROW SIZE 3 FLAIR 0.7\n"
                        "SET GRID SYMBOL '+' SIZE 2\n"),
            Texts{});
  const FrameState& f = frame(0);
  EXPECT_EQ(f.font, kDuplex);
  EXPECT_EQ(f.colour, 12);
  EXPECT_DOUBLE_EQ(f.titleSize, 0.3);
  EXPECT_DOUBLE_EQ(f.arrowSize, 0.3);
  EXPECT_DOUBLE_EQ(f.arrowFlare, 0.7);
  EXPECT_EQ(f.gridMode, kGridSymbol);
  EXPECT_EQ(f.gridSymbol, (SymbolCode{'+', '\0'}));
  EXPECT_DOUBLE_EQ(f.gridSymbolSize, 0.2);

  // The operand after SYMBOL is the symbol even when it reads as a word.
  EXPECT_EQ(diagnostics("SET GRID SYMBOL ON\n"), Texts{});
  EXPECT_EQ(frame(0).gridSymbol, (SymbolCode{'O', 'N'}));
  EXPECT_EQ(diagnostics("SET GRID SYMBOL\n"), Texts{});
  EXPECT_EQ(frame(0).gridSymbol, (SymbolCode{'0', 'O'}));
  EXPECT_EQ(diagnostics("SET GRID H\n"), Texts{});
  EXPECT_EQ(frame(0).gridMode, kGridHorizontal);
  EXPECT_TRUE(frame(0).gridOn);
}

TEST_F(SetCommandsTest, FontColourTitleArrowAndGridErrors) {
  EXPECT_EQ(diagnostics("SET FONT 2\n"
                        "SET COLOR 3\n"
                        "SET COLOR PURPLE\n"
                        "SET COLOR LIGHT\n"
                        "SET TITLE 3\n"
                        "SET ARROW 3\n"
                        "SET ARROW FLARE 2 X\n"
                        "SET GRID 2\n"
                        "SET GRID SIZE 2\n"
                        "SET GRID ON SIZE 2\n"
                        "SET GRID SYMBOL X 2\n"),
            (Texts{"[com_set_font] Syntax error in SET FONT command.\n",
                   "[com_set_color] Syntax error in SET COLOR command.\n",
                   "[errmsgkw] keyword PURPLE is invalid\n", "[errmsgkw] keyword LIGHT is ambiguous\n",
                   "[com_set_title] SIZE operand missing in SET TITLE command.\n",
                   "[com_set_arrow] Syntax error in SET ARROW command.\n",
                   "[errmsgkw] keyword X is invalid\n",
                   "[com_set_grid] Syntax error in SET GRID command.\n",
                   "[com_set_grid] Syntax error in SET GRID command.\n",
                   "[com_set_grid] Syntax error in SET GRID command.\n",
                   "[com_set_grid] Syntax error in SET GRID command.\n"}));
  const FrameState& f = frame(0);
  EXPECT_EQ(f.font, kSimplex);
  EXPECT_EQ(f.colour, 0);
  EXPECT_DOUBLE_EQ(f.titleSize, 0.2);
  EXPECT_DOUBLE_EQ(f.arrowFlare, 0.5);
  EXPECT_EQ(f.gridMode, kGridOff);
}

TEST_F(SetCommandsTest, SubcommandWordsAndNotReadySubcommands) {
  EXPECT_EQ(diagnostics("set car 5 6\n"
                        "SET BAR\n"
                        "SET STORAGE 1; SET MODE\n"
                        "SET\n"
                        "SET; SET PURPLE 1 2\n"
                        "SET A 1\n"
                        "SET X WINDOW\n"
                        "SET CI SIZE 3\n"),
            (Texts{"[com_ignore]  Command SET CARD is not ready. Ignored.\n",
                   "[com_ignore]  Command SET BAR is not ready. Ignored.\n",
                   "[com_ignore]  Command SET STORAGE is not ready. Ignored.\n",
                   "[com_ignore]  Command SET MODE is not ready. Ignored.\n",
                   "[com_set] Syntax error in SET command\n", "[com_set] Syntax error in SET command\n",
                   "[errmsgkw] keyword PURPLE is invalid\n", "[errmsgkw] keyword A is ambiguous\n",
                   "[errmsgkw] keyword X is invalid\n", "[vpmainX]  Invalid command \"WINDOW\". Igonred.\n"}));
  EXPECT_EQ(frame(0).boxSize[kFigureEllipse], (std::array<double, 2>{3.0, 3.0}));
}

TEST_F(SetCommandsTest, SubcommandEndingTheFileIsApplied) {
  EXPECT_EQ(diagnostics("SET COLOR RED"), Texts{});
  EXPECT_EQ(frame(0).colour, 4);
}

TEST_F(SetCommandsTest, OverlongTokensEndTheFileWithTheSubcommandsSyntaxError) {
  const std::string overlong(300, 'x');
  EXPECT_EQ(diagnostics("SET WINDOW X 1 5 " + overlong + "\nSET COLOR RED\n"),
            Texts{"[com_set_window] Syntax error in SET WINDOW command.\n"});
  EXPECT_EQ(frame(0).colour, 0);
  EXPECT_DOUBLE_EQ(frame(0).windowBox.x1, 11.7);

  EXPECT_EQ(diagnostics("SET SIZE 1 " + overlong + "\n"),
            Texts{"[com_set_box] Syntax error in SET SIZE command.\n"});
  // The dispatcher and the not-ready subcommands hand the code up silently.
  EXPECT_EQ(diagnostics("SET " + overlong + "\nSET COLOR RED\n"), Texts{});
  EXPECT_EQ(diagnostics("SET CARD " + overlong + "\nSET COLOR RED\n"), Texts{});
  EXPECT_EQ(frame(0).colour, 0);
}

}  // namespace
}  // namespace vexplot
