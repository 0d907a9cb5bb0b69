#include "records/FlightPlanPart.h"

#include <algorithm>
#include <string>
#include <utility>

#include "records/LineKinds.h"

namespace fw {

void FlightPlanPart::Check(std::string_view line, std::uint64_t number) {
  Problems.Line = number;
  if (MayBeGapLine(line)) {
    if (const GapLine gap = GapLineKind(line); gap != GapLine::No) {
      if (gap == GapLine::Comment) {
        ++Comments;
        if (DayLine.Line == 0 && DayLineValue(line)) {
          DayLine = LinePlace{Problems.File, number};
          DayText = line;
        }
      }
      return;
    }
  }
  ++Entries;
  const FlightPlanCopies::Key key = FlightPlanCopies::KeyOf(line);
  ToFollow[FlightPlanCopies::HalfOf(key)].push_back(Followed{line, number, key});
  // The set's tables are asked about an entry only after the next entry's own checks, so that
  // what they look at is fetched from memory meanwhile.
  FlightPlanEntry& entry = m_entries[m_current];
  const bool numbered = CheckFlightPlanEntry(line, entry, Problems);
  if (numbered)
    Numbers.Fetch(NumberHash{}(entry.Number));
  Finish();
  if (numbered) {
    m_waiting = number;
    m_current ^= 1;
  }
}

void FlightPlanPart::Finish() {
  if (m_waiting == 0)
    return;
  const std::uint64_t line = std::exchange(Problems.Line, m_waiting);
  LookUp(m_entries[m_current ^ 1]);
  Problems.Line = line;
  m_waiting = 0;
}

void FlightPlanPart::LookUp(const FlightPlanEntry& entry) {
  const std::int32_t number = entry.Number;
  Legs += entry.Destinations.size();
  Lowest = Numbers.size() == 0 ? number : std::min(Lowest, number);
  Highest = Numbers.size() == 0 ? number : std::max(Highest, number);
  const auto [listed, firstUse] = Numbers.Insert(number, 1);
  // The aircraft files are asked once for each number.
  if (firstUse && m_tables.Aircraft != nullptr)
    *listed = m_tables.Aircraft->Find(number) != nullptr ? 1 : 0;
  if (*listed == 0) {
    Problems.Add(Severity::Error,
                 "aircraft number " + std::to_string(number) + " is in no aircraft file");
  }
  if (m_tables.Airports == nullptr)
    return;
  for (const std::string_view airport : entry.Destinations) {
    if (m_tables.Airports->Find(airport) != nullptr)
      continue;
    // Once a line for each airport missing.
    if (const auto [last, isNew] = m_missingAirports.Insert(airport, Problems.Line);
        isNew || *last != Problems.Line) {
      *last = Problems.Line;
      Problems.Add(Severity::Error, "airport " + Quoted(airport) + " is in no airport file");
    }
  }
}

}  // namespace fw
