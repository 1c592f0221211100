#include "viewer/shell/command_line.hpp"

namespace vexplot {

CommandLine parseCommandLine(std::span<const std::string_view> arguments) {
  CommandLine line;
  if (arguments.size() == 1 && arguments[0] == "--help") {
    line.mode = CommandLine::kHelp;
  } else if (arguments.size() == 3 && arguments[0] == "--export" && !arguments[1].empty() &&
             !arguments[2].empty()) {
    line.mode = CommandLine::kExport;
    line.exportDirectory = arguments[1];
    line.inputFile = arguments[2];
  }
  return line;
}

std::string_view usageText() {
  return "Usage: vexplotw --export DIR FILE\n"
         "       vexplotw --help\n"
         "\n"
         "  --export DIR FILE  interpret the plot file FILE without opening any window,\n"
         "                     print the messages of the text display, one per line,\n"
         "                     and create the output directory DIR when it is missing;\n"
         "                     the settings file vexplot.ini is read and the log file\n"
         "                     vexplot.log written as the viewer does\n"
         "  --help             print this text\n";
}

}  // namespace vexplot
