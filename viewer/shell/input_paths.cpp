#include "viewer/shell/input_paths.hpp"

namespace vexplot {

InputPaths deriveInputPaths(const std::filesystem::path& inputPath, ActiveSettings& active) {
  InputPaths paths{inputPath, inputPath.parent_path().string(), inputPath.stem().string()};
  if (paths.inputDirectory.empty() || paths.inputDirectory.back() != '/') {
    paths.inputDirectory.push_back('/');
  }
  if (active.record.logFileLoc == 2) active.logPath = paths.inputDirectory + kLogFileName;
  if (active.record.postscFileLoc == 2) active.postscriptDirectory = paths.inputDirectory;
  active.inputDirectory = paths.inputDirectory;
  return paths;
}

}  // namespace vexplot
