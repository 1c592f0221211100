#pragma once

#include <filesystem>
#include <string>

#include "viewer/windows/settings.hpp"

namespace vexplot {

// The names that follow from the current input file.
struct InputPaths {
  std::filesystem::path inputPath;
  std::string inputDirectory;  // with a trailing separator
  std::string inputBaseName;   // name without directory and extension (frame titles)
};

// Runs after every change of the input file: derives its directory and base
// name, places the log and the PostScript files in that directory when the
// settings say so, and makes it the active input directory, so that the
// settings remember it.
InputPaths deriveInputPaths(const std::filesystem::path& inputPath, ActiveSettings& active);

}  // namespace vexplot
