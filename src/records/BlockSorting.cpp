// The order of a grouped list: each block sorted on its own, equal keys in input order, and
// across blocks only the first of equal entries kept. Blocks keep their input order and equal
// keys theirs, so the first of equal entries in input order is the first one written: the
// repeats are found in input order, before sorting, where the lines lie in file order.
#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <memory>
#include <span>

#include "platform/WorkBeside.h"
#include "records/Layout.h"
#include "records/PieceWriting.h"
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
  static void Drop(Record& record) { record.Line = PackedLine(record.Line.data(), 0); }
  static bool Less(const Record& a, const Record& b) { return a.ACNum < b.ACNum; }
};

struct APKeys {
  using Record = APRecord;
  static std::string_view RepeatKey(const Record& record) { return record.APID; }
  // A record without an ID is never written.
  static void Drop(Record& record) { record.APID = {}; }
  static bool Less(const Record& a, const Record& b) { return TextLess(a.APID, b.APID); }
};

// Keys are looked for in parts by the top bits of their hashes, one table a part: equal keys fall
// in one part, and a part's table fits a core's own cache, where a full one would not.
constexpr int kPartBits = 3;
constexpr std::size_t kParts = std::size_t{1} << kPartBits;

std::size_t PartOf(std::uint64_t hash) {
  return static_cast<std::size_t>(hash >> (64 - kPartBits));
}

// A slot of a table of keys: a record's position plus one (0 is free) and 32 bits of its key's
// hash, so that only equal hashes cost a look at a key.
template <typename Index>
struct KeySlot {
  std::uint32_t Fragment = 0;
  Index Position = 0;
};

// Slots for a part of most keys: a table filled to three quarters at most.
std::size_t SlotsFor(std::size_t most) {
  return most + most / 3 + 16;
}

// A set of records' keys in an open-addressing table. The low 32 bits of a hash pick the first
// slot to look at, scaled to the table, which is not a power of two.
template <typename Keys, typename Index>
class RepeatFinder {
 public:
  RepeatFinder(const std::vector<typename Keys::Record>& records, std::span<KeySlot<Index>> slots)
      : m_records(records), m_slots(slots) {
    std::fill(slots.begin(), slots.end(), KeySlot<Index>{});
  }

  // Nothing (0) when record i's key, whose hash is given, is new to the set, which then holds
  // it; else the position plus one of an earlier record with that key. Without checking, only
  // 32 more bits of the hash are compared: the earlier record's key is then most probably, but
  // not surely, the same.
  template <bool kChecking>
  std::size_t Insert(std::size_t i, std::uint64_t hash) {
    const auto fragment = static_cast<std::uint32_t>(hash >> 32);
    for (std::size_t at = SlotOf(hash);; at = at + 1 == m_slots.size() ? 0 : at + 1) {
      KeySlot<Index>& slot = m_slots[at];
      if (slot.Position == 0) {
        slot = KeySlot<Index>{fragment, static_cast<Index>(i + 1)};
        return 0;
      }
      if (slot.Fragment == fragment &&
          (!kChecking ||
           Keys::RepeatKey(m_records[slot.Position - 1]) == Keys::RepeatKey(m_records[i])))
        return slot.Position;
    }
  }

 private:
  std::size_t SlotOf(std::uint64_t hash) const {
    const std::uint64_t slots = m_slots.size();
    return static_cast<std::size_t>(slots <= UINT32_MAX ? (hash & UINT32_MAX) * slots >> 32
                                                        : hash % slots);
  }

  const std::vector<typename Keys::Record>& m_records;
  std::span<KeySlot<Index>> m_slots;
};

// The bytes of a record itself, to load them early.
template <typename Record>
std::string_view BytesOf(const Record& record) {
  return {reinterpret_cast<const char*>(&record), sizeof record};
}

// A record and an earlier one that most probably has its key.
struct Repeat {
  std::size_t Record;
  std::size_t Earlier;
};

