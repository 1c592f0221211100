#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace vexplot {

// Kinds of recorded drawing steps. Begin and end of an object bracket one
// curve, axis side, string or arrow.
enum DisplayKind : std::int32_t { kMove = 0, kDraw = 1, kBeginObject = 5, kEndObject = 6 };

// One recorded drawing step, in page coordinates.
struct DisplayRecord {
  std::int32_t kind = kMove;
  std::int32_t colour = 0;
  float width = 0.0f;
  float x = 0.0f;
  float y = 0.0f;
};

// The recorded drawing of a frame, replayed for magnified views and written
// as PostScript. Records are kept in blocks of 256, so a long curve grows the
// list by one allocation per 256 segments.
class DisplayList {
 public:
  static constexpr std::size_t kBlockSize = 256;

  // Appends a record; throws std::bad_alloc when a new block was needed and
  // could not be obtained (the list is then unchanged).
  void append(const DisplayRecord& record);

  std::size_t size() const;
  std::size_t blockCount() const { return blocks_.size(); }
  bool empty() const { return blocks_.empty(); }

  // Calls visit(record) for every record in order.
  template <class Visit>
  void forEach(Visit&& visit) const {
    for (const std::unique_ptr<Block>& block : blocks_) {
      for (std::size_t i = 0; i < block->count; ++i) visit(block->records[i]);
    }
  }

 private:
  struct Block {
    std::array<DisplayRecord, kBlockSize> records;
    std::size_t count = 0;
  };
  std::vector<std::unique_ptr<Block>> blocks_;
};

}  // namespace vexplot
