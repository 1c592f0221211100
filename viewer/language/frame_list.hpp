#pragma once

#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

#include "viewer/language/frame_state.hpp"

namespace vexplot {

// The frames of the current file in creation order. The records keep their
// addresses while the list grows, so the drawing can go on with the current
// one; what outlives the interpretation is each frame's finished picture.
class FrameList {
 public:
  std::size_t size() const { return frames_.size(); }
  bool empty() const { return frames_.empty(); }
  FrameState& operator[](std::size_t index) { return *frames_[index]; }
  const FrameState& operator[](std::size_t index) const { return *frames_[index]; }

  // Appends a frame and returns it; throws std::bad_alloc when memory runs out.
  FrameState& add(std::unique_ptr<FrameState> frame) {
    frames_.push_back(std::move(frame));
    return *frames_.back();
  }

 private:
  std::vector<std::unique_ptr<FrameState>> frames_;
};

}  // namespace vexplot
