#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "platform/LargeBlocks.h"

namespace fw {

// A hash map for a file's million lines: keys and values lie in one array in the order they came,
// and the table that finds them holds eight bytes a slot (part of the hash and a place in that
// array), so that a look-up touches one small slot and, only when the hashes agree, its entry.
// Nothing is allocated per key. Keys are cheap to copy (numbers, string_views into a buffer).
template <typename Key, typename Value, typename Hasher = std::hash<Key>>
class FlatMap {
 public:
  explicit FlatMap(std::size_t expectedCount = 0) {
    m_entries.reserve(expectedCount);
    Resize(std::bit_ceil(expectedCount * 2 + 16));
  }

  // The value stored for key, after storing value when key was new; second is true when it was.
  // The pointer stays valid until the next Insert.
  std::pair<Value*, bool> Insert(const Key& key, const Value& value) {
    return InsertHashed(key, Hasher{}(key), value);
  }

  // As Insert, for a key whose hash by Hasher the caller already has.
  std::pair<Value*, bool> InsertHashed(const Key& key, std::uint64_t hash, const Value& value) {
    if ((m_entries.size() + 1) * 2 > m_slots.size())
      Resize(m_slots.size() * 2);
    const auto tag = static_cast<std::uint32_t>(hash >> 32);
    for (std::size_t at = hash & m_mask;; at = (at + 1) & m_mask) {
      Slot& slot = m_slots[at];
      if (slot.Place == 0) {
        m_entries.push_back(Entry{hash, key, value});
        slot = Slot{tag, static_cast<std::uint32_t>(m_entries.size())};
        return {&m_entries.back().Stored, true};
      }
      Entry& entry = m_entries[slot.Place - 1];
      if (slot.Tag == tag && entry.Held == key)
        return {&entry.Stored, false};
    }
  }

  // Starts fetching the slot where a key of that hash is looked for; returns at once.
  void Fetch(std::uint64_t hash) const { __builtin_prefetch(&m_slots[hash & m_mask]); }

  // The value stored for key; null when there is none.
  Value* Find(const Key& key) {
    return const_cast<Value*>(static_cast<const FlatMap&>(*this).Find(key));
  }
  const Value* Find(const Key& key) const {
    const std::uint64_t hash = Hasher{}(key);
    const auto tag = static_cast<std::uint32_t>(hash >> 32);
    for (std::size_t at = hash & m_mask;; at = (at + 1) & m_mask) {
      const Slot& slot = m_slots[at];
      if (slot.Place == 0)
        return nullptr;
      const Entry& entry = m_entries[slot.Place - 1];
      if (slot.Tag == tag && entry.Held == key)
        return &entry.Stored;
    }
  }

  std::size_t size() const { return m_entries.size(); }

  // Calls visit(key, value) for every key, in the order they came.
  template <typename Visit>
  void ForEach(Visit&& visit) const {
    for (const Entry& entry : m_entries)
      visit(entry.Held, entry.Stored);
  }

 private:
  struct Slot {
    std::uint32_t Tag = 0;
    std::uint32_t Place = 0;  // 1 + the entry's index; 0: empty
  };
  struct Entry {
    std::uint64_t Hash;
    Key Held;
    Value Stored;
  };

  void Resize(std::size_t capacity) {
    m_slots.assign(capacity, Slot{});
    m_mask = capacity - 1;
    for (std::size_t k = 0; k < m_entries.size(); ++k) {
      std::size_t at = m_entries[k].Hash & m_mask;
      while (m_slots[at].Place != 0)
        at = (at + 1) & m_mask;
      m_slots[at] = Slot{static_cast<std::uint32_t>(m_entries[k].Hash >> 32),
                         static_cast<std::uint32_t>(k + 1)};
    }
  }

  std::vector<Slot, LargeBlockAllocator<Slot>> m_slots;
  std::vector<Entry, LargeBlockAllocator<Entry>> m_entries;
  std::size_t m_mask = 0;
};

// Spreads the bits of a number over the table: std::hash of an integer is the integer itself,
// and runs of aircraft numbers would crowd one end of a table probed by its low bits.
struct NumberHash {
  std::uint64_t operator()(std::int64_t number) const {
    const std::uint64_t mixed = static_cast<std::uint64_t>(number) * 0x9E3779B97F4A7C15ull;
    return mixed ^ mixed >> 29;
  }
};

}  // namespace fw
