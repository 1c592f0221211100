// Comparing whole output texts line by line.
#pragma once

#include <sstream>
#include <string>

namespace test_support {

// The first line where two texts differ, with both versions of it, or ""
// when the texts are equal.
inline std::string firstDifference(const std::string& a, const std::string& b) {
    std::istringstream left(a), right(b);
    std::string l, r;
    for (int line = 1;; ++line) {
        const bool moreLeft = static_cast<bool>(std::getline(left, l));
        const bool moreRight = static_cast<bool>(std::getline(right, r));
        if (!moreLeft && !moreRight) return "";
        if (moreLeft != moreRight || l != r) return "line " + std::to_string(line) + ":\n" + l + "\n" + r;
    }
}

}  // namespace test_support
