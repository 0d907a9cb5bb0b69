#include "records/FlightPlanCopies.h"

#include <algorithm>
#include <functional>

#include "records/Texts.h"

namespace fw {

FlightPlanCopies::Key FlightPlanCopies::KeyOf(std::string_view line) {
  const std::size_t comma = line.find(',');
  const std::string_view rest =
      comma == std::string_view::npos ? std::string_view() : line.substr(comma + 1);
  return KeyFrom(TrimSpaces(rest.substr(0, rest.find(','))));
}

FlightPlanCopies::Key FlightPlanCopies::KeyFrom(std::string_view registration) {
  const std::uint64_t hash = std::hash<std::string_view>{}(registration);
  return {registration, static_cast<std::uint32_t>(hash ^ hash >> 32)};
}

void FlightPlanCopies::Add(Entries entries, std::uint32_t file, std::uint64_t before,
                           std::string_view text) {
  const std::uint64_t first = m_entries;
  m_entries += entries.size();
  m_parts.push_back(Part{std::move(entries), file, before, text, first});
}

void FlightPlanCopies::Reserve() {
  // At most seven slots in ten taken, so that few probes go past a key's first slot.
  const std::size_t needed = static_cast<std::size_t>(m_entries) / 7 * 10 + 16;
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

std::pair<LinePlace, std::string_view> FlightPlanCopies::EntryAt(std::uint64_t index) const {
  const auto after =
      std::upper_bound(m_parts.begin(), m_parts.end(), index,
                       [](std::uint64_t k, const Part& part) { return k < part.First; });
  const Part& part = *(after - 1);
  return EntryAt(static_cast<std::size_t>(after - 1 - m_parts.begin()),
                 static_cast<std::size_t>(index - part.First));
}

std::pair<LinePlace, std::string_view> FlightPlanCopies::EntryAt(std::size_t part,
                                                                 std::size_t at) const {
  const Part& whole = m_parts[part];
  const Entry& entry = whole.Held[at];
  const std::string_view rest = whole.Text.substr(entry.Offset);
  return {LinePlace{whole.File, whole.Before + entry.Number},
          rest.substr(0, rest.find_first_of("\r\n"))};
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
      here = EntryAt(part, at);
      registration = KeyOf(here->second).Registration;
    }
    earlier = EntryAt(std::uint64_t{slot.Place} - 1);
    if (KeyOf(earlier.second).Registration == registration)
      break;
  }
  const auto [place, line] = *here;
  Use use{place, line, registration, std::nullopt, std::nullopt};
  if (earlier.first.File == place.File && earlier.second == line) {
    use.Copy = earlier.first.Line;
    return use;
  }
  const auto [copy, isNewLine] = m_shared.Insert(line, place);
  if (!isNewLine && copy->File == place.File) {
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
