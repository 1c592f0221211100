#pragma once

namespace vexplot {

// Runs the viewer's window: reads the settings, opens the main window on
// the plot file that the arguments after the program name (and after the
// toolkit's own options) name, if any, and returns the exit status when the
// main window has closed.
int runViewerApplication(int argc, char** argv);

}  // namespace vexplot
