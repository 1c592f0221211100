#include "tests/viewer/render/display_records.hpp"

#include <cmath>
#include <cstdio>

namespace vexplot::testing {

namespace {

// Rounds to 1e-4 and never prints "-0".
double rounded(double value) {
  const double r = std::round(value * 1.0e4) / 1.0e4;
  return r == 0.0 ? 0.0 : r;
}

}  // namespace

std::string describe(const DisplayRecord& record) {
  switch (record.kind) {
    case kBeginObject: return "B";
    case kEndObject: return "E";
    default: {
      char text[80];
      std::snprintf(text, sizeof text, "%s %g %g", record.kind == kMove ? "M" : "D",
                    rounded(record.x), rounded(record.y));
      return text;
    }
  }
}

std::vector<std::string> describeAll(const DisplayList& list) {
  std::vector<std::string> all;
  list.forEach([&](const DisplayRecord& record) { all.push_back(describe(record)); });
  return all;
}

std::vector<std::string> strokes(const DisplayList& list) {
  std::vector<std::string> result;
  list.forEach([&](const DisplayRecord& record) {
    if (record.kind == kMove || record.kind == kDraw) result.push_back(describe(record));
  });
  return result;
}

std::vector<std::vector<std::string>> objects(const DisplayList& list) {
  std::vector<std::vector<std::string>> result;
  list.forEach([&](const DisplayRecord& record) {
    if (record.kind == kBeginObject) {
      result.emplace_back();
    } else if ((record.kind == kMove || record.kind == kDraw) && !result.empty()) {
      result.back().push_back(describe(record));
    }
  });
  return result;
}

}  // namespace vexplot::testing
