// The order of a grouped list: each block sorted on its own, equal keys in input order, and
// across blocks only the first of equal entries kept. Blocks keep their input order and equal
// keys theirs, so the first of equal entries in input order is the first one written: the
// repeats are found in input order, before sorting, where the lines lie in file order.
#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

#include "platform/WorkBeside.h"
#include "records/Layout.h"
#include "records/TextOrder.h"

namespace fw {
namespace {

// Below this many records a list is not worth a second thread.
constexpr std::size_t kParallelRecords = std::size_t{1} << 16;

// A hash of text read eight bytes at a time in two lanes, mixed at the end: far cheaper than
// std::hash on lines of a few hundred bytes, and good enough for a table of lines.
std::uint64_t HashOf(std::string_view text) {
  constexpr std::uint64_t kOdd = 0x9E3779B97F4A7C15;
  constexpr std::uint64_t kOtherOdd = 0xC2B2AE3D27D4EB4F;
  std::uint64_t a = text.size();
  std::uint64_t b = ~text.size();
  const char* at = text.data();
  std::size_t left = text.size();
  auto word = [&at](std::size_t size) {
    std::uint64_t value = 0;
    std::memcpy(&value, at, size);
    at += size;
    return value;
  };
  for (; left >= 16; left -= 16) {
    a = (a ^ word(8)) * kOdd;
    b = (b ^ word(8)) * kOtherOdd;
  }
  if (left >= 8) {
    a = (a ^ word(8)) * kOdd;
    left -= 8;
  }
  if (left > 0)
    b = (b ^ word(left)) * kOtherOdd;
  std::uint64_t hash = a ^ std::rotl(b, 29);
  hash = (hash ^ (hash >> 33)) * 0xFF51AFD7ED558CCD;
  hash = (hash ^ (hash >> 33)) * 0xC4CEB9FE1A85EC53;
  return hash ^ (hash >> 33);
}

struct ACNumKeys {
  using Record = ACNumRecord;
  static std::string_view RepeatKey(const Record& record) { return record.Line; }
  // Equal lines have equal numbers: the number tells which thread looks for a line's repeats.
  static bool SecondPart(const Record& record) {
    return (static_cast<std::uint32_t>(record.ACNum) * 0x9E3779B1u) >> 31 != 0;
  }
  static void Drop(Record& record) { record.Line = PackedLine(record.Line.data(), 0); }
  static bool Less(const Record& a, const Record& b) { return a.ACNum < b.ACNum; }
};

struct APKeys {
  using Record = APRecord;
  static std::string_view RepeatKey(const Record& record) { return record.APID; }
  static bool SecondPart(const Record& record) { return HashOf(record.APID) >> 63 != 0; }
  // A record without an ID is never written.
  static void Drop(Record& record) { record.APID = {}; }
  static bool Less(const Record& a, const Record& b) { return TextLess(a.APID, b.APID); }
};

// A set of records' keys in one open-addressing table: each slot holds a record's position (plus
// one; 0 is free) and 32 bits of its key's hash, so that only equal hashes cost a look at a key.
template <typename Keys, typename Index>
class RepeatFinder {
 public:
  RepeatFinder(const std::vector<typename Keys::Record>& records, std::size_t most)
      : m_records(records), m_slots(std::bit_ceil(2 * most + 16)), m_mask(m_slots.size() - 1) {}

  void Prefetch([[maybe_unused]] std::uint64_t hash) const {
#if defined(__GNUC__) || defined(__clang__)
    __builtin_prefetch(&m_slots[hash & m_mask]);
#endif
  }

  // True when record i's key, whose hash is given, is new to the set, which then holds it.
  bool Insert(std::size_t i, std::uint64_t hash) {
    const auto fragment = static_cast<std::uint32_t>(hash >> 32);
    const std::string_view key = Keys::RepeatKey(m_records[i]);
    for (std::size_t at = hash & m_mask;; at = (at + 1) & m_mask) {
      Slot& slot = m_slots[at];
      if (slot.Position == 0) {
        slot = Slot{fragment, static_cast<Index>(i + 1)};
        return true;
      }
      if (slot.Fragment == fragment && Keys::RepeatKey(m_records[slot.Position - 1]) == key)
        return false;
    }
  }

