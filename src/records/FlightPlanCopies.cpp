#include "records/FlightPlanCopies.h"

#include <algorithm>
#include <cstring>
#include <functional>

#include "records/Texts.h"

namespace fw {

FlightPlanCopies::Key FlightPlanCopies::KeyOf(std::string_view line) {
  const std::size_t comma = line.find(',');
  const std::string_view rest =
      comma == std::string_view::npos ? std::string_view() : line.substr(comma + 1);
  return KeyFrom(TrimSpaces(rest.substr(0, rest.find(','))));
}

namespace {

// The bytes of a text of one to eight bytes in a word, read without a loop: two overlapping
// halves, or the first, middle and last byte. Texts of one length get different words.
std::uint64_t WordOf(std::string_view text) {
  const char* const at = text.data();
  const std::size_t size = text.size();
  if (size >= 4) {
    std::uint32_t head = 0;
    std::uint32_t tail = 0;
    std::memcpy(&head, at, 4);
    std::memcpy(&tail, at + size - 4, 4);
    return head | std::uint64_t{tail} << 32;
  }
  const auto byte = [&](std::size_t k) { return std::uint64_t{static_cast<unsigned char>(at[k])}; };
  return size == 0 ? 0 : byte(0) | byte(size / 2) << 8 | byte(size - 1) << 16;
}

}  // namespace

FlightPlanCopies::Key FlightPlanCopies::KeyFrom(std::string_view registration) {
  std::uint64_t hash = 0;
  if (registration.size() <= 8) {
    // Nearly every registration is this short: mixed in a few multiplies (splitmix64's) rather
    // than hashed byte by byte.
    hash = WordOf(registration) ^ registration.size() * 0x9E3779B97F4A7C15;
    hash = (hash ^ hash >> 30) * 0xBF58476D1CE4E5B9;
    hash = (hash ^ hash >> 27) * 0x94D049BB133111EB;
    hash ^= hash >> 31;
  } else {
    hash = std::hash<std::string_view>{}(registration);
  }
  return {registration, static_cast<std::uint32_t>(hash ^ hash >> 32)};
}

void FlightPlanCopies::Add(Entries entries, std::uint32_t file, std::uint64_t before,
                           std::string_view text, const ByteBuffer* source) {
  const std::uint64_t first = m_entries;
  m_entries += entries.size();
  m_parts.push_back(Part{std::move(entries), file, before, text, first,
                         source != nullptr && source->CanCopyOut() ? source : nullptr});
}

void FlightPlanCopies::Reserve(std::uint64_t entries) {
  // At most seven slots in ten taken, so that few probes go past a key's first slot.
  const std::size_t needed = static_cast<std::size_t>(entries) / 7 * 10 + 16;
  if (needed <= m_slots.size())
    return;
  std::vector<Slot, LargeBlockAllocator<Slot>> slots(std::max(needed, m_slots.size() * 2));
  for (const Slot& slot : m_slots) {
    if (slot.Place == 0)
      continue;
    std::size_t at = FirstSlot(slot.Hash, slots.size());
    while (slots[at].Place != 0)
      at = at + 1 == slots.size() ? 0 : at + 1;
    slots[at] = slot;
  }
  m_slots = std::move(slots);
}

std::pair<LinePlace, std::string_view> FlightPlanCopies::EntryAt(std::uint64_t index,
                                                                 std::string& room) const {
  const auto after =
      std::upper_bound(m_parts.begin(), m_parts.end(), index,
                       [](std::uint64_t k, const Part& part) { return k < part.First; });
  const Part& part = *(after - 1);
  return EntryAt(static_cast<std::size_t>(after - 1 - m_parts.begin()),
                 static_cast<std::size_t>(index - part.First), room);
}

std::pair<LinePlace, std::string_view> FlightPlanCopies::EntryAt(std::size_t part, std::size_t at,
                                                                 std::string& room) const {
  const Part& whole = m_parts[part];
  const Entry& entry = whole.Held[at];
  const LinePlace place{whole.File, whole.Before + entry.Number};
  const std::string_view rest = whole.Text.substr(entry.Offset);
  if (whole.Source != nullptr) {
    const auto start = static_cast<std::size_t>(rest.data() - whole.Source->data());
    // A line rarely needs more than one copy: most are well under 256 bytes.
    for (std::size_t size = 256;; size *= 2) {
      const std::size_t wanted = std::min(size, rest.size());
      room.resize(wanted);
      if (!whole.Source->CopyOut(start, room.data(), wanted))
        break;
      const std::size_t end = room.find_first_of("\r\n");
      if (end != std::string::npos || wanted == rest.size())
        return {place, std::string_view(room).substr(0, end)};
    }
  }
  return {place, rest.substr(0, rest.find_first_of("\r\n"))};
}

std::optional<FlightPlanCopies::Use> FlightPlanCopies::Note(std::size_t part, std::size_t at) {
  const std::uint32_t hash = m_parts[part].Held[at].Hash;
  std::optional<std::pair<LinePlace, std::string_view>> here;
  std::string_view registration;
  std::pair<LinePlace, std::string_view> earlier;
  for (std::size_t probe = FirstSlot(hash, m_slots.size());;
       probe = probe + 1 == m_slots.size() ? 0 : probe + 1) {
    Slot& slot = m_slots[probe];
    if (slot.Place == 0) {
      slot = Slot{hash, static_cast<std::uint32_t>(m_parts[part].First + at + 1)};
      return std::nullopt;
    }
    if (slot.Hash != hash)
      continue;
    if (!here) {
      here = EntryAt(part, at, m_rooms[0]);
      registration = KeyOf(here->second).Registration;
    }
    // Later entries of a registration all meet its first one: it is read once for a run of them.
    if (const std::uint64_t index = std::uint64_t{slot.Place} - 1; index + 1 != m_earlierHeld) {
      m_earlier = EntryAt(index, m_rooms[1]);
      m_earlierHeld = index + 1;
    }
    earlier = m_earlier;
    if (KeyOf(earlier.second).Registration == registration)
      break;
  }
  const auto [place, line] = *here;
  Use use{place, line, registration, std::nullopt, std::nullopt};
  if (earlier.first.File == place.File && earlier.second == line) {
    use.Copy = earlier.first.Line;
    return use;
  }
  LinePlace* copy = m_shared.Find(line);
  if (copy == nullptr) {
    // The line may be a copy in a room that is used again: the key is a copy of its own.
    copy = m_shared.Insert(m_keptLines.emplace_back(line), place).first;
  } else if (copy->File == place.File) {
    use.Copy = copy->Line;
    return use;
  }
  *copy = place;
  if (registration.empty())
    return std::nullopt;
  use.Shared = earlier.first;
  return use;
}

}  // namespace fw
