#include <iostream>
#include <string_view>
#include <vector>

#include "viewer/shell/command_line.hpp"
#include "viewer/shell/picture_export.hpp"
#include "viewer/shell/program_environment.hpp"
#include "viewer/shell/viewer_application.hpp"

int main(int argc, char** argv) {
  const std::vector<std::string_view> arguments(argv + 1, argv + argc);
  const vexplot::CommandLine line = vexplot::parseCommandLine(arguments);
  switch (line.mode) {
    case vexplot::CommandLine::kHelp:
      std::cout << vexplot::usageText();
      return 0;
    case vexplot::CommandLine::kExport:
      return vexplot::runPictureExport(line.exportDirectory, line.inputFile,
                                       vexplot::currentSettingsEnvironment(), line.format, std::cout,
                                       std::cerr, line.size);
    case vexplot::CommandLine::kWindow:
      return vexplot::runViewerApplication(argc, argv);
    case vexplot::CommandLine::kUsageError:
      break;
  }
  std::cerr << vexplot::usageText();
  return 2;
}
