#include "records/FlightPlanPart.h"

#include <algorithm>
#include <string>

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
  Entry(line);
}

void FlightPlanPart::Entry(std::string_view line) {
  if (!CheckFlightPlanEntry(line, m_entry, Problems))
    return;
  const std::int32_t number = m_entry.Number;
  Legs += m_entry.Destinations.size();
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
  for (const std::string_view airport : m_entry.Destinations) {
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