 private:
  struct Slot {
    std::uint32_t Fragment = 0;
    Index Position = 0;
  };
  const std::vector<typename Keys::Record>& m_records;
  std::vector<Slot> m_slots;
  std::size_t m_mask;
};

// The positions of the records of a part (the second part, the first, or with parts 1 all)
// whose key an earlier record has; records with an empty key count as none. Equal keys fall in
// one part, so two threads can take a part each, and the records are only read meanwhile. Keys
// are hashed a few records ahead of their turn, so that their slots are loaded by then.
template <typename Keys, typename Index>
std::vector<std::size_t> Repeats(const std::vector<typename Keys::Record>& records, bool second,
                                 int parts) {
  auto mine = [&](std::size_t i) {
    return !Keys::RepeatKey(records[i]).empty() &&
           (parts == 1 || Keys::SecondPart(records[i]) == second);
  };
  std::size_t count = 0;
  for (std::size_t i = 0; i < records.size(); ++i)
    count += mine(i) ? 1 : 0;
  RepeatFinder<Keys, Index> seen(records, count);
  constexpr std::size_t kAhead = 16;
  struct Hashed {
    std::size_t Position;
    std::uint64_t Hash;
  };
  std::array<Hashed, kAhead> ahead{};
  std::size_t taken = 0;
  std::size_t hashed = 0;
  std::size_t scanned = 0;
  auto hashAhead = [&] {
    for (; hashed - taken < kAhead && scanned < records.size(); ++scanned) {
      if (!mine(scanned))
        continue;
      const std::uint64_t hash = HashOf(Keys::RepeatKey(records[scanned]));
      seen.Prefetch(hash);
      ahead[hashed++ % kAhead] = Hashed{scanned, hash};
    }
  };
  std::vector<std::size_t> repeats;
  for (hashAhead(); taken != hashed; hashAhead()) {
    const Hashed next = ahead[taken++ % kAhead];
    if (!seen.Insert(next.Position, next.Hash))
      repeats.push_back(next.Position);
  }
  return repeats;
}

// Drops every record whose key an earlier one has.
template <typename Keys>
void DropRepeats(std::vector<typename Keys::Record>& records) {
  const int parts = records.size() >= kParallelRecords ? 2 : 1;
  auto repeats = [&records, parts](bool second) {
    if (records.size() < UINT32_MAX)
      return Repeats<Keys, std::uint32_t>(records, second, parts);
    return Repeats<Keys, std::uint64_t>(records, second, parts);
  };
  std::vector<std::size_t> secondRepeats;
  std::vector<std::size_t> firstRepeats;
  {
    // With one part, the work beside is all of it, done here.
    const WorkBeside secondPart([&] { secondRepeats = repeats(true); }, parts == 2);
    if (parts == 2)
      firstRepeats = repeats(false);
  }
  for (const auto* part : {&firstRepeats, &secondRepeats}) {
    for (const std::size_t i : *part)
      Keys::Drop(records[i]);
  }
}

// Sorts a block by key, equal keys in input order.
template <typename Keys>
void SortBlock(std::vector<typename Keys::Record>& records, const Block& block) {
  constexpr std::size_t kShortBlock = 24;
  const auto first = records.begin() + static_cast<std::ptrdiff_t>(block.First);
  const auto end = records.begin() + static_cast<std::ptrdiff_t>(block.End);
  if (block.End - block.First <= kShortBlock) {
    for (auto i = first; i != end; ++i) {
      const typename Keys::Record held = *i;
      auto j = i;
      for (; j != first && Keys::Less(held, *(j - 1)); --j)
        *j = *(j - 1);
      *j = held;
    }
    return;
  }
  if (block.End - block.First < kParallelRecords) {
    std::stable_sort(first, end, Keys::Less);
    return;
  }
  // A long block in two halves on two threads, merged: the first half's records go before equal
  // ones of the second.
  const auto middle = first + (end - first) / 2;
  {
    const WorkBeside second([&] { std::stable_sort(middle, end, Keys::Less); });
    std::stable_sort(first, middle, Keys::Less);
  }
  std::inplace_merge(first, middle, end, Keys::Less);
}

template <typename Keys>
void Arrange(std::vector<typename Keys::Record>& records, std::span<const Block> blocks) {
  if (blocks.size() > 1)
    DropRepeats<Keys>(records);
  // Many blocks are shared out between two threads by their records.
  const auto middle = std::partition_point(blocks.begin(), blocks.end(), [&](const Block& block) {
    return block.End <= records.size() / 2;
  });
  auto sortBlocks = [&records](auto from, auto to) {
    for (auto block = from; block != to; ++block)
      SortBlock<Keys>(records, *block);
  };
  const WorkBeside second([&] { sortBlocks(middle, blocks.end()); },
                          records.size() >= kParallelRecords);
  sortBlocks(blocks.begin(), middle);
}

}  // namespace

void ArrangeBlocks(std::vector<ACNumRecord>& records, std::span<const Block> blocks) {
  Arrange<ACNumKeys>(records, blocks);
}

void ArrangeBlocks(std::vector<APRecord>& records, std::span<const Block> blocks) {
  Arrange<APKeys>(records, blocks);
}

}  // namespace fw
