#include "viewer/language/display_list.hpp"


namespace vexplot {

void DisplayList::append(const DisplayRecord& record) {
  if (blocks_.empty() || blocks_.back()->count == kBlockSize) {
    auto block = std::make_unique<Block>();
    blocks_.push_back(std::move(block));
  }
  Block& last = *blocks_.back();
  last.records[last.count++] = record;
}

std::size_t DisplayList::size() const {
  return blocks_.empty() ? 0 : (blocks_.size() - 1) * kBlockSize + blocks_.back()->count;
}

}  // namespace vexplot
