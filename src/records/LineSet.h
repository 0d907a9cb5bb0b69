#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace fw {

// A set of lines held as views, in one open-addressing table sized up front: no allocation per
// line, one hash and usually one comparison per lookup.
class LineSet {
 public:
  explicit LineSet(std::size_t expectedCount);

  // Adds line; false when an equal line is already in the set.
  bool Insert(std::string_view line);

 private:
  struct Slot {
    std::uint64_t Hash = 0;
    std::string_view Line;
    bool Used = false;
  };
  void Grow();

  std::vector<Slot> m_slots;
  std::size_t m_mask = 0;
  std::size_t m_count = 0;
};

}  // namespace fw
