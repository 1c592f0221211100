// Fuzz target: a settings file, read, derived and written back.  Once
// written, a file must read back to itself (the first writing may still
// replace texts it cannot keep, and the next reading their defaults).
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "viewer/windows/settings.hpp"

namespace {

std::string roundTrip(const std::string& text) {
    std::istringstream in(text);
    const vexplot::SettingsContext context{"/opt/vexplot", "/tmp", {1280, 1024}};
    const vexplot::ActiveSettings active = vexplot::deriveSettings(vexplot::parseSettings(in), context);
    return vexplot::formatSettings(active, vexplot::WindowPlacement{});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string written = roundTrip(roundTrip(std::string(reinterpret_cast<const char*>(data), size)));
    if (roundTrip(written) != written) __builtin_trap();
    return 0;
}
