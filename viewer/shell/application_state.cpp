#include "viewer/shell/application_state.hpp"

#include <sys/stat.h>

namespace vexplot {

FileMenuEnabling fileMenuEnabling(const ShellState& state, bool on) {
  return {on, on && !state.inputPath.empty(), on,
          on && state.logWritten && !state.editorStarted && !state.logPath.empty()};
}

std::string commandLineFileName(std::string_view commandLine) {
  const std::size_t open = commandLine.find('"');
  if (open != std::string_view::npos) {
    const std::size_t close = commandLine.find('"', open + 1);
    if (close != std::string_view::npos) {
      return std::string(commandLine.substr(open + 1, close - open - 1));
    }
  }
  const std::size_t first = commandLine.find_first_not_of(' ');
  return first == std::string_view::npos ? std::string() : std::string(commandLine.substr(first));
}

DropCheck checkDroppedFiles(std::span<const std::filesystem::path> files) {
  if (files.size() != 1) return {false, {}, {"Error", "You can drop only one file."}};
  const std::filesystem::path& path = files.front();
  struct stat status;
  if (::stat(path.c_str(), &status) != 0) {
    return {false, {}, {"Error", "Attribute error of file\n " + path.string()}};
  }
  if (S_ISDIR(status.st_mode)) return {false, {}, {"Error", "You can't drop a directory"}};
  return {true, path, {}};
}

}  // namespace vexplot