// True when each record has its earlier one's key. Records and keys are loaded a few repeats
// ahead: they lie all over the list and the file, and waiting for each in turn would dominate.
template <typename Keys>
bool AllRepeat(const std::vector<typename Keys::Record>& records, std::span<const Repeat> repeats) {
  constexpr std::size_t kAhead = 8;
  for (std::size_t k = 0; k < repeats.size(); ++k) {
    if (k + 2 * kAhead < repeats.size()) {
      detail::Prefetch(BytesOf(records[repeats[k + 2 * kAhead].Record]));
      detail::Prefetch(BytesOf(records[repeats[k + 2 * kAhead].Earlier]));
    }
    if (k + kAhead < repeats.size()) {
      detail::Prefetch(Keys::RepeatKey(records[repeats[k + kAhead].Record]));
      detail::Prefetch(Keys::RepeatKey(records[repeats[k + kAhead].Earlier]));
    }
    if (Keys::RepeatKey(records[repeats[k].Record]) != Keys::RepeatKey(records[repeats[k].Earlier]))
      return false;
  }
  return true;
}

// The positions of the records of parts firstPart, firstPart + step... whose key an earlier record
// has; records with an empty key (hash 0) count as none. Only the records are read, so two
// threads can take every other part each. counts: the records of each part. A part is looked
// through by hashes, and the repeats found are checked afterwards, all at once; should two keys
// share their hash (far less likely than a failing disk), the part is looked through again
// checking each key.
template <typename Keys, typename Index>
std::vector<std::size_t> Repeats(const std::vector<typename Keys::Record>& records,
                                 const std::uint64_t* hashes,
                                 const std::array<std::size_t, kParts>& counts,
                                 std::size_t firstPart, std::size_t step) {
  std::size_t most = 0;
  for (std::size_t part = firstPart; part < kParts; part += step)
    most = std::max(most, counts[part]);
  std::vector<KeySlot<Index>> slots(SlotsFor(most));
  std::vector<std::size_t> positions;
  std::vector<Repeat> found;
  auto lookThrough = [&]<bool kChecking>(std::size_t part) {
    RepeatFinder<Keys, Index> seen(records, std::span(slots).first(SlotsFor(counts[part])));
    for (std::size_t i = 0; i < records.size(); ++i) {
      if (hashes[i] == 0 || PartOf(hashes[i]) != part)
        continue;
      if (const std::size_t earlier = seen.template Insert<kChecking>(i, hashes[i]); earlier != 0)
        found.push_back(Repeat{i, earlier - 1});
    }
  };
  for (std::size_t part = firstPart; part < kParts; part += step) {
    found.clear();
    lookThrough.template operator()<false>(part);
    if (!AllRepeat<Keys>(records, found)) {
      found.clear();
      lookThrough.template operator()<true>(part);
    }
    for (const Repeat& repeat : found)
      positions.push_back(repeat.Record);
  }
  return positions;
}

// Drops every record whose key an earlier one has. The keys are hashed in two halves, then
// looked up by parts, each on two threads when there are many.
template <typename Keys>
void DropRepeats(std::vector<typename Keys::Record>& records) {
  const std::size_t size = records.size();
  const bool twoThreads = size >= kParallelRecords;
  const std::unique_ptr<std::uint64_t[]> hashes(new std::uint64_t[size]);
  std::array<std::size_t, kParts> firstCounts{};
  std::array<std::size_t, kParts> secondCounts{};
  auto hash = [&](std::size_t first, std::size_t end, std::array<std::size_t, kParts>& counts) {
    for (std::size_t i = first; i < end; ++i) {
      const std::string_view key = Keys::RepeatKey(records[i]);
      hashes[i] = key.empty() ? 0 : std::max<std::uint64_t>(HashOf(key), 1);
      counts[PartOf(hashes[i])] += hashes[i] != 0 ? 1 : 0;
    }
  };
  {
    const WorkBeside secondHalf([&] { hash(size / 2, size, secondCounts); }, twoThreads);
    hash(0, size / 2, firstCounts);
  }
  for (std::size_t part = 0; part < kParts; ++part)
    firstCounts[part] += secondCounts[part];
  const std::size_t step = twoThreads ? 2 : 1;
  auto repeats = [&](std::size_t firstPart) {
    if (size < UINT32_MAX)
      return Repeats<Keys, std::uint32_t>(records, hashes.get(), firstCounts, firstPart, step);
    return Repeats<Keys, std::uint64_t>(records, hashes.get(), firstCounts, firstPart, step);
  };
  std::vector<std::size_t> firstRepeats;
  std::vector<std::size_t> secondRepeats;
  {
    const WorkBeside secondParts(
        [&] {
          if (twoThreads)
            secondRepeats = repeats(1);
        },
        twoThreads);
    firstRepeats = repeats(0);
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
