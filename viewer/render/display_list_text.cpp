#include "viewer/render/display_list_text.hpp"

#include <cstdio>
#include <string_view>

namespace vexplot {

namespace {

std::string_view kindName(std::int32_t kind) {
  switch (kind) {
    case kMove: return "Move";
    case kDraw: return "Draw";
    case kBeginObject: return "BeginObject";
    case kEndObject: return "EndObject";
    default: return "Unknown";
  }
}

}  // namespace

void writeDisplayList(std::ostream& out, const DisplayList& list) {
  list.forEach([&](const DisplayRecord& record) {
    char numbers[160];
    std::snprintf(numbers, sizeof numbers, " %g %g %d %g", record.x, record.y, record.colour,
                  record.width);
    out << kindName(record.kind) << numbers << '\n';
  });
}

}  // namespace vexplot
