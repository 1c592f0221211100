#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "viewer/windows/settings.hpp"

namespace vexplot {

// The facts about the running program that decide where its settings live.
struct SettingsEnvironment {
  std::filesystem::path programDirectory;  // the directory of the program file
  std::filesystem::path configHome;        // the user's configuration root; empty when unknown
  bool programDirectoryWritable = false;
};

// Where the settings are read and written, and the directory that stands for
// "the exec directory" when the log or a PostScript file is written there.
struct SettingsPlaces {
  std::filesystem::path readPath;   // may not exist: the defaults apply
  std::filesystem::path writePath;  // empty: the settings cannot be saved anywhere
  std::string programDirectory;     // with a trailing separator
  std::string outputDirectory;      // with a trailing separator
};

// A settings file beside the program is used when that directory is writable
// (a portable install). Otherwise the settings live in the user's
// configuration directory "vexplot" below configHome; a read-only file beside
// the program still supplies them until the user's own file exists. Files are
// written beside the program when it is writable, else into the user's
// configuration directory.
SettingsPlaces locateSettings(const SettingsEnvironment& environment);

// The settings of a start: the places, and the active settings read from
// them. Creates the user's configuration directory when it stands in for the
// program's directory, so that a log can be created there.
struct LoadedSettings {
  SettingsPlaces places;
  ActiveSettings active;
};
LoadedSettings loadSettings(const SettingsEnvironment& environment, const ScreenSize& screen);

// Reads the settings file; never fails: a missing or empty file leaves the
// defaults.
ActiveSettings readSettings(const SettingsPlaces& places, const ScreenSize& screen);

// Writes the settings file anew; false (and nothing changed) when it cannot be
// written. The shell ignores the result.
bool writeSettings(const SettingsPlaces& places, const ActiveSettings& active,
                   const WindowPlacement& mainWindow);

// Replaces the file with the text in one step: the text goes to a temporary
// file in the same directory, which then takes the file's name, so a failure
// at any point leaves the old file whole. Creates the directory when needed.
bool writeFileAtomically(const std::filesystem::path& path, std::string_view text);

}  // namespace vexplot
