// The quick pass is a median-of-three quicksort whose exact exchanges decide the order of records
// with equal keys, and so which of them the writers keep: it must not be replaced by another
// sort. Two liberties are taken that cannot change the result, because they only touch disjoint
// ranges or ranges whose sorted order is unique:
//  - the smaller part is recursed into and the larger one looped on, so the stack stays within
//    log2(n) frames;
//  - a range still being partitioned far deeper than log2(n) (an input built against the
//    median of three) is handed to std::sort when its keys are all distinct, which keeps the
//    time at n log n without changing the output;
//  - the parts of the first partitions of a large list are sorted on threads of their own.
#include "records/Sorting.h"

#include <algorithm>
#include <array>
#include <bit>
#include <thread>
#include <utility>

#include "platform/WorkBeside.h"
#include "records/TextOrder.h"

namespace fw {
namespace {

constexpr std::ptrdiff_t kCutoff = 4;

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

// Airport IDs with their first eight characters packed into one number in text order, so that
// most comparisons of the sort need neither a call nor a look at the ID's scattered bytes.
struct PackedAPRecord {
  std::uint64_t Prefix;
  APRecord Record;
};

struct PackedAPKeys {
  using Record = PackedAPRecord;
  struct Key {
    std::uint64_t Prefix;
    std::string_view Id;
  };
  static Key KeyOf(const Record& record) { return {record.Prefix, record.Record.APID}; }
  static bool Less(const Key& a, const Key& b) {
    if (a.Prefix != b.Prefix)
      return a.Prefix < b.Prefix;
    // Equal prefixes: IDs of up to eight characters are then equal up to their length (a shorter
    // one is padded with the smallest character's rank, so it may tie with a longer one).
    if (a.Id.size() <= kPacked && b.Id.size() <= kPacked)
      return a.Id.size() < b.Id.size();
    return TextLess(a.Id, b.Id);
  }
  static constexpr std::size_t kPacked = 8;
};

// The place of each byte's character in text order.
const std::array<std::uint8_t, 256>& CharacterRanks() {
  static const std::array<std::uint8_t, 256> ranks = [] {
    std::array<std::uint8_t, 256> bytes{};
    for (int i = 0; i < 256; ++i)
      bytes[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i);
    std::sort(bytes.begin(), bytes.end(), [](std::uint8_t x, std::uint8_t y) {
      return Windows1252ToUnicode(x) < Windows1252ToUnicode(y);
    });
    std::array<std::uint8_t, 256> placeOf{};
    for (int place = 0; place < 256; ++place)
      placeOf[bytes[static_cast<std::size_t>(place)]] = static_cast<std::uint8_t>(place);
    return placeOf;
  }();
  return ranks;
}

std::uint64_t PackedPrefix(std::string_view id, const std::array<std::uint8_t, 256>& ranks) {
  std::uint64_t prefix = 0;
  for (std::size_t i = 0; i < PackedAPKeys::kPacked; ++i) {
    prefix <<= 8;
    if (i < id.size())
      prefix |= ranks[static_cast<unsigned char>(id[i])];
  }
  return prefix;
}

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

// The exchanges of a partition pair the k-th record from the left whose key is not less than the
// pivot with the k-th from the right whose key is not greater, for as long as the first lies left
// of the second. Blocks of records are examined from both ends without a branch on any key, and
// the pairs found are exchanged: that makes the same exchanges as scanning record by record, at
// a fraction of the mispredicted branches. scanFrom..scanTo are the records still to examine; on
// return, i and j are where the scans record by record go on from.
template <typename Keys>
void ExchangeBlockPairs(std::vector<typename Keys::Record>& a, const typename Keys::Key& pivot,
                        std::ptrdiff_t& i, std::ptrdiff_t& j) {
  constexpr int kBlock = 64;
  std::array<std::uint8_t, kBlock> leftFound{};
  std::array<std::uint8_t, kBlock> rightFound{};
  int leftCount = 0, leftUsed = 0, rightCount = 0, rightUsed = 0;
  std::ptrdiff_t leftBase = 0, rightBase = 0;
  std::ptrdiff_t scanFrom = i + 1, scanTo = j - 1;
  for (;;) {
    if (leftUsed == leftCount && scanTo - scanFrom + 1 >= 2 * kBlock) {
      leftBase = scanFrom;
      leftUsed = leftCount = 0;
      for (int k = 0; k < kBlock; ++k) {
        leftFound[static_cast<std::size_t>(leftCount)] = static_cast<std::uint8_t>(k);
        leftCount += !Keys::Less(Keys::KeyOf(a[leftBase + k]), pivot);
      }
      scanFrom += kBlock;
    }
    if (rightUsed == rightCount && scanTo - scanFrom + 1 >= kBlock) {
      rightBase = scanTo;
      rightUsed = rightCount = 0;
      for (int k = 0; k < kBlock; ++k) {
        rightFound[static_cast<std::size_t>(rightCount)] = static_cast<std::uint8_t>(k);
        rightCount += !Keys::Less(pivot, Keys::KeyOf(a[rightBase - k]));
      }
      scanTo -= kBlock;
    }
    if (leftUsed == leftCount || rightUsed == rightCount)
      break;
    // Every examined record on the left lies before every one on the right: all pairs exchange.
    const int pairs = std::min(leftCount - leftUsed, rightCount - rightUsed);
    for (int k = 0; k < pairs; ++k) {
      std::swap(a[leftBase + leftFound[static_cast<std::size_t>(leftUsed + k)]],
                a[rightBase - rightFound[static_cast<std::size_t>(rightUsed + k)]]);
    }
    leftUsed += pairs;
    rightUsed += pairs;
  }
  // The records passed over without being found are on their side already: a scan record by
  // record goes on just before the first found record not yet exchanged, or the first unexamined.
  i = leftUsed < leftCount ? leftBase + leftFound[static_cast<std::size_t>(leftUsed)] - 1
                           : scanFrom - 1;
  j = rightUsed < rightCount ? rightBase - rightFound[static_cast<std::size_t>(rightUsed)] + 1
                             : scanTo + 1;
}

// One partition of left..right; the left part is left..j, the pivot stands at i, the right part
// is i + 1..right (between j and i at most one record equal to the pivot).
template <typename Keys>
std::pair<std::ptrdiff_t, std::ptrdiff_t> Partition(std::vector<typename Keys::Record>& a,
                                                    std::ptrdiff_t left, std::ptrdiff_t right) {
  auto key = [&a](std::ptrdiff_t i) { return Keys::KeyOf(a[i]); };
  auto exchange = [&a](std::ptrdiff_t x, std::ptrdiff_t y) { std::swap(a[x], a[y]); };

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
  ExchangeBlockPairs<Keys>(a, pivot, i, j);
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
  return {i, j};
}

// Handles a range partitioned far deeper than log2(n); true when it was sorted here.
template <typename Keys>
bool SortedAfterDeepRecursion(std::vector<typename Keys::Record>& a, std::ptrdiff_t left,
                              std::ptrdiff_t right, int& depthLeft) {
  if (depthLeft-- != 0 || !KeysAllDistinct<Keys>(a, left, right))
    return false;
  std::sort(a.begin() + left, a.begin() + right + 1, [](const auto& x, const auto& y) {
    return Keys::Less(Keys::KeyOf(x), Keys::KeyOf(y));
  });
  return true;
}

template <typename Keys>
void QuickPass(std::vector<typename Keys::Record>& a, std::ptrdiff_t cutoff, std::ptrdiff_t left,
               std::ptrdiff_t right, int depthLeft) {
  while (right - left > cutoff) {
    if (SortedAfterDeepRecursion<Keys>(a, left, right, depthLeft))
      return;
    const auto [i, j] = Partition<Keys>(a, left, right);
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

// Below this many records a range is not worth a thread.
constexpr std::ptrdiff_t kParallelRange = 1 << 16;

// Quick pass over quickFrom..right, then the insertion pass over insertFrom..right, the parts of
// the first few partitions on threads of their own. The insertion pass never moves a record across
// a partition (every key before it is not greater than every key after it), so the passes over
// the parts together do exactly what the passes over the whole range do.
template <typename Keys>
void SortRange(std::vector<typename Keys::Record>& a, std::ptrdiff_t insertFrom,
               std::ptrdiff_t quickFrom, std::ptrdiff_t right, int depthLeft, int splits) {
  if (splits == 0 || right - quickFrom < kParallelRange) {
    QuickPass<Keys>(a, kCutoff, quickFrom, right, depthLeft);
    InsertionPass<Keys>(a, insertFrom, right);
    return;
  }
  if (SortedAfterDeepRecursion<Keys>(a, quickFrom, right, depthLeft)) {
    InsertionPass<Keys>(a, insertFrom, right);
    return;
  }
  const auto [i, j] = Partition<Keys>(a, quickFrom, right);
  const WorkBeside leftPart([&a, insertFrom, quickFrom, j = j, depthLeft, splits] {
    SortRange<Keys>(a, insertFrom, quickFrom, j, depthLeft, splits - 1);
  });
  SortRange<Keys>(a, j + 1, i + 1, right, depthLeft, splits - 1);
}

template <typename Keys>
void Sort(std::vector<typename Keys::Record>& list) {
  const auto last = static_cast<std::ptrdiff_t>(list.size()) - 1;
  // Two levels of parts make four, so that an uneven first partition still keeps two cores busy.
  const int splits = std::thread::hardware_concurrency() > 1 ? 2 : 0;
  SortRange<Keys>(list, 0, 0, last, DepthLimit(list.size()), splits);
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
  // The same passes on packed copies make the same exchanges, as their order is the same.
  const auto& ranks = CharacterRanks();
  std::vector<PackedAPRecord> packed;
  packed.reserve(list.size());
  for (const APRecord& record : list)
    packed.push_back({PackedPrefix(record.APID, ranks), record});
  Sort<PackedAPKeys>(packed);
  for (std::size_t i = 0; i < list.size(); ++i)
    list[i] = packed[i].Record;
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
