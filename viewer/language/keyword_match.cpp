#include "viewer/language/keyword_match.hpp"

#include <cstddef>

namespace vexplot {

namespace {

char upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool startsWithIgnoringCase(std::string_view entry, std::string_view word) {
  if (entry.size() < word.size()) return false;
  for (std::size_t i = 0; i < word.size(); ++i) {
    if (upper(entry[i]) != upper(word[i])) return false;
  }
  return true;
}

bool isAlias(std::span<const unsigned char> marks, std::size_t i) {
  return i < marks.size() && marks[i] == kAlias;
}

// True when walking back from the alias at index i through consecutive alias
// entries reaches the entry at index target.
bool aliasChainReaches(std::span<const unsigned char> marks, std::size_t i, std::size_t target) {
  while (i > 0) {
    --i;
    if (i == target) return true;
    if (!isAlias(marks, i)) return false;
  }
  return false;
}

int matchEntry(std::string_view word, std::span<const std::string_view> table,
               std::span<const unsigned char> marks) {
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (table[i].size() == word.size() && startsWithIgnoringCase(table[i], word)) {
      return static_cast<int>(i);
    }
  }
  int candidate = kKeywordNotFound;
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (table[i].size() <= word.size() || !startsWithIgnoringCase(table[i], word)) continue;
    if (candidate == kKeywordNotFound) {
      candidate = static_cast<int>(i);
    } else if (isAlias(marks, i) &&
               aliasChainReaches(marks, i, static_cast<std::size_t>(candidate))) {
      candidate = static_cast<int>(i);
    } else {
      return kKeywordAmbiguous;
    }
  }
  return candidate;
}

}  // namespace

int matchKeyword(std::string_view word, std::span<const std::string_view> table) {
  return matchEntry(word, table, {});
}

int matchKeywordWithAliases(std::string_view word, std::span<const std::string_view> table,
                            std::span<const unsigned char> marks) {
  int result = matchEntry(word, table, marks);
  while (result >= 0 && isAlias(marks, static_cast<std::size_t>(result))) {
    if (result == 0) return kKeywordAliasWithoutBase;
    --result;
  }
  return result;
}

}  // namespace vexplot
