#include "tests/viewer/render/ghostscript_check.hpp"

#include <cstdio>
#include <sstream>

#include <sys/wait.h>

namespace vexplot::testing {

namespace {

GhostscriptRun runGhostscript(const std::string& arguments) {
  const std::string command = "gs -q -dSAFER -dBATCH -dNOPAUSE " + arguments + " 2>&1";
  GhostscriptRun run;
  std::FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  char buffer[256];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
    run.messages.append(buffer, n);
  }
  const int status = ::pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

std::string quoted(const std::filesystem::path& path) { return "'" + path.string() + "'"; }

}  // namespace

GhostscriptRun renderEpsToPng(const std::filesystem::path& eps, const std::filesystem::path& png) {
  return runGhostscript("-dEPSCrop -r72 -sDEVICE=png16m -sOutputFile=" + quoted(png) + " " +
                        quoted(eps));
}

std::optional<std::array<double, 4>> paintedBox(const std::filesystem::path& eps) {
  const GhostscriptRun run = runGhostscript("-sDEVICE=bbox " + quoted(eps));
  const std::size_t at = run.messages.find("%%HiResBoundingBox:");
  if (run.status != 0 || at == std::string::npos) return std::nullopt;
  std::istringstream numbers(run.messages.substr(at + 19));
  std::array<double, 4> box{};
  for (double& value : box) numbers >> value;
  return numbers ? std::optional(box) : std::nullopt;
}

}  // namespace vexplot::testing
