#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "records/FlatMap.h"

namespace fw {

// The aircraft numbers of a file, each with a byte: a number and its byte share one eight-byte
// slot, so that a look-up touches one slot, where FlatMap touches a slot and then an entry. For
// the few thousand numbers that each of a million lines looks up.
class NumberTable {
 public:
  // The byte stored for number, after storing value when number was new; second is true when it
  // was. The pointer stays valid until the next Insert.
  std::pair<char*, bool> Insert(std::int32_t number, char value) {
    if ((m_count + 1) * 2 > m_slots.size())
      Resize(m_slots.empty() ? 16 : m_slots.size() * 2);
    Slot& slot = SlotOf(number);
    if (slot.Used)
      return {&slot.Value, false};
    slot = Slot{number, true, value};
    ++m_count;
    return {&slot.Value, true};
  }

  std::size_t size() const { return m_count; }

  // Calls visit(number, value) for every number, in no particular order.
  template <typename Visit>
  void ForEach(Visit&& visit) const {
    for (const Slot& slot : m_slots) {
      if (slot.Used)
        visit(slot.Number, slot.Value);
    }
  }

 private:
  struct Slot {
    std::int32_t Number = 0;
    bool Used = false;
    char Value = 0;
  };

  // The slot of number, or the empty slot where it would go.
  Slot& SlotOf(std::int32_t number) {
    for (std::size_t at = NumberHash{}(number) & (m_slots.size() - 1);;
         at = (at + 1) & (m_slots.size() - 1)) {
      if (!m_slots[at].Used || m_slots[at].Number == number)
        return m_slots[at];
    }
  }

  void Resize(std::size_t capacity) {
    std::vector<Slot> old(capacity);
    std::swap(old, m_slots);
    for (const Slot& slot : old) {
      if (slot.Used)
        SlotOf(slot.Number) = slot;
    }
  }

  std::vector<Slot> m_slots;
  std::size_t m_count = 0;
};

}  // namespace fw
