#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ByteBuffer.h"
#include "platform/LargeBlocks.h"
#include "records/FlatMap.h"

namespace fw {

// A line of one of the files of a set.
struct LinePlace {
  std::uint32_t File = 0;
  std::uint64_t Line = 0;
  friend bool operator==(const LinePlace&, const LinePlace&) = default;
};

// Follows the registrations of a set's flight-plan entries, file after file and line after line:
// which entries repeat an earlier line of their file, and which share a registration with an
// earlier entry. Only entries of one registration can be equal, so a line is looked up among
// earlier lines only when its registration was seen before: one probe of a small slot for most
// lines, which never reads the line itself. Entries of different registrations never meet, so
// the registrations can be shared out by their hash among followers that run at once, each
// seeing its own in file order.
class FlightPlanCopies {
 public:
  // An entry's registration (its second field without surrounding spaces) and its hash.
  struct Key {
    std::string_view Registration;
    std::uint32_t Hash = 0;
  };

  // The key of a flight-plan entry's line.
  static Key KeyOf(std::string_view line);

  // The key of an entry of that registration, read already.
  static Key KeyFrom(std::string_view registration);

  // Which of two followers follows the entries of a registration of that hash.
  static unsigned HalfOf(std::uint32_t hash) { return hash >> 31; }

  // An entry handed to a follower: where its line starts in its part of the file, its number
  // there, and its key's hash. Small, as there is one for each entry of every file of the set.
  struct Entry {
    std::uint32_t Offset = 0;
    std::uint32_t Number = 0;
    std::uint32_t Hash = 0;
  };
  using Entries = std::vector<Entry, LargeBlockAllocator<Entry>>;

  // Takes the entries of the next part of a file, text, in line order; its lines are numbered
  // from after `before` lines of the file. Kept to the last file, as later entries refer to
  // earlier ones. Where source, which holds text, can copy its bytes out, the few lines read
  // again are read from copies, so that the pages of a file mapped from the system's cache are
  // not brought in for them.
  void Add(Entries entries, std::uint32_t file, std::uint64_t before, std::string_view text,
           const ByteBuffer* source = nullptr);

  // Makes room at once for about `count` more entries of the follower's half of the
  // registrations. New memory is slow to clear on some machines: the room can be made beside
  // other work, before the entries come.
  void Expect(std::uint64_t count) { Reserve(m_entries + count); }

  struct Use {
    LinePlace Here;
    std::string_view Line;
    std::string_view Registration;      // the second field without surrounding spaces
    std::optional<std::uint64_t> Copy;  // the earlier line of the file that the entry repeats
    std::optional<LinePlace> Shared;    // else an earlier entry of its (non-empty) registration
  };

  // Follows the entries added since the last call, in order, and calls found(use) for each that
  // repeats a line or shares a registration.
  template <typename Found>
  void FollowNew(Found&& found) {
    Reserve(m_entries);
    // Each entry's slot is fetched a few entries before it is looked up, so that the look-ups
    // wait for memory together rather than one after another.
    constexpr std::size_t kAhead = 8;
    for (; m_followed < m_parts.size(); ++m_followed) {
      const Entries& entries = m_parts[m_followed].Held;
      for (std::size_t at = 0; at < entries.size(); ++at) {
        if (at + kAhead < entries.size())
          __builtin_prefetch(&m_slots[FirstSlot(entries[at + kAhead].Hash, m_slots.size())]);
        if (const std::optional<Use> use = Note(m_followed, at))
          found(*use);
      }
    }
  }

 private:
  struct Part {
    Entries Held;
    std::uint32_t File = 0;
    std::uint64_t Before = 0;
    std::string_view Text;
    std::uint64_t First = 0;             // the index of its first entry among all entries
    const ByteBuffer* Source = nullptr;  // holds Text and can copy it out; null for none
  };
  struct Slot {
    std::uint32_t Hash = 0;
    std::uint32_t Place = 0;  // 1 + the index of the registration's first entry; 0: empty
  };

  // Where a key of that hash is looked for first, among slots: the table may have any size, to
  // take no more memory than it needs. The top bit of the hash is left out, as it is the same for
  // all of a follower's keys (HalfOf).
  static std::size_t FirstSlot(std::uint32_t hash, std::size_t slots) {
    return static_cast<std::size_t>(((std::uint64_t{hash} & 0x7FFFFFFF) * slots) >> 31);
  }

  std::optional<Use> Note(std::size_t part, std::size_t at);
  // Makes room for that many entries, so that the table never grows while entries are followed.
  void Reserve(std::uint64_t entries);
  // The entry of that index among all entries, its place and its line, which may be a copy in
  // room (valid until room is used again).
  std::pair<LinePlace, std::string_view> EntryAt(std::uint64_t index, std::string& room) const;
  std::pair<LinePlace, std::string_view> EntryAt(std::size_t part, std::size_t at,
                                                 std::string& room) const;

  std::vector<Part> m_parts;
  std::size_t m_followed = 0;  // the parts followed
  std::uint64_t m_entries = 0;
  std::vector<Slot, LargeBlockAllocator<Slot>> m_slots;
  // The lines of entries whose registration an earlier entry had, each with its last place;
  // the lines themselves are kept in m_keptLines.
  FlatMap<std::string_view, LinePlace> m_shared;
  std::deque<std::string> m_keptLines;
  std::string m_rooms[2];                            // for the line at hand and an earlier one
  std::pair<LinePlace, std::string_view> m_earlier;  // the earlier one, in m_rooms[1]
  std::uint64_t m_earlierHeld = 0;                   // 1 + its index; 0 for none
};

}  // namespace fw
