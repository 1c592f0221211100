#include "viewer/shell/error_names.hpp"

#include <array>
#include <string.h>
#include <string_view>
#include <system_error>

namespace vexplot {

namespace {

struct DialogError {
  unsigned code;
  std::string_view name;
};

constexpr std::array<DialogError, 13> kDialogErrors{{
    {0xFFFF, "CDERR_DIALOGFAILURE"},
    {6, "CDERR_FINDRESFAILURE"},
    {2, "CDERR_INITIALIZATION"},
    {7, "CDERR_LOADRESFAILURE"},
    {5, "CDERR_LOADSTRFAILURE"},
    {8, "CDERR_LOCKRESFAILURE"},
    {9, "CDERR_MEMALLOCFAILURE"},
    {10, "CDERR_MEMLOCKFAILURE"},
    {4, "CDERR_NOHINSTANCE"},
    {11, "CDERR_NOHOOK"},
    {3, "CDERR_NOTEMPLATE"},
    {12, "CDERR_REGISTERMSGFAIL"},
    {1, "CDERR_STRUCTSIZE"},
}};

}  // namespace

std::string systemErrorName(int code) {
  const char* name = ::strerrorname_np(code);
  return name != nullptr ? std::string(name) : std::to_string(code);
}

std::string dialogErrorName(unsigned code) {
  if (code == 0) return {};
  for (const DialogError& entry : kDialogErrors) {
    if (entry.code == code) return std::string(entry.name);
  }
  return std::to_string(code);
}

MessageBoxText systemErrorBox(int code) {
  return {"GetLastError", std::generic_category().message(code)};
}

}  // namespace vexplot
