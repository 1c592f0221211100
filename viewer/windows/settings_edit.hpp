#pragma once

#include <string>

#include "viewer/windows/settings.hpp"

// The Settings dialog's values apart from its controls: what the controls
// show when the dialog opens and what its OK button takes from them.
namespace vexplot {

struct SettingsDialogValues {
  int logChoice = 1;         // index of the checked log radio: the log location 0 to 3
  int postscriptChoice = 1;  // index of the checked PostScript radio: location 1 to 3
  std::string editorPath;
  std::string lineWidth;     // "%6.3f"
  std::string frameWidth;    // "%d"
  std::string frameHeight;
};

SettingsDialogValues settingsDialogValues(const ActiveSettings& active);

// OK: the locations from the radios; a line width that reads as a number
// greater than 0 and less than 30 becomes the active PostScript line width at
// once; each frame size that reads as an integer from 101 to 1999 is taken
// for the windows opened later; a non-empty editor path replaces the old one.
// Values that do not read or are out of range are dropped without a word.
void applySettingsDialog(const SettingsDialogValues& values, ActiveSettings& active);

}  // namespace vexplot
