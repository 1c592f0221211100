#include "viewer/language/command_reader.hpp"

#include <system_error>

#include "viewer/language/result_codes.hpp"

namespace vexplot {

namespace {

// Results of the byte layer besides ordinary characters.
constexpr int kCharEndOfFile = -1;
constexpr int kCharLineEnd = -2;

constexpr char kQuote = '\'';

bool endsWord(char c) {
  return c == ' ' || c == ',' || c == kQuote || c == '(' || c == ';' || c == '\n';
}

}  // namespace

int CommandReader::openInput(const std::filesystem::path& path) {
  closeInput();
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) return kCannotOpen;
  input_.reset(std::fopen(path.c_str(), "rb"));
  if (!input_) return kCannotOpen;
  atEndOfFile_ = false;
  echoCount_ = 0;
  hasPending_ = false;
  position_ = 0;
  needLine_ = true;
  line_.clear();
  line_.reserve(100);
  return kDone;
}

void CommandReader::closeInput() {
  input_.reset();
  std::string().swap(line_);
}

// A CR, an LF or a CR LF pair is one line end; a byte after a lone CR is kept
// for the next call. Control bytes and bytes of 127 and above read as spaces.
int CommandReader::readChar() {
  int c;
  if (hasPending_) {
    hasPending_ = false;
    c = pendingChar_;
  } else {
    c = std::getc(input_.get());
  }
  if (c == EOF) return kCharEndOfFile;
  if (c == '\r') {
    const int next = std::getc(input_.get());
    if (next != '\n') {
      pendingChar_ = next;
      hasPending_ = true;
    }
    return kCharLineEnd;
  }
  if (c == '\n') return kCharLineEnd;
  if (c < 32 || c >= 127) return ' ';
  return c;
}

// Collects one physical line into line_ (without its line end). A last line
// without a line end is delivered; an end of file right after a line end
// yields no extra empty line.
int CommandReader::readLine() {
  if (atEndOfFile_ || !input_) return kEndOfFile;
  line_.clear();
  for (;;) {
    const int c = readChar();
    if (c == kCharLineEnd) break;
    if (c == kCharEndOfFile) {
      atEndOfFile_ = true;
      if (line_.empty()) return kEndOfFile;
      break;
    }
    line_.push_back(static_cast<char>(c));
  }
  if (echoCount_ > 0) {
    log_.write(line_);
    log_.write("\n");
    --echoCount_;
  }
  return kDone;
}

int CommandReader::nextToken(std::string& token) {
  if (needLine_) {
    const int code = readLine();
    if (code > 0) return code;
    line_.push_back('\n');
    position_ = 0;
    needLine_ = false;
  }
  if (position_ >= line_.size()) {
    needLine_ = true;
    return kEndOfLine;
  }
  // Spaces and commas separate tokens; a comment runs to the next right
  // parenthesis of the same line and never spans lines.
  for (;;) {
    while (line_[position_] == ' ' || line_[position_] == ',') ++position_;
    if (line_[position_] != '(') break;
    const std::size_t close = line_.find(')', position_);
    if (close == std::string::npos) {
      needLine_ = true;
      return kEndOfLine;
    }
    position_ = close + 1;
  }
  const char c = line_[position_];
  if (c == '\n') {
    needLine_ = true;
    return kEndOfLine;
  }
  if (c == ';') {
    ++position_;
    return kEndOfStatement;
  }
  token.clear();
  return c == kQuote ? readString(token) : readWord(token);
}

// A string keeps its delimiting quotes; a doubled quote inside stands for one
// quote, and a string still open at the line end is closed there.
int CommandReader::readString(std::string& token) {
  std::size_t p = position_ + 1;
  token.push_back(kQuote);
  for (;;) {
    const char c = line_[p];
    if (c == '\n') break;
    ++p;
    if (c == kQuote) {
      if (line_[p] != kQuote) break;
      ++p;
    }
    if (token.size() >= kTokenLimit) return kTokenTooLong;
    token.push_back(c);
  }
  if (token.size() >= kTokenLimit) return kTokenTooLong;
  token.push_back(kQuote);
  position_ = p;
  return kDone;
}

int CommandReader::readWord(std::string& token) {
  std::size_t end = position_;
  while (!endsWord(line_[end])) ++end;
  if (end - position_ > kTokenLimit) return kTokenTooLong;
  token.assign(line_, position_, end - position_);
  position_ = end;
  return kDone;
}

int CommandReader::skipStatement() {
  std::string token;
  for (;;) {
    const int code = nextToken(token);
    if (endsStatement(code) || code >= 300) return code;
  }
}

}  // namespace vexplot
