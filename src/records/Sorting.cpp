// The quick pass is a median-of-three quicksort whose exact exchanges decide the order of records
// with equal keys, and so which of them the writers keep: it must not be replaced by another
// sort. Two liberties are taken that cannot change the result, because they only touch disjoint
// ranges or ranges whose sorted order is unique:
//  - the smaller part is recursed into and the larger one looped on, so the stack stays within
//    log2(n) frames;
//  - a range still being partitioned far deeper than log2(n) (an input built against the
//    median of three) is handed to std::sort when its keys are all distinct, which keeps the
//    time at n log n without changing the output.
#include "records/Sorting.h"

#include <algorithm>
#include <bit>
#include <utility>

#include "records/TextOrder.h"

namespace fw {
namespace {

struct ACNumKeys {
  using Record = ACNumRecord;
  using Key = std::int32_t;
  static Key KeyOf(const Record& record) { return record.ACNum; }
  static bool Less(Key a, Key b) { return a < b; }
};

struct APKeys {
  using Record = APRecord;
  using Key = std::string_view;
  static Key KeyOf(const Record& record) { return record.APID; }
  static bool Less(Key a, Key b) { return TextLess(a, b); }
};

template <typename Keys>
bool KeysAllDistinct(const std::vector<typename Keys::Record>& list, std::ptrdiff_t first,
                     std::ptrdiff_t last) {
  std::vector<typename Keys::Key> keys;
  keys.reserve(static_cast<std::size_t>(last - first + 1));
  for (std::ptrdiff_t i = first; i <= last; ++i)
    keys.push_back(Keys::KeyOf(list[i]));
  std::sort(keys.begin(), keys.end(), Keys::Less);
  return std::adjacent_find(keys.begin(), keys.end(), [](const auto& a, const auto& b) {
           return !Keys::Less(a, b);
         }) == keys.end();
}

template <typename Keys>
void QuickPass(std::vector<typename Keys::Record>& a, std::ptrdiff_t cutoff, std::ptrdiff_t left,
               std::ptrdiff_t right, int depthLeft) {
  auto key = [&a](std::ptrdiff_t i) { return Keys::KeyOf(a[i]); };
  auto exchange = [&a](std::ptrdiff_t x, std::ptrdiff_t y) { std::swap(a[x], a[y]); };

  while (right - left > cutoff) {
    if (depthLeft-- == 0 && KeysAllDistinct<Keys>(a, left, right)) {
      std::sort(a.begin() + left, a.begin() + right + 1, [](const auto& x, const auto& y) {
        return Keys::Less(Keys::KeyOf(x), Keys::KeyOf(y));
      });
      return;
    }
    const std::ptrdiff_t middle = MiddlePosition(left, right);
    if (Keys::Less(key(middle), key(left)))
      exchange(left, middle);
    if (Keys::Less(key(right), key(left)))
      exchange(left, right);
    if (Keys::Less(key(right), key(middle)))
      exchange(middle, right);
    exchange(middle, right - 1);

    std::ptrdiff_t i = left;
    std::ptrdiff_t j = right - 1;
    const typename Keys::Key pivot = key(right - 1);
    for (;;) {
      do
        ++i;
      while (Keys::Less(key(i), pivot));
      do
        --j;
      while (Keys::Less(pivot, key(j)));
      if (j < i)
        break;
      exchange(i, j);
    }
    exchange(i, right - 1);

    // Left part left..j, right part i+1..right: recurse into the smaller, loop on the larger.
    if (j - left < right - (i + 1)) {
      QuickPass<Keys>(a, cutoff, left, j, depthLeft);
      left = i + 1;
    } else {
      QuickPass<Keys>(a, cutoff, i + 1, right, depthLeft);
      right = j;
    }
  }
}

template <typename Keys>
void InsertionPass(std::vector<typename Keys::Record>& a, std::ptrdiff_t left,
                   std::ptrdiff_t right) {
  for (std::ptrdiff_t i = left + 1; i <= right; ++i) {
    const typename Keys::Record held = a[i];
    std::ptrdiff_t j = i;
    while (j > left && Keys::Less(Keys::KeyOf(held), Keys::KeyOf(a[j - 1]))) {
      a[j] = a[j - 1];
      --j;
    }
    a[j] = held;
  }
}

int DepthLimit(std::size_t size) {
  return 2 * std::bit_width(size) + 8;
}

template <typename Keys>
void Sort(std::vector<typename Keys::Record>& list) {
  const auto last = static_cast<std::ptrdiff_t>(list.size()) - 1;
  QuickPass<Keys>(list, 4, 0, last, DepthLimit(list.size()));
  InsertionPass<Keys>(list, 0, last);
}

}  // namespace

std::ptrdiff_t MiddlePosition(std::ptrdiff_t first, std::ptrdiff_t last) {
  const std::ptrdiff_t sum = first + last;
  const std::ptrdiff_t lower = sum / 2;
  if (sum % 2 == 0)
    return lower;
  return lower % 2 == 0 ? lower : lower + 1;
}

void SortACNumRecords(std::vector<ACNumRecord>& list) {
  Sort<ACNumKeys>(list);
}
void SortAPRecords(std::vector<APRecord>& list) {
  Sort<APKeys>(list);
}

void QuickSortACNumRecords(std::vector<ACNumRecord>& list, std::int32_t cutoff,
                           std::ptrdiff_t first, std::ptrdiff_t last) {
  QuickPass<ACNumKeys>(list, cutoff, first, last, DepthLimit(list.size()));
}
void QuickSortAPRecords(std::vector<APRecord>& list, std::int32_t cutoff, std::ptrdiff_t first,
                        std::ptrdiff_t last) {
  QuickPass<APKeys>(list, cutoff, first, last, DepthLimit(list.size()));
}

void InsertionSortACNumRecords(std::vector<ACNumRecord>& list, std::ptrdiff_t first,
                               std::ptrdiff_t last) {
  InsertionPass<ACNumKeys>(list, first, last);
}
void InsertionSortAPRecords(std::vector<APRecord>& list, std::ptrdiff_t first,
                            std::ptrdiff_t last) {
  InsertionPass<APKeys>(list, first, last);
}

}  // namespace fw
