#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "records/Sorting.h"

namespace fw {
namespace {

// Records whose lines are one-letter tags a, b, c... in input order, so a test can state which
// of several equal keys ends up where.
std::vector<ACNumRecord> Tagged(const std::vector<std::int32_t>& keys) {
  static const std::string kTags = "abcdefghijklmnopqrstuvwxyz";
  std::vector<ACNumRecord> records;
  for (std::size_t i = 0; i < keys.size(); ++i) {
    records.push_back({keys[i], std::string_view(kTags).substr(i, 1)});
  }
  return records;
}

std::string TagsOf(const std::vector<ACNumRecord>& records) {
  std::string tags;
  for (const auto& record : records)
    tags += record.Line;
  return tags;
}

std::string SortedTags(const std::vector<std::int32_t>& keys) {
  auto records = Tagged(keys);
  SortACNumRecords(records);
  return TagsOf(records);
}

TEST(MiddlePosition, RoundsHalvesToTheEvenNeighbour) {
  EXPECT_EQ(MiddlePosition(0, 5), 2);
  EXPECT_EQ(MiddlePosition(0, 7), 4);
  EXPECT_EQ(MiddlePosition(1, 6), 4);
  EXPECT_EQ(MiddlePosition(0, 9), 4);
  EXPECT_EQ(MiddlePosition(0, 11), 6);
  EXPECT_EQ(MiddlePosition(2, 6), 4);
}

TEST(SortACNumRecords, LeavesEmptyAndSingleLists) {
  std::vector<ACNumRecord> empty;
  SortACNumRecords(empty);
  EXPECT_TRUE(empty.empty());
  EXPECT_EQ(SortedTags({42}), "a");
}

TEST(SortACNumRecords, ShortListsKeepEqualKeysInInputOrder) {
  EXPECT_EQ(SortedTags({3, 1, 3, 1, 3}), "bdace");
  EXPECT_EQ(SortedTags({7, 7, 7, 7, 7}), "abcde");
}

TEST(SortACNumRecords, EqualKeysComeOutInTheQuickPassOrder) {
  EXPECT_EQ(SortedTags({5, 3, 5, 1, 5, 2}), "dfbcea");
  EXPECT_EQ(SortedTags({9, 9, 9, 9, 9, 9}), "adecbf");
  EXPECT_EQ(SortedTags({9, 9, 9, 9, 9, 9, 9}), "aefdbcg");
  EXPECT_EQ(SortedTags({9, 9, 9, 9, 9, 9, 9, 9}), "afgdebch");
  EXPECT_EQ(SortedTags({2, 1, 2, 1, 2, 1, 2}), "dbfeacg");
}

TEST(SortACNumRecords, OrdersSignedNumbers) {
  EXPECT_EQ(SortedTags({3, -5, 0}), "bca");
  EXPECT_EQ(SortedTags({INT32_MAX, INT32_MIN, 0, -1, 1, 2}), "bdcefa");
}

// The plain recursion of the quick pass, left part first, as a reference for the bounded one.
void ReferenceQuickPass(std::vector<ACNumRecord>& a, std::ptrdiff_t l, std::ptrdiff_t r,
                        int depth = 0, int* deepest = nullptr) {
  if (deepest)
    *deepest = std::max(*deepest, depth);
  if (r - l <= 4)
    return;
  const std::ptrdiff_t m = MiddlePosition(l, r);
  if (a[l].ACNum > a[m].ACNum)
    std::swap(a[l], a[m]);
  if (a[l].ACNum > a[r].ACNum)
    std::swap(a[l], a[r]);
  if (a[m].ACNum > a[r].ACNum)
    std::swap(a[m], a[r]);
  std::swap(a[m], a[r - 1]);
  std::ptrdiff_t i = l;
  std::ptrdiff_t j = r - 1;
  const std::int32_t pivot = a[r - 1].ACNum;
  for (;;) {
    do
      ++i;
    while (a[i].ACNum < pivot);
    do
      --j;
    while (a[j].ACNum > pivot);
    if (j < i)
      break;
    std::swap(a[i], a[j]);
  }
  std::swap(a[i], a[r - 1]);
  ReferenceQuickPass(a, l, j, depth + 1, deepest);
  ReferenceQuickPass(a, i + 1, r, depth + 1, deepest);
}

TEST(SortACNumRecords, MatchesThePlainRecursionOnManyKeys) {
  std::mt19937 random(12345);
  static std::vector<std::string> lines;
  for (int round = 0; round < 200; ++round) {
    const std::size_t size = random() % 300;
    const std::int32_t range = 1 + static_cast<std::int32_t>(random() % 40);
    std::vector<ACNumRecord> records;
    lines.resize(size);
    for (std::size_t i = 0; i < size; ++i) {
      lines[i] = std::to_string(i);
      records.push_back({static_cast<std::int32_t>(random() % range), lines[i]});
    }
    auto expected = records;
    ReferenceQuickPass(expected, 0, static_cast<std::ptrdiff_t>(size) - 1);
    InsertionSortACNumRecords(expected, 0, static_cast<std::ptrdiff_t>(size) - 1);
    SortACNumRecords(records);
    ASSERT_EQ(TagsOf(records), TagsOf(expected)) << "round " << round;
  }
}

// Keys against which the quick pass splits off only a few records at each level (McIlroy's
// adversary: keys are decided lazily, always so that the pivot is nearly the smallest). A plain
// recursion would go n/2 levels deep and take quadratic time. The downward scan over undecided
// keys is skipped with a set of the decided positions, so building the keys is fast.
std::vector<std::int32_t> MedianOfThreeKiller(std::int32_t n) {
  const std::int32_t undecided = n;
  std::vector<std::int32_t> value(static_cast<std::size_t>(n), undecided);
  std::vector<std::int32_t> at(static_cast<std::size_t>(n));  // item at each position
  for (std::int32_t i = 0; i < n; ++i)
    at[i] = i;
  std::set<std::ptrdiff_t> decided;  // positions holding items with a decided key
  std::int32_t nextValue = 0;
  std::int32_t candidate = 0;
  auto place = [&](std::ptrdiff_t position) {
    if (value[at[position]] == undecided) {
      decided.erase(position);
    } else {
      decided.insert(position);
    }
  };
  auto exchange = [&](std::ptrdiff_t x, std::ptrdiff_t y) {
    std::swap(at[x], at[y]);
    place(x);
    place(y);
  };
  auto decide = [&](std::int32_t item, std::ptrdiff_t position) {
    value[item] = nextValue++;
    decided.insert(position);
  };
  // Compares the items at two positions, deciding one of two undecided keys first.
  auto less = [&](std::ptrdiff_t x, std::ptrdiff_t y) {
    const std::int32_t a = at[x];
    const std::int32_t b = at[y];
    if (value[a] == undecided && value[b] == undecided) {
      if (a == candidate) {
        decide(a, x);
      } else {
        decide(b, y);
      }
    }
    if (value[a] == undecided) {
      candidate = a;
    } else if (value[b] == undecided) {
      candidate = b;
    }
    return value[a] < value[b];
  };
  std::vector<std::pair<std::ptrdiff_t, std::ptrdiff_t>> ranges{{0, n - 1}};
  while (!ranges.empty()) {
    const auto [l, r] = ranges.back();
    ranges.pop_back();
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
    const std::ptrdiff_t pivot = r - 1;
    for (;;) {
      do
        ++i;
      while (i != pivot && less(i, pivot));
      for (;;) {
        --j;
        if (value[at[j]] == undecided) {
          // Every undecided key is larger than the decided pivot: skip to the next decided one.
          // A(l) is decided and not above the pivot, so the skip ends inside the range.
          const auto below = decided.lower_bound(j);
          const std::ptrdiff_t stop =
              below == decided.begin() || *std::prev(below) < l ? l : *std::prev(below);
          candidate = at[stop + 1];
          j = stop;
        }
        if (!less(pivot, j))
          break;
      }
      if (j < i)
        break;
      exchange(i, j);
    }
    exchange(i, r - 1);
    ranges.push_back({i + 1, r});
    ranges.push_back({l, j});
  }
  std::vector<std::int32_t> keys(static_cast<std::size_t>(n));
  for (std::int32_t item = 0; item < n; ++item) {
    if (value[item] == undecided)
      value[item] = nextValue++;
    keys[item] = value[item];
  }
  return keys;
}

TEST(SortACNumRecords, KillerKeysDriveThePlainRecursionDeep) {
  const auto keys = MedianOfThreeKiller(4000);
  std::vector<ACNumRecord> records;
  for (const std::int32_t key : keys)
    records.push_back({key, {}});
  int deepest = 0;
  ReferenceQuickPass(records, 0, 3999, 0, &deepest);
  EXPECT_GT(deepest, 1500);
}

TEST(SortACNumRecords, SortsAMillionAdversarialRecordsWithinBoundedStack) {
  const std::int32_t n = 1'000'000;
  const auto keys = MedianOfThreeKiller(n);
  std::vector<ACNumRecord> records;
  records.reserve(keys.size());
  for (const std::int32_t key : keys)
    records.push_back({key, {}});
  SortACNumRecords(records);
  for (std::int32_t i = 0; i < n; ++i)
    ASSERT_EQ(records[i].ACNum, i);
}

TEST(SortAPRecords, OrdersIdsByCharacterCode) {
  std::vector<APRecord> records{{"abc", "1"}, {"ABC", "2"}, {"ABCD", "3"}, {"9", "4"}, {"10", "5"}};
  SortAPRecords(records);
  std::string order;
  for (const auto& record : records)
    order += record.Line;
  EXPECT_EQ(order, "54231");
}

TEST(SortAPRecords, EqualIdsFollowTheSameQuickPassAsNumbers) {
  std::vector<APRecord> records;
  const std::string tags = "abcdef";
  for (std::size_t i = 0; i < 6; ++i)
    records.push_back({"KXYZ", std::string_view(tags).substr(i, 1)});
  SortAPRecords(records);
  std::string order;
  for (const auto& record : records)
    order += record.Line;
  EXPECT_EQ(order, "adecbf");
}

}  // namespace
}  // namespace fw
