#include "viewer/language/quote_text.hpp"

namespace vexplot {

namespace {
constexpr char kQuote = '\'';
}

void stripQuotes(std::string& text) {
  if (text.empty() || text.front() != kQuote) return;
  text.erase(0, 1);
  if (!text.empty() && text.back() == kQuote) text.pop_back();
}

std::string copyUnquoted(std::string_view text, std::size_t maxChars) {
  if (!text.empty() && text.front() == kQuote) {
    text.remove_prefix(1);
    if (!text.empty() && text.back() == kQuote) text.remove_suffix(1);
  }
  return std::string(text.substr(0, maxChars));
}

}  // namespace vexplot
