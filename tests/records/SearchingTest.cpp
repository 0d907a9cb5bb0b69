#include <gtest/gtest.h>

#include <vector>

#include "records/Searching.h"

namespace fw {
namespace {

std::vector<ACNumRecord> Numbers(std::initializer_list<std::int32_t> numbers) {
  std::vector<ACNumRecord> records;
  for (const std::int32_t number : numbers)
    records.push_back({number, {}});
  return records;
}

TEST(FindString, FindsAnEqualTextOrGivesMinusOne) {
  const TextList list{"10", "9", "ABC", "ABCD", "ABc", "abc"};
  for (std::ptrdiff_t i = 0; i < 6; ++i)
    EXPECT_EQ(FindString(list, list[static_cast<std::size_t>(i)]), i);
  EXPECT_EQ(FindString(list, "AB"), -1);
  EXPECT_EQ(FindString(list, "abcd"), -1);
  EXPECT_EQ(FindString(list, ""), -1);
  EXPECT_EQ(FindString(list, "ABCDE"), -1);
}

TEST(FindString, OnTheListOfTheEmptyTextFindsOnlyTheEmptyText) {
  const TextList list{""};
  EXPECT_EQ(FindString(list, ""), 0);
  EXPECT_EQ(FindString(list, " "), -1);
  EXPECT_EQ(FindString(list, "A"), -1);
}

TEST(FindRecord, FindsTheFirstRecordOfANumber) {
  const auto records = Numbers({1, 3, 3, 3, 7});
  EXPECT_EQ(FindRecord(records, 3), 1);
  EXPECT_EQ(FindRecord(records, 1), 0);
  EXPECT_EQ(FindRecord(records, 7), 4);
  EXPECT_EQ(FindRecord(records, 4), -1);
  EXPECT_EQ(FindRecord(Numbers({3, 3, 3}), 3), 0);
  EXPECT_EQ(FindRecord(Numbers({-9, -2, -2, 0, 5, 5, 5, 5, 5, 6}), 5), 4);
}

TEST(InsertSorted, InsertsAtTheSortedPlace) {
  const TextList ac{"A", "C"};
  const auto inserted = [&ac](std::string_view text) {
    TextList list = ac;
    InsertSorted(list, text);
    return list;
  };
  EXPECT_EQ(inserted("B"), (TextList{"A", "B", "C"}));
  EXPECT_EQ(inserted("A"), (TextList{"A", "A", "C"}));
  EXPECT_EQ(inserted("C"), (TextList{"A", "C", "C"}));
  EXPECT_EQ(inserted("D"), (TextList{"A", "C", "D"}));
  EXPECT_EQ(inserted("0"), (TextList{"0", "A", "C"}));
}

TEST(InsertSorted, KeepsALongerListSortedAlsoWithEqualTexts) {
  TextList list{"B"};
  for (const char* text : {"H", "D", "F", "D", "A", "G", "J", "E", "F", "C", "I"})
    InsertSorted(list, text);
  EXPECT_EQ(list, (TextList{"A", "B", "C", "D", "D", "E", "F", "F", "G", "H", "I", "J"}));
}

TEST(InsertAt, AppendsForMinusOneOrPastTheEndAndPutsOtherNegativesInFront) {
  const TextList abc{"a", "b", "c"};
  const auto inserted = [&abc](std::ptrdiff_t position) {
    TextList list = abc;
    InsertAt(list, "x", position);
    return list;
  };
  EXPECT_EQ(inserted(-1), (TextList{"a", "b", "c", "x"}));
  EXPECT_EQ(inserted(3), (TextList{"a", "b", "c", "x"}));
  EXPECT_EQ(inserted(7), (TextList{"a", "b", "c", "x"}));
  EXPECT_EQ(inserted(-3), (TextList{"x", "a", "b", "c"}));
  EXPECT_EQ(inserted(0), (TextList{"x", "a", "b", "c"}));
  EXPECT_EQ(inserted(2), (TextList{"a", "b", "x", "c"}));

  TextList empty;
  InsertAt(empty, "x", 5);
  EXPECT_EQ(empty, TextList{"x"});
  TextList alsoEmpty;
  InsertAt(alsoEmpty, "x", -3);
  EXPECT_EQ(alsoEmpty, TextList{"x"});
}

}  // namespace
}  // namespace fw
