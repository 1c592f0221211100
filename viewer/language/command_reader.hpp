#pragma once

#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "viewer/language/message_sink.hpp"

namespace vexplot {

// Reads one plot command file as a stream of tokens. Three layers: bytes
// (line ends, control and high bytes), physical lines (with the optional echo
// into the log file) and tokens (words, strings, separators, comments).
class CommandReader {
 public:
  // Every token buffer of the language holds 256 bytes; a token keeps at most
  // this many characters, a longer one is refused with kTokenTooLong.
  static constexpr std::size_t kTokenLimit = 254;

  explicit CommandReader(LogFile& log) : log_(log) {}

  // Opens the file in byte mode; kDone or kCannotOpen.
  int openInput(const std::filesystem::path& path);
  void closeInput();

  // Delivers the next token: kDone with the token, kEndOfStatement,
  // kEndOfLine, kEndOfFile or kTokenTooLong (the token's characters then
  // stay unread). A line that cannot be held throws std::bad_alloc.
  int nextToken(std::string& token);

  // Drops tokens up to the end of the statement and returns the code that
  // ended it: kEndOfStatement, kEndOfLine, kEndOfFile or a code of 300 or more.
  int skipStatement();

  // With on, copies the next three physical lines read into the log file.
  void setLogEcho(bool on) { echoCount_ = on ? 3 : 0; }

 private:
  struct Closer {
    void operator()(std::FILE* file) const { std::fclose(file); }
  };

  int readChar();
  int readLine();
  int readString(std::string& token);
  int readWord(std::string& token);

  LogFile& log_;
  std::unique_ptr<std::FILE, Closer> input_;
  std::string line_;  // the current line and its appended newline
  std::size_t position_ = 0;
  bool needLine_ = true;
  bool atEndOfFile_ = false;
  int pendingChar_ = 0;
  bool hasPending_ = false;
  int echoCount_ = 0;
};

}  // namespace vexplot
