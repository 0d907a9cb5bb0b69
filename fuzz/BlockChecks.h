#pragma once

// What the fuzz target of the sorts checks of grouped lists, kept apart so that the tests of large
// lists can check the same on lists too large to fuzz.

#include <algorithm>
#include <set>
#include <string_view>
#include <vector>

#include "FuzzCheck.h"
#include "records/Layout.h"
#include "records/TextOrder.h"

namespace fw::fuzz {

// Arranges the blocks of both lists (of as many records each) and checks them against a plain
// restatement: repeats after the first (in input order) emptied when there are several blocks,
// then each block sorted by key, equal keys in input order.
inline void CheckArrangedBlocks(std::vector<fw::ACNumRecord> numbers,
                                std::vector<fw::APRecord> airports,
                                const std::vector<fw::Block>& blocks) {
  std::vector<fw::ACNumRecord> expectedNumbers = numbers;
  std::vector<fw::APRecord> expectedAirports = airports;
  std::set<std::string_view> seenLines;
  std::set<std::string_view> seenIds;
  for (std::size_t i = 0; i < numbers.size() && blocks.size() > 1; ++i) {
    if (!seenLines.insert(numbers[i].Line).second)
      expectedNumbers[i].Line = {numbers[i].Line.data(), 0};
    if (!seenIds.insert(airports[i].APID).second)
      expectedAirports[i].APID = {};
  }
  for (const fw::Block& block : blocks) {
    auto first = static_cast<std::ptrdiff_t>(block.First);
    auto end = static_cast<std::ptrdiff_t>(block.End);
    std::stable_sort(expectedNumbers.begin() + first, expectedNumbers.begin() + end,
                     [](const auto& a, const auto& b) { return a.ACNum < b.ACNum; });
    std::stable_sort(expectedAirports.begin() + first, expectedAirports.begin() + end,
                     [](const auto& a, const auto& b) { return fw::TextLess(a.APID, b.APID); });
  }
  fw::ArrangeBlocks(numbers, blocks);
  fw::ArrangeBlocks(airports, blocks);
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    FW_FUZZ_CHECK(numbers[i].ACNum == expectedNumbers[i].ACNum);
    FW_FUZZ_CHECK(numbers[i].Line.data() == expectedNumbers[i].Line.data());
    FW_FUZZ_CHECK(numbers[i].Line.size() == expectedNumbers[i].Line.size());
    FW_FUZZ_CHECK(airports[i].Line.data() == expectedAirports[i].Line.data());
    FW_FUZZ_CHECK(airports[i].APID == expectedAirports[i].APID);
  }
}

}  // namespace fw::fuzz
