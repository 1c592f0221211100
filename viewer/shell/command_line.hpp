#pragma once

#include <filesystem>
#include <span>
#include <string_view>

namespace vexplot {

// What the program was asked to do on its command line.
struct CommandLine {
  enum Mode { kUsageError, kHelp, kExport };
  Mode mode = kUsageError;
  std::filesystem::path exportDirectory;
  std::filesystem::path inputFile;
};

// Reads the arguments after the program name: "--help", or
// "--export DIR FILE".
CommandLine parseCommandLine(std::span<const std::string_view> arguments);

std::string_view usageText();

}  // namespace vexplot
