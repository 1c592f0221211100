#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <system_error>

#include <unistd.h>

namespace test_support {

// A directory of the running test's own below the system's temporary
// directory, named after the prefix, the test suite, the test and the
// process: emptied when made, removed with everything in it at the end.
// The separator goes between the parts of the name (a blank puts blanks
// into the path).
class ScratchDirectory {
 public:
  explicit ScratchDirectory(const std::string& prefix, char separator = '_')
      : path_(std::filesystem::temp_directory_path() / name(prefix, separator)) {
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~ScratchDirectory() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  static std::string name(const std::string& prefix, char separator) {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    return prefix + separator + test->test_suite_name() + separator + test->name() + separator +
           std::to_string(::getpid());
  }

  std::filesystem::path path_;
};

}  // namespace test_support
