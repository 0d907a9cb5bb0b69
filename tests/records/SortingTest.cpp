#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "records/Sorting.h"

namespace fw {
namespace {

// Sorts records whose lines are the tags a, b, c... in input order; the tags in sorted order.
std::string SortedTags(const std::vector<std::int32_t>& keys) {
  static const std::string kTags = "abcdefghijklmnopqrstuvwxyz";
  std::vector<ACNumRecord> records;
  for (std::size_t i = 0; i < keys.size(); ++i)
    records.push_back({keys[i], std::string_view(kTags).substr(i, 1)});
  SortACNumRecords(records);
  std::string tags;
  for (const auto& record : records)
    tags += record.Line;
  return tags;
}

TEST(MiddlePosition, RoundsHalvesToTheEvenNeighbour) {
  const std::tuple<int, int, int> cases[] = {{0, 5, 2}, {0, 7, 4},  {1, 6, 4},
                                             {0, 9, 4}, {0, 11, 6}, {2, 6, 4}};
  for (const auto& [first, last, middle] : cases)
    EXPECT_EQ(MiddlePosition(first, last), middle) << first << ".." << last;
}

TEST(SortACNumRecords, EqualKeysComeOutInTheQuickPassOrder) {
  // Five records or fewer get only the insertion pass, which keeps equal keys in input order.
  const std::pair<std::vector<std::int32_t>, std::string> cases[] = {
      {{}, ""},
      {{42}, "a"},
      {{3, 1, 3, 1, 3}, "bdace"},
      {{7, 7, 7, 7, 7}, "abcde"},
      {{5, 3, 5, 1, 5, 2}, "dfbcea"},
      {{9, 9, 9, 9, 9, 9}, "adecbf"},
      {{9, 9, 9, 9, 9, 9, 9}, "aefdbcg"},
      {{9, 9, 9, 9, 9, 9, 9, 9}, "afgdebch"},
      {{2, 1, 2, 1, 2, 1, 2}, "dbfeacg"},
      {{3, -5, 0}, "bca"},
      {{INT32_MAX, INT32_MIN, 0, -1, 1, 2}, "bdcefa"}};
  for (const auto& [keys, tags] : cases)
    EXPECT_EQ(SortedTags(keys), tags) << tags;
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

// The plain quick pass over records, then a stable pass (what the insertion pass amounts to).
int PlainSort(std::vector<ACNumRecord>& a) {
  const int deepest = PlainQuickPass(
      static_cast<std::ptrdiff_t>(a.size()),
      [&a](std::ptrdiff_t x, std::ptrdiff_t y) { return a[x].ACNum < a[y].ACNum; },
      [&a](std::ptrdiff_t x, std::ptrdiff_t y) { std::swap(a[x], a[y]); },
      [](std::ptrdiff_t j, std::ptrdiff_t) { return j; });
  std::stable_sort(a.begin(), a.end(),
                   [](const auto& x, const auto& y) { return x.ACNum < y.ACNum; });
  return deepest;
}

TEST(SortACNumRecords, MatchesThePlainRecursionOnManyKeys) {
  std::mt19937 random(12345);
  const std::string storage(5000, 'x');  // each record's line starts at its own byte
  for (int round = 0; round < 200; ++round) {
    // Now and then a list long enough for partitions that examine many blocks of records.
    const std::size_t size = random() % (round % 8 == 0 ? 5000 : 300);
    const std::uint32_t range = 1 + random() % (round % 3 == 0 ? 100000 : 40);
    std::vector<ACNumRecord> records;
    for (std::size_t i = 0; i < size; ++i)
      records.push_back({static_cast<std::int32_t>(random() % range), {storage.data() + i, 1}});
    auto expected = records;
    PlainSort(expected);
    SortACNumRecords(records);
    for (std::size_t i = 0; i < size; ++i)
      ASSERT_EQ(records[i].Line.data(), expected[i].Line.data()) << "round " << round;
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
  EXPECT_GT(PlainSort(small), 1500);

  const std::int32_t n = 1'000'000;
  auto records = Keyed(MedianOfThreeKiller(n));
  SortACNumRecords(records);
  for (std::int32_t i = 0; i < n; ++i)
    ASSERT_EQ(records[i].ACNum, i);
}

TEST(SortAPRecords, OrdersIdsByCharacterCodeAndEqualIdsByTheQuickPass) {
  auto order = [](std::vector<APRecord> records) {
    SortAPRecords(records);
    std::string lines;
    for (const auto& record : records)
      lines += record.Line;
    return lines;
  };
  EXPECT_EQ(order({{"abc", "1"}, {"ABC", "2"}, {"ABCD", "3"}, {"9", "4"}, {"10", "5"}}), "54231");
  EXPECT_EQ(order({{"KXYZ", "a"},
                   {"KXYZ", "b"},
                   {"KXYZ", "c"},
                   {"KXYZ", "d"},
                   {"KXYZ", "e"},
                   {"KXYZ", "f"}}),
            "adecbf");
}

}  // namespace
}  // namespace fw
