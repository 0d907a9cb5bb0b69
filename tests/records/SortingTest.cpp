#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "SortReference.h"
#include "records/Sorting.h"
#include "records/TextOrder.h"

namespace fw {
namespace {

TEST(MiddlePosition, RoundsHalvesToTheEvenNeighbour) {
  const std::tuple<int, int, int> cases[] = {{0, 5, 2}, {0, 7, 4},  {1, 6, 4},
                                             {0, 9, 4}, {0, 11, 6}, {2, 6, 4}};
  for (const auto& [first, last, middle] : cases)
    EXPECT_EQ(MiddlePosition(first, last), middle) << first << ".." << last;
}

// Each record's line is the byte at its input position, so that equal keys are told apart.
template <typename Record, typename Key, typename Less>
void ExpectPlainOrder(const std::vector<Key>& keys, void (*sort)(std::vector<Record>&), Less less) {
  static const std::string positions(300'000, 'x');
  std::vector<Record> records;
  for (std::size_t i = 0; i < keys.size(); ++i)
    records.push_back({keys[i], {positions.data() + i, 1}});
  std::vector<Record> expected = records;
  fuzz::ReferenceSort(expected, less);
  sort(records);
  for (std::size_t i = 0; i < keys.size(); ++i)
    ASSERT_EQ(records[i].Line.data(), expected[i].Line.data()) << "record " << i;
}

// Record for record what the plain passes leave, which decides which of equal keys the writers
// keep; 300,000 records are split across threads.
TEST(Sorts, FollowThePlainPassesOnShortAndLongLists) {
  std::mt19937 random(12345);
  const std::pair<std::size_t, std::uint32_t> rows[] = {{6, 1},       {7, 2},       {11, 3},
                                                        {50, 5},      {300, 40},    {5000, 100000},
                                                        {300'000, 1}, {300'000, 7}, {300'000, 0}};
  for (const auto& [size, range] : rows) {
    SCOPED_TRACE(testing::Message() << size << " keys in " << range);
    std::vector<std::int32_t> numbers;
    for (std::size_t i = 0; i < size; ++i)
      numbers.push_back(static_cast<std::int32_t>(range == 0 ? random() : random() % range));
    ExpectPlainOrder<ACNumRecord>(numbers, SortACNumRecords,
                                  [](const auto& a, const auto& b) { return a.ACNum < b.ACNum; });
    // IDs around the eight characters packed for comparison, of bytes whose byte order differs
    // from their text order, many equal or differing only late.
    std::vector<std::string> ids;
    for (std::size_t i = 0; i < size; ++i) {
      ids.push_back(std::string("ABCDEFGH").substr(0, random() % 10));
      for (std::size_t c = random() % 4; c > 0; --c)
        ids.back() += "A\x80z\t\x81\0"[random() % 6];
    }
    ExpectPlainOrder<APRecord>(
        ids, SortAPRecords, [](const auto& a, const auto& b) { return TextLess(a.APID, b.APID); });
  }
}

// Keys that make every partition of the plain quick pass split off just the two smallest
// records, so that it goes n/2 levels deep: at each level the records at the left end and at the
// middle position get the two smallest keys still free, which leaves the second smallest as the
// pivot; every other key is larger, so the partition only moves the pivot and one record.
std::vector<ACNumRecord> MedianOfThreeKiller(std::int32_t n) {
  std::vector<std::int32_t> at(static_cast<std::size_t>(n));  // the item at each position
  std::iota(at.begin(), at.end(), 0);
  std::vector<std::int32_t> keys(at.size(), -1);
  std::int32_t next = 0;
  for (std::ptrdiff_t l = 0, r = n - 1; r - l > 4; l += 2) {
    const std::ptrdiff_t m = MiddlePosition(l, r);
    keys[at[l]] = next++;
    keys[at[m]] = next++;
    std::swap(at[m], at[r - 1]);
    std::swap(at[l + 1], at[r - 1]);
  }
  std::vector<ACNumRecord> records;
  for (std::int32_t& key : keys)
    records.push_back({key < 0 ? (key = next++) : key, {}});
  return records;
}

TEST(SortACNumRecords, SortsAMillionAdversarialRecordsWithinBoundedStack) {
  // The keys are adversarial: the plain passes make about n*n/4 comparisons on them.
  auto small = MedianOfThreeKiller(4000);
  std::int64_t comparisons = 0;
  fuzz::ReferenceSort(small, [&](const ACNumRecord& a, const ACNumRecord& b) {
    ++comparisons;
    return a.ACNum < b.ACNum;
  });
  EXPECT_GT(comparisons, 4000 * 4000 / 4);

  const std::int32_t n = 1'000'000;
  auto records = MedianOfThreeKiller(n);
  SortACNumRecords(records);
  for (std::int32_t i = 0; i < n; ++i)
    ASSERT_EQ(records[i].ACNum, i);
}

}  // namespace
}  // namespace fw
