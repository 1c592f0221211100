#pragma once

#include <string>

namespace vexplot {

// The caption and text of a message box.
struct MessageBoxText {
  std::string caption;
  std::string text;
};

// The symbolic name of a system error number ("ENOENT"), or the number
// itself when the system knows no name for it.
std::string systemErrorName(int code);

// The name of a file-dialog failure code ("CDERR_STRUCTSIZE", ...): empty for
// 0, which means the user simply cancelled; the number for an unknown code.
std::string dialogErrorName(unsigned code);

// The box that shows the system's own description of an error, captioned
// "GetLastError".
MessageBoxText systemErrorBox(int code);

}  // namespace vexplot
