#pragma once

#include <filesystem>
#include <ostream>

#include "viewer/windows/settings_store.hpp"

namespace vexplot {

// Interprets a plot file without any window. The settings are read from the
// places the environment gives, as the application reads them, and the log is
// written where they place it. Every line that the main window's text display
// would receive goes to out; problems with the run itself go to err. Frames
// are drawn into memory; each frame that opened its window is written into
// the export directory as its display list in text and as an EPS file of
// its page, with the settings' PostScript line width. Returns the exit
// status: 0 when the file was interpreted, 1 when it could not be opened or
// the directory, a display list or an EPS file could not be written.
int runHeadlessExport(const std::filesystem::path& exportDirectory,
                      const std::filesystem::path& inputFile, const SettingsEnvironment& environment,
                      std::ostream& out, std::ostream& err);

}  // namespace vexplot
