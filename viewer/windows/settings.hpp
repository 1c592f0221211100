#pragma once

#include <climits>
#include <istream>
#include <string>

namespace vexplot {

// The viewer's preferences as kept in the settings file, with their defaults.
// Directory texts are used as prefixes and end with a path separator.
struct Settings {
  int screenDotX = 520;  // requested drawing area of a new plot window, pixels
  int screenDotY = 400;
  int mainWndX = 0;  // main window position and size, pixels
  int mainWndY = 0;
  int mainWndCx = 240;
  int mainWndCy = 180;
  int logFileLoc = 1;      // 0 no log, 1 exec directory, 2 input directory, 3 logFileDir
  int postscFileLoc = 2;   // 1 exec directory, 2 input directory, 3 postscDir
  std::string logFileDir;  // user-defined log directory
  std::string postscDir;   // user-defined PostScript directory
  std::string inputDir;    // directory of the last input file
  std::string editorPath;  // program that opens the log file
  double psLinewidth = 0.25;  // PostScript line width, points
  int reloadOnChange = 0;     // 1: a shown file is read again when it changes on disk

  bool operator==(const Settings&) const = default;
};

// The usable full-screen client size; a run without a screen has no limit.
struct ScreenSize {
  int width = INT_MAX;
  int height = INT_MAX;
};

// The main window's position and size, pixels.
struct WindowPlacement {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

// What the derived values depend on besides the file itself.
struct SettingsContext {
  std::string programDirectory;  // the program's own directory
  std::string outputDirectory;   // where the "exec directory" choices write files
  ScreenSize screen;
};

// The working record together with the values derived from it.
struct ActiveSettings {
  Settings record;
  std::string inputDirectory;       // where the Open dialog starts
  std::string logPath;              // empty: no log file
  std::string postscriptDirectory;  // empty: not known until an input file is chosen
  double postscriptLineWidth = 0.25;
};

// The names of the log file and of the settings file in their directories.
inline constexpr const char* kLogFileName = "vexplot.log";
inline constexpr const char* kSettingsFileName = "vexplot.ini";

// Reads settings lines until the first section header, blank line or
// over-long line or token. Unknown keys and unacceptable values are skipped
// without a word; what the text does not set keeps its default.
Settings parseSettings(std::istream& in);

// Applies the corrections that follow reading (sizes limited to the screen,
// window placement within bounds) and derives the active values.
ActiveSettings deriveSettings(Settings record, const SettingsContext& context);

// The lines of the settings file, one per key. The main window's placement, the
// active PostScript directory, the active input directory and the active line
// width replace the record's values, so that the file remembers the last use.
std::string formatSettings(const ActiveSettings& active, const WindowPlacement& mainWindow);

}  // namespace vexplot
