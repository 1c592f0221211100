#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string_view>

namespace vexplot {

// The kinds of picture the headless export writes.
enum class PictureFormat { kEps, kPng, kPdf, kSvg, kDisplayList };

// The formats drawn by the toolkit's painter (PNG, PDF, SVG): only they
// take a size.
bool drawnByToolkit(PictureFormat format);

// The size asked for the pictures of the headless export: pixels of a PNG
// image, points of a PDF or SVG page.
struct PictureSize {
  int width = 0;
  int height = 0;

  bool operator==(const PictureSize&) const = default;
};

// Each side of a picture size lies in this range.
inline constexpr int kSmallestPictureSide = 16;
inline constexpr int kLargestPictureSide = 10000;

// What the program was asked to do on its command line.
struct CommandLine {
  enum Mode { kUsageError, kHelp, kExport, kWindow };
  Mode mode = kUsageError;
  std::filesystem::path exportDirectory;
  std::filesystem::path inputFile;
  PictureFormat format = PictureFormat::kEps;
  std::optional<PictureSize> size;  // none: the window's size, or the EPS page
};

// Reads the arguments after the program name: "--help"; "--export DIR FILE"
// with an optional "--format eps|png|pdf|svg|list" and, for png, pdf and
// svg, an optional "--size WxH" among them; or, for the window, nothing or
// the plot file (whose words the window takes itself). Any other argument
// that starts with "--" is a usage error, and so is a size whose sides are
// not whole numbers from 16 to 10000.
CommandLine parseCommandLine(std::span<const std::string_view> arguments);

std::string_view usageText();

}  // namespace vexplot
