#include "tests/viewer/language/plot_file_fixture.hpp"

#include <fstream>


namespace vexplot::testing {

std::filesystem::path PlotFileTest::writeFile(std::string_view name, std::string_view bytes) {
  const std::filesystem::path path = directory_ / name;
  std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return path;
}

std::vector<std::string> PlotFileTest::run(std::string_view bytes) {
  writeFile(input_.filename().string(), bytes);
  display_.texts.clear();
  drawing_.calls.clear();
  firstFrameOfRun_ = interpreter_.frames().size();
  InterpretRequest request;
  request.inputPath = input_;
  request.inputBaseName = "plot";
  request.logPath = logPath_;
  EXPECT_EQ(interpreter_.interpretFile(request), 0);
  return display_.texts;
}

std::vector<std::string> PlotFileTest::diagnostics(std::string_view bytes) {
  std::vector<std::string> texts = run(bytes);
  EXPECT_EQ(frameCount(), 1u);
  if (texts.size() < 2) {
    ADD_FAILURE() << "the run did not finish its frame and file";
    return texts;
  }
  EXPECT_EQ(texts[texts.size() - 2], "[com_end] Plot #0 ends.\n");
  EXPECT_EQ(texts.back(), endOfInputText());
  texts.resize(texts.size() - 2);
  return texts;
}

FrameState& PlotFileTest::frame(std::size_t number) {
  return interpreter_.frames()[firstFrameOfRun_ + number];
}

std::size_t PlotFileTest::frameCount() const {
  return interpreter_.frames().size() - firstFrameOfRun_;
}

std::string PlotFileTest::endOfInputText() const {
  return "[vpmain] Input file " + input_.string() + " ends.\n";
}

}  // namespace vexplot::testing
