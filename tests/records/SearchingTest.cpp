#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "records/Searching.h"

namespace fw {
namespace {

TEST(FindRecord, FindsTheFirstRecordOfANumber) {
  const std::tuple<std::vector<std::int32_t>, std::int32_t, std::ptrdiff_t> cases[] = {
      {{1, 3, 3, 3, 7}, 3, 1},  {{1, 3, 3, 3, 7}, 1, 0}, {{1, 3, 3, 3, 7}, 7, 4},
      {{1, 3, 3, 3, 7}, 4, -1}, {{3, 3, 3}, 3, 0},       {{-9, -2, -2, 0, 5, 5, 5, 5, 5, 6}, 5, 4},
  };
  for (const auto& [numbers, number, position] : cases) {
    std::vector<ACNumRecord> records;
    for (const std::int32_t n : numbers)
      records.push_back({n, {}});
    EXPECT_EQ(FindRecord(records, number), position) << number;
  }
}

}  // namespace
}  // namespace fw
