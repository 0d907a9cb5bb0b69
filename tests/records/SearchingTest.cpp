#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "records/Searching.h"

namespace fw {
namespace {

TEST(FindString, FindsAnEqualTextOrGivesMinusOne) {
  const TextList list{"10", "9", "ABC", "ABCD", "ABc", "abc"};
  for (std::ptrdiff_t i = 0; i < 6; ++i)
    EXPECT_EQ(FindString(list, list[static_cast<std::size_t>(i)]), i);
  for (const char* absent : {"AB", "abcd", "", "ABCDE"})
    EXPECT_EQ(FindString(list, absent), -1) << absent;
  EXPECT_EQ(FindString(TextList{""}, ""), 0);
  EXPECT_EQ(FindString(TextList{""}, " "), -1);
}

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

TEST(InsertSorted, InsertsAtTheSortedPlace) {
  TextList list{"B"};
  for (const char* text : {"H", "D", "F", "D", "A", "G", "J", "E", "F", "C", "I", "J", "0"})
    InsertSorted(list, text);
  EXPECT_EQ(list, (TextList{"0", "A", "B", "C", "D", "D", "E", "F", "F", "G", "H", "I", "J", "J"}));
}

TEST(InsertAt, AppendsForMinusOneOrPastTheEndAndPutsOtherNegativesInFront) {
  const std::pair<std::ptrdiff_t, TextList> cases[] = {
      {-1, {"a", "b", "c", "x"}}, {3, {"a", "b", "c", "x"}}, {7, {"a", "b", "c", "x"}},
      {-3, {"x", "a", "b", "c"}}, {0, {"x", "a", "b", "c"}}, {2, {"a", "b", "x", "c"}},
  };
  for (const auto& [position, expected] : cases) {
    TextList list{"a", "b", "c"};
    InsertAt(list, "x", position);
    EXPECT_EQ(list, expected) << position;
  }
  for (const std::ptrdiff_t position : {5, -3}) {
    TextList empty;
    InsertAt(empty, "x", position);
    EXPECT_EQ(empty, TextList{"x"}) << position;
  }
}

}  // namespace
}  // namespace fw
