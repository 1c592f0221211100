#pragma once

#include <span>
#include <string_view>

namespace vexplot {

// Results of keyword matching besides an entry's index.
inline constexpr int kKeywordAmbiguous = -1;
inline constexpr int kKeywordNotFound = -2;
inline constexpr int kKeywordAliasWithoutBase = -3;

// Alias marks parallel to a keyword table: an entry marked kAlias stands for
// the nearest earlier entry marked kBaseWord.
inline constexpr unsigned char kBaseWord = 0;
inline constexpr unsigned char kAlias = 1;

// Finds word in table, ignoring the case of A to Z: an exact match first (the
// first equal entry wins), otherwise the one entry that the word abbreviates.
// Returns the entry's index, kKeywordAmbiguous or kKeywordNotFound.
int matchKeyword(std::string_view word, std::span<const std::string_view> table);

// The same with alias marks: an abbreviation shared by a word and its aliases
// is not ambiguous, and an alias resolves to its base entry
// (kKeywordAliasWithoutBase when there is none).
int matchKeywordWithAliases(std::string_view word, std::span<const std::string_view> table,
                            std::span<const unsigned char> marks);

}  // namespace vexplot
