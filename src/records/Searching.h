#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "records/Records.h"
#include "records/TextOrder.h"

namespace fw {

using TextList = std::vector<std::string>;

// Position of an element equal to text in an ascending, non-empty list, or -1. Where several are
// equal, the one the halving meets first.
template <typename Text>
std::ptrdiff_t FindString(std::span<const Text> list, std::string_view text) {
  std::ptrdiff_t low = 0;
  std::ptrdiff_t high = static_cast<std::ptrdiff_t>(list.size()) - 1;
  while (low <= high) {
    const std::ptrdiff_t middle = (low + high) / 2;
    const int order = CompareText(list[middle], text);
    if (order == 0)
      return middle;
    if (order < 0) {
      low = middle + 1;
    } else {
      high = middle - 1;
    }
  }
  return -1;
}

inline std::ptrdiff_t FindString(const TextList& list, std::string_view text) {
  return FindString(std::span<const std::string>(list), text);
}

// Position of the first record with number in a list sorted by ACNum, or -1.
std::ptrdiff_t FindRecord(std::span<const ACNumRecord> list, std::int32_t number);

// Inserts a copy of text into an ascending, non-empty list at its sorted place, in front of an
// equal element (behind it when it equals the last).
void InsertSorted(TextList& list, std::string_view text);

// Inserts a copy of text at position; -1 or a position past the end appends, any other negative
// position inserts in front.
void InsertAt(TextList& list, std::string_view text, std::ptrdiff_t position);

}  // namespace fw
