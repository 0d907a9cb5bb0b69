#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "records/Evaluation.h"

namespace fw {

// A leg whose schedule is wrong: it arrives when it departs, or it overlaps the next period.
struct ScheduleNote {
  std::size_t Leg = 0;
  bool Overlap = false;
};

// What the checks across a set need of a flight-plan entry, and the room the checks use. Kept
// from line to line, so that the room is made once.
struct FlightPlanEntry {
  std::int32_t Number = 0;
  std::string_view Registration;               // the second field without surrounding spaces
  std::vector<std::string_view> Destinations;  // of each complete leg, in order
  std::vector<ScheduleNote> Schedule;          // reported after the legs' own problems
};

// Checks a flight-plan entry on its own (its fields, times, schedule and legs) and adds what is
// wrong to problems; fills entry. False, after adding the error, when its aircraft number
// cannot be read: nothing else of it is then checked.
bool CheckFlightPlanEntry(std::string_view line, FlightPlanEntry& entry, ProblemList& problems);

// True when the field, without surrounding spaces, is IFR or VFR in any letter case.
bool IsFlightRule(std::string_view field);

// The aircraft number of an aircraft or flight-plan entry (its first field after three
// characters); nothing when it cannot be read.
std::optional<std::int32_t> EntryNumber(std::string_view line);

// The error of an entry without an aircraft number.
std::string NoNumberText(std::string_view line);

}  // namespace fw
