#include "viewer/shell/editor_launch.hpp"

#include <cerrno>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vexplot {

bool EditorProcess::isRunning() {
  if (ended_) return false;
  pid_t result;
  do {
    result = ::waitpid(id_, nullptr, WNOHANG);
  } while (result < 0 && errno == EINTR);
  // An error means there is no such child of ours any more.
  ended_ = result != 0;
  return !ended_;
}

EditorStart openLogInEditor(const std::string& editorPath, const std::string& logPath) {
  const std::string program = editorPath.empty() ? kDesktopOpener : editorPath;
  // posix_spawnp takes non-const argument strings but does not change them.
  std::string programArgument = program;
  std::string logArgument = logPath;
  char* const arguments[] = {programArgument.data(), logArgument.data(), nullptr};
  pid_t id = 0;
  const int error = ::posix_spawnp(&id, program.c_str(), nullptr, nullptr, arguments, environ);
  if (error != 0) return {std::nullopt, {"CreateProcess of open logfile failed", systemErrorName(error)}};
  return {EditorProcess(id), {}};
}

}  // namespace vexplot
