#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>

namespace vexplot::testing {

// What Ghostscript said about a file: its exit status and everything it
// printed (nothing for a clean run, as it runs quietly).
struct GhostscriptRun {
  int status = -1;
  std::string messages;
};

// Renders an EPS file, cropped to its bounding box, into a PNG picture.
GhostscriptRun renderEpsToPng(const std::filesystem::path& eps, const std::filesystem::path& png);

// The box around what the file paints, in points, as Ghostscript's bounding
// box device measures it: llx, lly, urx, ury. Empty when it cannot tell.
std::optional<std::array<double, 4>> paintedBox(const std::filesystem::path& eps);

}  // namespace vexplot::testing
