#pragma once

#include <ostream>

#include "viewer/language/display_list.hpp"

namespace vexplot {

// Writes a display list as text, one record a line: the kind (Move, Draw,
// BeginObject, EndObject), x, y, colour and width, numbers as printf's "%g"
// writes them.
void writeDisplayList(std::ostream& out, const DisplayList& list);

}  // namespace vexplot
