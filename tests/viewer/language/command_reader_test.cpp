#include "viewer/language/command_reader.hpp"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/viewer/language/plot_file_fixture.hpp"
#include "viewer/language/result_codes.hpp"

namespace vexplot {
namespace {

class CommandReaderTest : public testing::PlotFileTest {
 protected:
  // Reads the bytes to the end and shows tokens as they are and codes as
  // <code>; a code of 400 or more is shown twice to prove it is not consumed.
  std::vector<std::string> tokenize(std::string_view bytes) {
    EXPECT_EQ(reader_.openInput(writeFile("tokens.vpx", bytes)), kDone);
    std::vector<std::string> out;
    std::string token;
    for (int guard = 0; guard < 10000; ++guard) {
      const int code = reader_.nextToken(token);
      out.push_back(code == kDone ? token : codeText(code));
      if (code >= kEndsFile) {
        out.push_back(codeText(reader_.nextToken(token)));
        break;
      }
      if (code == kEndOfFile) break;
    }
    reader_.closeInput();
    return out;
  }

  static std::string codeText(int code) {
    return std::string("<").append(std::to_string(code)).append(">");
  }

  LogFile log_;
  CommandReader reader_{log_};
};

using Tokens = std::vector<std::string>;

// A quote followed by count copies of c.
std::string quoted(std::size_t count, char c) { return std::string("'").append(count, c); }

TEST_F(CommandReaderTest, LineEndsOfEveryKindGiveTheSameLines) {
  EXPECT_EQ(tokenize("A\nB\r\nC\rD"), (Tokens{"A", "<4>", "B", "<4>", "C", "<4>", "D", "<4>", "<8>"}));
  // A lone CR before a CR, and a CR at the very end.
  EXPECT_EQ(tokenize("A\r\rB\r"), (Tokens{"A", "<4>", "<4>", "B", "<4>", "<8>"}));
  EXPECT_EQ(tokenize("\n\nX"), (Tokens{"<4>", "<4>", "X", "<4>", "<8>"}));
}

TEST_F(CommandReaderTest, FileEndAfterLineEndGivesNoExtraLineAndIsSticky) {
  EXPECT_EQ(tokenize("A\n"), (Tokens{"A", "<4>", "<8>"}));
  EXPECT_EQ(tokenize(""), (Tokens{"<8>"}));

  ASSERT_EQ(reader_.openInput(writeFile("once.vpx", "A")), kDone);
  std::string token;
  EXPECT_EQ(reader_.nextToken(token), kDone);
  EXPECT_EQ(reader_.nextToken(token), kEndOfLine);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(reader_.nextToken(token), kEndOfFile);
}

TEST_F(CommandReaderTest, ControlAndHighBytesSeparateLikeSpaces) {
  EXPECT_EQ(tokenize(std::string("A\tB\x80" "C\x7f" "D\xff" "E\0F\x1b" "G", 13)),
            (Tokens{"A", "B", "C", "D", "E", "F", "G", "<4>", "<8>"}));
}

TEST_F(CommandReaderTest, CommasSeparateWithoutEmptyTokens) {
  EXPECT_EQ(tokenize("1,,2 , ,3,"), (Tokens{"1", "2", "3", "<4>", "<8>"}));
}

TEST_F(CommandReaderTest, SemicolonsEndStatementsWithinALine) {
  EXPECT_EQ(tokenize("A;B ;; C;\n"), (Tokens{"A", "<3>", "B", "<3>", "<3>", "C", "<3>", "<4>", "<8>"}));
}

TEST_F(CommandReaderTest, CommentsAreSkippedAndEndAtTheirLine) {
  EXPECT_EQ(tokenize("5(x)6 (a)(b)C"), (Tokens{"5", "6", "C", "<4>", "<8>"}));
  // A comment without its closing parenthesis drops the rest of its line only.
  EXPECT_EQ(tokenize("A (open B\nC"), (Tokens{"A", "<4>", "C", "<4>", "<8>"}));
  // A right parenthesis outside a comment is an ordinary character.
  EXPECT_EQ(tokenize("A) B"), (Tokens{"A)", "B", "<4>", "<8>"}));
}

TEST_F(CommandReaderTest, StringsKeepQuotesAndUndoubleInnerQuotes) {
  EXPECT_EQ(tokenize("'It''s' A'B' ''"), (Tokens{"'It's'", "A", "'B'", "''", "<4>", "<8>"}));
  // Separators and comment openers inside a string are text.
  EXPECT_EQ(tokenize("'a, (b); c'"), (Tokens{"'a, (b); c'", "<4>", "<8>"}));
  // A string still open at its line end is closed there.
  EXPECT_EQ(tokenize("'open text\nX"), (Tokens{"'open text'", "<4>", "X", "<4>", "<8>"}));
  EXPECT_EQ(tokenize("'ends in a doubled quote''"), (Tokens{"'ends in a doubled quote''", "<4>", "<8>"}));
}

TEST_F(CommandReaderTest, WordsEndAtQuotesParenthesesAndSemicolons) {
  EXPECT_EQ(tokenize("A'B'C(x)D;E"), (Tokens{"A", "'B'", "C", "D", "<3>", "E", "<4>", "<8>"}));
}

TEST_F(CommandReaderTest, TokensOf254CharactersPassAndLongerOnesAreRefused) {
  const std::string word254(254, 'w');
  EXPECT_EQ(tokenize(word254 + " X"), (Tokens{word254, "X", "<4>", "<8>"}));
  EXPECT_EQ(tokenize(std::string("A ").append(255, 'w')), (Tokens{"A", "<403>", "<403>"}));

  const std::string string254 = quoted(252, 's').append("'");
  EXPECT_EQ(tokenize(string254), (Tokens{string254, "<4>", "<8>"}));
  EXPECT_EQ(tokenize(quoted(253, 's').append("'")), (Tokens{"<403>", "<403>"}));
  // A doubled quote counts once; an open string gets its closing quote counted.
  EXPECT_EQ(tokenize(quoted(251, 's').append("'''")),
            (Tokens{quoted(251, 's').append("''"), "<4>", "<8>"}));
  EXPECT_EQ(tokenize(quoted(253, 's')), (Tokens{"<403>", "<403>"}));
}

TEST_F(CommandReaderTest, LinesHaveNoLengthLimit) {
  std::string line;
  for (int i = 0; i < 5000; ++i) line += "12345 ";
  const Tokens tokens = tokenize(line);
  ASSERT_EQ(tokens.size(), 5002u);
  EXPECT_EQ(tokens[4999], "12345");
}

TEST_F(CommandReaderTest, SkipStatementStopsAtTheStatementsEnd) {
  ASSERT_EQ(reader_.openInput(writeFile("skip.vpx", "A B; C\nD E\nF " + std::string(300, 'x'))),
            kDone);
  std::string token;
  EXPECT_EQ(reader_.skipStatement(), kEndOfStatement);
  EXPECT_EQ(reader_.nextToken(token), kDone);
  EXPECT_EQ(token, "C");
  EXPECT_EQ(reader_.skipStatement(), kEndOfLine);
  EXPECT_EQ(reader_.skipStatement(), kEndOfLine);
  EXPECT_EQ(reader_.skipStatement(), kTokenTooLong);
  EXPECT_EQ(reader_.skipStatement(), kTokenTooLong);
}

TEST_F(CommandReaderTest, MissingFilesAndDirectoriesCannotBeOpened) {
  EXPECT_EQ(reader_.openInput(directory_ / "missing.vpx"), kCannotOpen);
  EXPECT_EQ(reader_.openInput(directory_), kCannotOpen);
  std::string token;
  EXPECT_EQ(reader_.nextToken(token), kEndOfFile);
}

TEST_F(CommandReaderTest, LogEchoCopiesTheNextThreePhysicalLines) {
  ASSERT_TRUE(log_.create(directory_ / "echo.log"));
  ASSERT_EQ(reader_.openInput(writeFile("echo.vpx", "L1 a\r\nL2\n\nL4\nL5\nL6 b\nL7\n")), kDone);
  std::string token;
  reader_.setLogEcho(true);
  for (int i = 0; i < 5; ++i) reader_.skipStatement();  // L1, L2, the empty line, L4, L5
  reader_.setLogEcho(true);
  reader_.skipStatement();  // L6
  reader_.setLogEcho(false);
  reader_.skipStatement();  // L7, not echoed
  log_.close();
  std::ifstream in(directory_ / "echo.log", std::ios::binary);
  std::stringstream logged;
  logged << in.rdbuf();
  EXPECT_EQ(logged.str(), "L1 a\nL2\n\nL6 b\n");
}

}  // namespace
}  // namespace vexplot
