#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "viewer/language/display_list.hpp"

namespace vexplot::testing {

// A display record as "M x y", "D x y", "B" or "E", coordinates rounded to
// 1e-4, for comparing recorded drawings.
std::string describe(const DisplayRecord& record);

// Every record of the list, described.
std::vector<std::string> describeAll(const DisplayList& list);

// The Move and Draw records only.
std::vector<std::string> strokes(const DisplayList& list);

// The Move and Draw records of each object (between a BeginObject and its
// EndObject), object by object.
std::vector<std::vector<std::string>> objects(const DisplayList& list);

}  // namespace vexplot::testing
