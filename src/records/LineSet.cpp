#include "records/LineSet.h"

#include <bit>
#include <functional>

namespace fw {

LineSet::LineSet(std::size_t expectedCount) {
  const std::size_t capacity = std::bit_ceil(expectedCount * 2 + 16);
  m_slots.resize(capacity);
  m_mask = capacity - 1;
}

bool LineSet::Insert(std::string_view line) {
  if ((m_count + 1) * 2 > m_slots.size())
    Grow();
  const std::uint64_t hash = std::hash<std::string_view>{}(line);
  for (std::size_t at = hash & m_mask;; at = (at + 1) & m_mask) {
    Slot& slot = m_slots[at];
    if (!slot.Used) {
      slot = Slot{hash, line, true};
      ++m_count;
      return true;
    }
    if (slot.Hash == hash && slot.Line == line)
      return false;
  }
}

void LineSet::Grow() {
  std::vector<Slot> old = std::move(m_slots);
  m_slots.assign(old.size() * 2, Slot{});
  m_mask = m_slots.size() - 1;
  for (const Slot& slot : old) {
    if (!slot.Used)
      continue;
    for (std::size_t at = slot.Hash & m_mask;; at = (at + 1) & m_mask) {
      if (!m_slots[at].Used) {
        m_slots[at] = slot;
        break;
      }
    }
  }
}

}  // namespace fw
