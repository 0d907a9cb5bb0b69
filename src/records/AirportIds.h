#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

#include "records/FlatMap.h"

namespace fw {

// The airport IDs of a set, asked about for every leg of every flight plan. IDs of up to seven
// bytes (nearly all: they are four letters) are packed with their length into a number that is
// its own key in a small table, so that asking costs a multiply and a probe or two, with no string
// hashed or compared; longer IDs go to a general map.
class AirportIds {
 public:
  void Insert(std::string_view id) {
    if (!IsPacked(id)) {
      m_long.Insert(id, 0);
      return;
    }
    if ((m_count + 1) * 2 > m_slots.size())
      Grow();
    if (Place(m_slots, Packed(id)))
      ++m_count;
  }

  // Starts fetching from memory what asking about id will look at; returns at once.
  void Fetch(std::string_view id) const {
    if (IsPacked(id) && !m_slots.empty())
      __builtin_prefetch(&m_slots[Hash(Packed(id)) & (m_slots.size() - 1)]);
  }

  bool Contains(std::string_view id) const {
    if (!IsPacked(id))
      return m_long.Find(id) != nullptr;
    if (m_slots.empty())
      return false;
    const std::uint64_t key = Packed(id);
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t at = Hash(key) & mask;; at = (at + 1) & mask) {
      if (m_slots[at] == key)
        return true;
      if (m_slots[at] == 0)
        return false;
    }
  }

 private:
  static constexpr std::size_t kMostPacked = 7;

  static bool IsPacked(std::string_view id) { return !id.empty() && id.size() <= kMostPacked; }

  static std::uint32_t Load32(const char* at) {
    std::uint32_t value;
    std::memcpy(&value, at, sizeof value);
    return value;
  }

  // The bytes of a packed id and its length above them: never 0. The bytes are read in two loads
  // that may overlap, so that no byte past the ID is read.
  static std::uint64_t Packed(std::string_view id) {
    const std::size_t size = id.size();
    const char* const at = id.data();
    std::uint64_t bytes = 0;
    if (size >= 4) {
      bytes = Load32(at) | std::uint64_t{Load32(at + size - 4)} << (8 * (size - 4));
    } else {
      const auto byte = [&](std::size_t k) {
        return std::uint64_t{static_cast<unsigned char>(at[k])} << (8 * k);
      };
      bytes = byte(0) | byte(size / 2) | byte(size - 1);
    }
    return bytes | std::uint64_t{size} << 56;
  }

  static std::uint64_t Hash(std::uint64_t key) {
    const std::uint64_t mixed = key * 0x9E3779B97F4A7C15ull;
    return mixed ^ mixed >> 31;
  }

  // Puts key into slots; false when it was there.
  static bool Place(std::vector<std::uint64_t>& slots, std::uint64_t key) {
    const std::size_t mask = slots.size() - 1;
    for (std::size_t at = Hash(key) & mask;; at = (at + 1) & mask) {
      if (slots[at] == key)
        return false;
      if (slots[at] == 0) {
        slots[at] = key;
        return true;
      }
    }
  }

  void Grow() {
    std::vector<std::uint64_t> slots(m_slots.empty() ? 64 : m_slots.size() * 2);
    for (const std::uint64_t key : m_slots) {
      if (key != 0)
        Place(slots, key);
    }
    m_slots = std::move(slots);
  }

  std::vector<std::uint64_t> m_slots;  // 0: empty
  std::size_t m_count = 0;
  FlatMap<std::string_view, char> m_long;
};

}  // namespace fw
