#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

namespace fw {

// A hash map in one open-addressing table: no allocation per key, so that a file's million
// lines can be looked up as views into its buffer. Keys are cheap to copy (numbers, string_views).
template <typename Key, typename Value, typename Hasher = std::hash<Key>>
class FlatMap {
 public:
  explicit FlatMap(std::size_t expectedCount = 0) { Resize(std::bit_ceil(expectedCount * 2 + 16)); }

  // The value stored for key, after storing value when key was new; second is true when it was.
  std::pair<Value*, bool> Insert(const Key& key, const Value& value) {
    if ((m_count + 1) * 2 > m_slots.size())
      Resize(m_slots.size() * 2);
    const std::uint64_t hash = Hasher{}(key);
    for (std::size_t at = hash & m_mask;; at = (at + 1) & m_mask) {
      Slot& slot = m_slots[at];
      if (!slot.Used) {
        slot = Slot{hash, key, value, true};
        ++m_count;
        return {&slot.Held, true};
      }
      if (slot.Hash == hash && slot.Stored == key)
        return {&slot.Held, false};
    }
  }

  // The value stored for key; null when there is none.
  Value* Find(const Key& key) {
    return const_cast<Value*>(static_cast<const FlatMap&>(*this).Find(key));
  }
  const Value* Find(const Key& key) const {
    const std::uint64_t hash = Hasher{}(key);
    for (std::size_t at = hash & m_mask;; at = (at + 1) & m_mask) {
      const Slot& slot = m_slots[at];
      if (!slot.Used)
        return nullptr;
      if (slot.Hash == hash && slot.Stored == key)
        return &slot.Held;
    }
  }

  std::size_t size() const { return m_count; }

  // Calls visit(key, value) for every key, in no particular order.
  template <typename Visit>
  void ForEach(Visit&& visit) const {
    for (const Slot& slot : m_slots) {
      if (slot.Used)
        visit(slot.Stored, slot.Held);
    }
  }

 private:
  struct Slot {
    std::uint64_t Hash = 0;
    Key Stored{};
    Value Held{};
    bool Used = false;
  };

  void Resize(std::size_t capacity) {
    std::vector<Slot> old = std::exchange(m_slots, std::vector<Slot>(capacity));
    m_mask = capacity - 1;
    for (const Slot& slot : old) {
      if (!slot.Used)
        continue;
      std::size_t at = slot.Hash & m_mask;
      while (m_slots[at].Used)
        at = (at + 1) & m_mask;
      m_slots[at] = slot;
    }
  }

  std::vector<Slot> m_slots;
  std::size_t m_mask = 0;
  std::size_t m_count = 0;
};

// Spreads the bits of a number over the table: std::hash of an integer is the integer itself,
// and runs of aircraft numbers would crowd one end of a table probed by its low bits.
struct NumberHash {
  std::uint64_t operator()(std::int64_t number) const {
    return static_cast<std::uint64_t>(number) * 0x9E3779B97F4A7C15ull >> 16;
  }
};

}  // namespace fw
