#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "records/FlatMap.h"

namespace fw {

// The aircraft numbers a part of a file uses, each with a mark. A slot holds its number and mark
// itself, so that asking about a number, once every line, touches one slot that can be fetched
// ahead (a FlatMap would go on to its entries, a second wait for memory).
class NumberMarks {
 public:
  NumberMarks() : m_slots(64) {}

  // The mark of number, after storing mark when it was new; second is true when it was. The
  // pointer stays valid until the next Insert.
  std::pair<char*, bool> Insert(std::int32_t number, char mark) {
    if ((m_count + 1) * 2 > m_slots.size())
      Grow();
    Slot& slot = Find(m_slots, number);
    const bool isNew = !slot.Used;
    if (isNew) {
      slot = Slot{number, mark, true};
      ++m_count;
    }
    return {&slot.Mark, isNew};
  }

  // Starts fetching the slot of number from memory; returns at once.
  void Fetch(std::int32_t number) const {
    __builtin_prefetch(&m_slots[NumberHash{}(number) & (m_slots.size() - 1)]);
  }

  std::size_t size() const { return m_count; }

  // Calls visit(number, mark) for every number, in no particular order.
  template <typename Visit>
  void ForEach(Visit&& visit) const {
    for (const Slot& slot : m_slots) {
      if (slot.Used)
        visit(slot.Number, slot.Mark);
    }
  }

 private:
  struct Slot {
    std::int32_t Number = 0;
    char Mark = 0;
    bool Used = false;
  };

  // The slot of number, or the empty one where it would go.
  static Slot& Find(std::vector<Slot>& slots, std::int32_t number) {
    const std::size_t mask = slots.size() - 1;
    for (std::size_t at = NumberHash{}(number)&mask;; at = (at + 1) & mask) {
      if (!slots[at].Used || slots[at].Number == number)
        return slots[at];
    }
  }

  void Grow() {
    std::vector<Slot> slots(m_slots.size() * 2);
    for (const Slot& slot : m_slots) {
      if (slot.Used)
        Find(slots, slot.Number) = slot;
    }
    m_slots = std::move(slots);
  }

  std::vector<Slot> m_slots;
  std::size_t m_count = 0;
};

}  // namespace fw
