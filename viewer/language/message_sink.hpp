#pragma once

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string_view>

namespace vexplot {

// The main window's scrolling text display, as seen by the language: it takes
// whole messages and splits them into lines itself.
class TextDisplay {
 public:
  virtual ~TextDisplay() = default;
  virtual void appendText(std::string_view text) = 0;
};

// The log file of one interpretation: created anew at its start, receives the
// bare message texts and the echoed input lines, closed at its end.
class LogFile {
 public:
  // Creates (or replaces) the file; false when it cannot be created.
  bool create(const std::filesystem::path& path);
  void close();
  bool isOpen() const { return file_ != nullptr; }
  // Writes the text verbatim; does nothing while no file is open.
  void write(std::string_view text);

 private:
  struct Closer {
    void operator()(std::FILE* file) const { std::fclose(file); }
  };
  std::unique_ptr<std::FILE, Closer> file_;
};

// The one route of every diagnostic of the language: the text display (while a
// main window exists) and the log file (while one is open).
class MessageSink {
 public:
  explicit MessageSink(TextDisplay* display = nullptr) : display_(display) {}

  void setDisplay(TextDisplay* display) { display_ = display; }
  LogFile& log() { return log_; }

  // Shows "[routine] text" (or the bare text when routine is empty) and logs
  // the bare text.
  void reportMessage(std::string_view text, std::string_view routine = {});

  // Reports a keyword that a table rejected: code -1 ambiguous, -2 invalid,
  // 0 or more not ready; other codes report nothing. The finished text goes to
  // both consumers as it is.
  void reportKeywordError(std::string_view word, int code);

 private:
  TextDisplay* display_;
  LogFile log_;
};

}  // namespace vexplot
