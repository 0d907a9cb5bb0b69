#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <set>
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

// The plain quick pass over positions 0..n-1, left part first, with a stack of its own; returns
// the deepest level reached. skipDown may move the downward scan past positions above the pivot.
template <typename Less, typename Exchange, typename Skip>
int PlainQuickPass(std::ptrdiff_t n, Less less, Exchange exchange, Skip skipDown) {
  int deepest = 0;
  std::vector<std::tuple<std::ptrdiff_t, std::ptrdiff_t, int>> ranges{{0, n - 1, 0}};
  while (!ranges.empty()) {
    const auto [l, r, depth] = ranges.back();
    ranges.pop_back();
    deepest = std::max(deepest, depth);
    if (r - l <= 4)
      continue;
    const std::ptrdiff_t m = MiddlePosition(l, r);
    if (less(m, l))
      exchange(l, m);
    if (less(r, l))
      exchange(l, r);
    if (less(r, m))
      exchange(m, r);
    exchange(m, r - 1);
    std::ptrdiff_t i = l;
    std::ptrdiff_t j = r - 1;
    for (;;) {
      while (++i != r - 1 && less(i, r - 1)) {
      }
      while (less(r - 1, j = skipDown(j - 1, l))) {
      }
      if (j < i)
        break;
      exchange(i, j);
    }
    exchange(i, r - 1);
    ranges.push_back({i + 1, r, depth + 1});
    ranges.push_back({l, j, depth + 1});
  }
  return deepest;
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

// Keys decided lazily while the plain quick pass runs, always so that the pivot is nearly the
// smallest (McIlroy's adversary): each level splits off only a few records. Undecided keys are
// larger than every decided one, so the downward scan jumps over them to the next decided
// position, which keeps building a million keys fast.
std::vector<std::int32_t> MedianOfThreeKiller(std::int32_t n) {
  constexpr std::int32_t kGas = INT32_MAX;
  std::vector<std::int32_t> value(static_cast<std::size_t>(n), kGas);
  std::vector<std::int32_t> at(static_cast<std::size_t>(n));  // the item at each position
  std::iota(at.begin(), at.end(), 0);
  std::set<std::ptrdiff_t> decided;  // positions holding items with a decided key
  std::int32_t next = 0;
  std::int32_t candidate = 0;
  auto less = [&](std::ptrdiff_t x, std::ptrdiff_t y) {
    const std::int32_t a = at[x];
    const std::int32_t b = at[y];
    if (value[a] == kGas && value[b] == kGas) {
      value[a == candidate ? a : b] = next++;
      decided.insert(a == candidate ? x : y);
    }
    if (value[a] == kGas) {
      candidate = a;
    } else if (value[b] == kGas) {
      candidate = b;
    }
    return value[a] < value[b];
  };
  auto exchange = [&](std::ptrdiff_t x, std::ptrdiff_t y) {
    std::swap(at[x], at[y]);
    for (const std::ptrdiff_t p : {x, y})
      value[at[p]] == kGas ? (void)decided.erase(p) : (void)decided.insert(p);
  };
  auto skipGas = [&](std::ptrdiff_t j, std::ptrdiff_t l) {
    if (value[at[j]] != kGas)
      return j;
    const auto below = decided.lower_bound(j);
    const std::ptrdiff_t stop =
        below == decided.begin() || *std::prev(below) < l ? l : *std::prev(below);
    candidate = at[stop + 1];
    return stop;
  };
  PlainQuickPass(n, less, exchange, skipGas);
  for (std::int32_t& key : value) {
    if (key == kGas)
      key = next++;
  }
  return value;
}

std::vector<ACNumRecord> Keyed(const std::vector<std::int32_t>& keys) {
  std::vector<ACNumRecord> records;
  for (const std::int32_t key : keys)
    records.push_back({key, {}});
  return records;
}

TEST(SortACNumRecords, SortsAMillionAdversarialRecordsWithinBoundedStack) {
  // The keys are adversarial: the plain recursion goes about n/2 levels deep on them.
  auto small = Keyed(MedianOfThreeKiller(4000));
  EXPECT_GT(
      PlainQuickPass(
          4000, [&](std::ptrdiff_t x, std::ptrdiff_t y) { return small[x].ACNum < small[y].ACNum; },
          [&](std::ptrdiff_t x, std::ptrdiff_t y) { std::swap(small[x], small[y]); },
          [](std::ptrdiff_t j, std::ptrdiff_t) { return j; }),
      1500);

  const std::int32_t n = 1'000'000;
  auto records = Keyed(MedianOfThreeKiller(n));
  SortACNumRecords(records);
  for (std::int32_t i = 0; i < n; ++i)
    ASSERT_EQ(records[i].ACNum, i);
}

}  // namespace
}  // namespace fw
