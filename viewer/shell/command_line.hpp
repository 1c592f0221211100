#pragma once

#include <filesystem>
#include <span>
#include <string_view>

namespace vexplot {

// The kinds of picture the headless export writes.
enum class PictureFormat { kEps, kPng, kPdf, kSvg, kDisplayList };

// What the program was asked to do on its command line.
struct CommandLine {
  enum Mode { kUsageError, kHelp, kExport, kWindow };
  Mode mode = kUsageError;
  std::filesystem::path exportDirectory;
  std::filesystem::path inputFile;
  PictureFormat format = PictureFormat::kEps;
};

// Reads the arguments after the program name: "--help"; "--export DIR FILE"
// with an optional "--format eps|png|pdf|svg|list" among them; or, for the
// window, nothing or the plot file (whose words the window takes itself).
// Any other argument that starts with "--" is a usage error.
CommandLine parseCommandLine(std::span<const std::string_view> arguments);

std::string_view usageText();

}  // namespace vexplot
