#include "viewer/language/message_sink.hpp"

#include <string>

namespace vexplot {

bool LogFile::create(const std::filesystem::path& path) {
  file_.reset(std::fopen(path.c_str(), "wb"));
  return isOpen();
}

void LogFile::close() { file_.reset(); }

void LogFile::write(std::string_view text) {
  if (file_) std::fwrite(text.data(), 1, text.size(), file_.get());
}

void MessageSink::reportMessage(std::string_view text, std::string_view routine) {
  if (display_ != nullptr) {
    if (routine.empty()) {
      display_->appendText(text);
    } else {
      std::string shown;
      shown.reserve(routine.size() + text.size() + 3);
      shown.append("[").append(routine).append("] ").append(text);
      display_->appendText(shown);
    }
  }
  log_.write(text);
}

void MessageSink::reportKeywordError(std::string_view word, int code) {
  std::string_view verdict;
  if (code == -1) {
    verdict = " is ambiguous\n";
  } else if (code == -2) {
    verdict = " is invalid\n";
  } else if (code >= 0) {
    verdict = " is not ready\n";
  } else {
    return;
  }
  std::string text = "[errmsgkw] keyword ";
  text.append(word).append(verdict);
  if (display_ != nullptr) display_->appendText(text);
  log_.write(text);
}

}  // namespace vexplot
