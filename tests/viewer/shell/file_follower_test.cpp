#include "viewer/shell/file_follower.hpp"

#include <gtest/gtest.h>

#include <fstream>

#include "tests/support/scratch_directory.hpp"

namespace vexplot {
namespace {

using namespace std::chrono_literals;
using Clock = FileFollower::Clock;

TEST(FileFollower, AChangeIsReadOnceTheFileHasStayedTheSameForTheQuietMoment) {
  const Clock::time_point t0{};
  const FileSignature old{true, 100, 1, 7};
  FileFollower follower(old);
  EXPECT_FALSE(follower.look(old, t0));
  EXPECT_FALSE(follower.look(old, t0 + 10s));

  // A writer that adds to the file every 400 ms is never read half-way.
  for (int step = 1; step <= 5; ++step) {
    const FileSignature growing{true, 100u + 10u * step, 1 + step, 7};
    EXPECT_FALSE(follower.look(growing, t0 + step * 400ms)) << step;
    EXPECT_FALSE(follower.look(growing, t0 + step * 400ms + 399ms)) << step;
  }
  const FileSignature complete{true, 150, 6, 7};
  EXPECT_TRUE(follower.look(complete, t0 + 2000ms + FileFollower::kQuietMoment));
  follower.read(complete);
  EXPECT_FALSE(follower.look(complete, t0 + 10s));

  // A replaced file is another file even with the same size and time; an
  // empty or a missing one is not complete.
  const FileSignature replaced{true, 150, 6, 8};
  EXPECT_FALSE(follower.look(replaced, t0 + 20s));
  EXPECT_TRUE(follower.look(replaced, t0 + 20s + FileFollower::kQuietMoment));
  const FileSignature empty{true, 0, 9, 9};
  EXPECT_FALSE(follower.look(empty, t0 + 30s));
  EXPECT_FALSE(follower.look(empty, t0 + 40s));
  EXPECT_FALSE(follower.look(FileSignature{}, t0 + 50s));
  EXPECT_FALSE(follower.look(FileSignature{}, t0 + 60s));
}

TEST(FileFollower, TheSignatureTellsSizeTimeAndFile) {
  test_support::ScratchDirectory scratch("vexplot_follow");
  const std::filesystem::path path = scratch.path() / "a.vpt";
  EXPECT_FALSE(fileSignature(path).exists);
  std::ofstream(path) << "NEWFRAME\n";
  const FileSignature written = fileSignature(path);
  EXPECT_TRUE(written.exists);
  EXPECT_EQ(written.size, 9u);
  std::ofstream(scratch.path() / "b.vpt") << "NEWFRAME\n";
  std::filesystem::rename(scratch.path() / "b.vpt", path);
  EXPECT_NE(fileSignature(path).inode, written.inode);
}

}  // namespace
}  // namespace vexplot
