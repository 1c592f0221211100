// Runs the viewer on the solver's plot file under a real X server (the test
// command starts one) and looks at what its plot window shows.

#include <gtest/gtest.h>

#include <xcb/xcb.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vexplot {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// Starts a program with the arguments in the directory; its process id.
pid_t startProgram(const std::vector<std::string>& arguments, const fs::path& directory) {
  std::vector<char*> argv;
  std::vector<std::string> copies = arguments;
  for (std::string& argument : copies) argv.push_back(argument.data());
  argv.push_back(nullptr);
  const fs::path previous = fs::current_path();
  fs::current_path(directory);
  pid_t id = -1;
  const int error = ::posix_spawn(&id, argv[0], nullptr, nullptr, argv.data(), environ);
  fs::current_path(previous);
  return error == 0 ? id : -1;
}

int waitForExit(pid_t id) {
  int status = 0;
  ::waitpid(id, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

struct Disconnect {
  void operator()(xcb_connection_t* connection) const { xcb_disconnect(connection); }
};
template <class Reply>
using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

// The X server's windows as the test sees them.
class Display {
 public:
  Display() : connection_(xcb_connect(nullptr, nullptr)) {}
  bool ok() const { return xcb_connection_has_error(connection_.get()) == 0; }

  // A top-level window with that title, if one is shown.
  std::optional<xcb_window_t> findWindow(const std::string& title) {
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection_.get())).data->root;
    ReplyPtr<xcb_query_tree_reply_t> tree(
        xcb_query_tree_reply(connection_.get(), xcb_query_tree(connection_.get(), root), nullptr),
        &std::free);
    if (!tree) return std::nullopt;
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i) {
      if (windowTitle(children[i]) == title && isViewable(children[i])) return children[i];
    }
    return std::nullopt;
  }

  // The window's pixels as 0xRRGGBB, row by row, and its size.
  std::vector<std::uint32_t> grab(xcb_window_t window, int& width, int& height) {
    ReplyPtr<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(connection_.get(), xcb_get_geometry(connection_.get(), window), nullptr),
        &std::free);
    if (!geometry) return {};
    width = geometry->width;
    height = geometry->height;
    ReplyPtr<xcb_get_image_reply_t> image(
        xcb_get_image_reply(connection_.get(),
                            xcb_get_image(connection_.get(), XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0,
                                          geometry->width, geometry->height, ~0u),
                            nullptr),
        &std::free);
    if (!image || image->depth != 24) return {};
    const auto* data = reinterpret_cast<const std::uint32_t*>(xcb_get_image_data(image.get()));
    const int count = xcb_get_image_data_length(image.get()) / 4;
    if (count < width * height) return {};
    std::vector<std::uint32_t> pixels(data, data + width * height);
    for (std::uint32_t& pixel : pixels) pixel &= 0xFFFFFFu;
    return pixels;
  }

 private:
  std::string windowTitle(xcb_window_t window) {
    ReplyPtr<xcb_get_property_reply_t> name(
        xcb_get_property_reply(connection_.get(),
                               xcb_get_property(connection_.get(), 0, window, XCB_ATOM_WM_NAME,
                                                XCB_GET_PROPERTY_TYPE_ANY, 0, 256),
                               nullptr),
        &std::free);
    if (!name) return {};
    return std::string(static_cast<const char*>(xcb_get_property_value(name.get())),
                       static_cast<std::size_t>(xcb_get_property_value_length(name.get())));
  }

  bool isViewable(xcb_window_t window) {
    ReplyPtr<xcb_get_window_attributes_reply_t> attributes(
        xcb_get_window_attributes_reply(connection_.get(),
                                        xcb_get_window_attributes(connection_.get(), window), nullptr),
        &std::free);
    return attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
  }

  std::unique_ptr<xcb_connection_t, Disconnect> connection_;
};

class RealWindowTest : public ::testing::Test {
 protected:
  RealWindowTest()
      : directory_(fs::temp_directory_path() / ("vexplot_real_window_" + std::to_string(::getpid()))) {
    fs::create_directories(directory_ / "bin");
    // A program directory of the test's own keeps the settings and the log
    // there.
    fs::copy_file(VEXPLOTW_PROGRAM, directory_ / "bin" / "vexplotw");
    fs::copy_file(fs::path(VEXPLOT_SOURCE_DIR) / "examples" / "ring.in", directory_ / "ring.in");
  }
  ~RealWindowTest() override {
    if (viewer_ > 0) {
      ::kill(viewer_, SIGTERM);
      waitForExit(viewer_);
    }
    fs::remove_all(directory_);
  }

  fs::path directory_;
  pid_t viewer_ = -1;
};

// The curves of frame #1 (the imaginary parts) lie inside the axes box: the
// window box 2..9.7 by 1..8 of the 13 by 10 page, 40 pixels per unit in the
// default 520 by 400 drawing area at the window's upper left corner. The
// box shows white paper with the curves drawn on it.
struct AxesBoxPixels {
  int white = 0;
  int drawn = 0;
};
AxesBoxPixels axesBoxPixels(const std::vector<std::uint32_t>& pixels, int width, int height) {
  constexpr int kLeft = 2 * 40 + 4, kRight = 97 * 4 - 4, kTop = 400 - 8 * 40 + 4, kBottom = 400 - 40 - 4;
  AxesBoxPixels counts;
  if (width < kRight || height < kBottom) return counts;
  for (int y = kTop; y <= kBottom; ++y) {
    for (int x = kLeft; x <= kRight; ++x) {
      const bool white = pixels[static_cast<std::size_t>(y * width + x)] == 0xFFFFFFu;
      (white ? counts.white : counts.drawn) += 1;
    }
  }
  return counts;
}

bool showsCurves(const AxesBoxPixels& counts) {
  return counts.drawn >= 500 && counts.white > 10 * counts.drawn;
}

TEST_F(RealWindowTest, ThePlotWindowShowsTheSolversCurves) {
  ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "run under an X server (xvfb-run)";
  const pid_t solver = startProgram({QUELMW_PROGRAM, "ring.in"}, directory_);
  ASSERT_GT(solver, 0);
  ASSERT_EQ(waitForExit(solver), 0);
  ASSERT_GT(fs::file_size(directory_ / "ring.vpt"), 0u);

  Display display;
  ASSERT_TRUE(display.ok());
  viewer_ = startProgram({(directory_ / "bin" / "vexplotw").string(), "ring.vpt"}, directory_);
  ASSERT_GT(viewer_, 0);

  AxesBoxPixels counts;
  int width = 0;
  int height = 0;
  const Clock::time_point deadline = Clock::now() + std::chrono::seconds(90);
  while (Clock::now() < deadline && !showsCurves(counts)) {
    std::this_thread::sleep_for(std::chrono::milliseconds(250));
    if (const std::optional<xcb_window_t> window = display.findWindow("#1 ring")) {
      const std::vector<std::uint32_t> pixels = display.grab(*window, width, height);
      if (!pixels.empty()) counts = axesBoxPixels(pixels, width, height);
    }
  }
  EXPECT_GE(width, 520);
  EXPECT_GE(height, 400);
  EXPECT_TRUE(showsCurves(counts)) << counts.drawn << " drawn and " << counts.white << " white pixels";
}

}  // namespace
}  // namespace vexplot
