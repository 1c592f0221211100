#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vexplot {

// Removes, in place, a leading quote and then a trailing quote if present.
// Text that does not begin with a quote is left as it is.
void stripQuotes(std::string& text);

// The characters between the delimiting quotes of a string token (the closing
// quote excluded), or the whole word when the token is not a string, cut to at
// most maxChars characters.
std::string copyUnquoted(std::string_view text, std::size_t maxChars);

}  // namespace vexplot
