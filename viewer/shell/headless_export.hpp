#pragma once

#include <filesystem>
#include <ostream>

namespace vexplot {

// Interprets a plot file without any window. Every line that the main
// window's text display would receive goes to out; problems with the run
// itself go to err. Returns the exit status: 0 when the file was interpreted,
// 1 when it could not be opened or the directory could not be created.
int runHeadlessExport(const std::filesystem::path& exportDirectory,
                      const std::filesystem::path& inputFile, std::ostream& out, std::ostream& err);

}  // namespace vexplot
