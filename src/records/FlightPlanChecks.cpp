// A flight-plan entry: AC#, registration, percentage, period, flight rule, then legs of six
// fields (departure time, arrival time, flight level, F/R, flight number, destination). Its
// schedule is laid out from the first departure, each next time at its first occurrence after the
// time before it; it fits when the last arrival lands at most one period after the first
// departure.
#include "records/FlightPlanChecks.h"

#include <algorithm>
#include <optional>
#include <string>

#include "records/AircraftNumber.h"
#include "records/FieldCursor.h"
#include "records/FlightTimes.h"
#include "records/Texts.h"

namespace fw {
namespace {

constexpr std::size_t kHeadFields = 5;
constexpr std::size_t kMostLegs = 200;

// A field as the report shows it.
std::string Shown(std::string_view field) {
  return ShownField(field, 40);
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool IsNumber(std::string_view field) {
  for (const char c : field) {
    if (!IsDigit(c))
      return false;
  }
  return !field.empty();
}

bool IsPercentage(std::string_view field) {
  std::size_t at = 0;
  std::size_t count = 0;
  const auto value = ReadDigits(field, at, count);
  return value && count <= 3 && *value <= 100 && at + 1 == field.size() && field[at] == '%';
}

// The period's length in seconds: a week, or 1 to 24 hours; nothing for any other text.
std::optional<std::int64_t> PeriodSeconds(std::string_view field) {
  if (EqualInAnyCase(field, "WEEK"))
    return kWeek;
  std::size_t at = 0;
  std::size_t count = 0;
  const auto hours = ReadDigits(field, at, count);
  if (!hours || count > 2 || *hours < 1 || *hours > 24 || !EqualInAnyCase(field.substr(at), "HR"))
    return std::nullopt;
  return *hours * kHour;
}

std::string LegText(std::size_t leg) {
  return "leg " + std::to_string(leg + 1);
}

// TrimSpaces, at the cost of two comparisons for a field without spaces around it.
std::string_view Trimmed(std::string_view field) {
  if (!field.empty() && field.front() != ' ' && field.back() != ' ')
    return field;
  return TrimSpaces(field);
}

// The time of an arrival's text without its "@" or "TNG", or of a departure's text.
inline std::string_view WithoutPrefix(std::string_view text, bool arrival) {
  if (arrival && text.starts_with('@'))
    text.remove_prefix(1);
  else if (arrival && text.starts_with("TNG"))
    text.remove_prefix(3);
  return text;
}

// The complaint about a time's field, after the field.
const char* FaultText(TimeFault fault) {
  switch (fault) {
    case TimeFault::Day:
      return " has a day outside 0 to 6";
    case TimeFault::Hour:
      return " has an hour over 23";
    case TimeFault::Minutes:
      return " has minutes over 59";
    case TimeFault::Seconds:
      return " has seconds over 59";
    default:
      return " is not a time of the form [d/]hh:mm[:ss]";
  }
}

// ReadOtherTime for a leg's field without its surrounding spaces, adding the error about it when
// it gives no time.
std::int64_t ReadOtherLegTime(std::size_t leg, std::string_view field, bool arrival,
                              ProblemList& problems) {
  const OtherTime time = ReadOtherTime(WithoutPrefix(field, arrival));
  if (time.Fault != TimeFault::None) {
    problems.Add(Severity::Error, LegText(leg) +
                                      (arrival ? ": arrival time " : ": departure time ") +
                                      Shown(field) + FaultText(time.Fault));
  }
  return time.Seconds;
}

// The time of a leg's field `[d/]hh:mm[:ss]` (an arrival may start with "@" or "TNG"), spaces
// around it allowed; otherwise kUnread, after adding the error about it.
std::int64_t ReadTime(std::size_t leg, std::string_view field, bool arrival,
                      ProblemList& problems) {
  // A field of the common forms has no spaces to trim.
  const std::int64_t common = ReadCommonTime(WithoutPrefix(field, arrival));
  return common != kUnread ? common : ReadOtherLegTime(leg, Trimmed(field), arrival, problems);
}

// A flight level that is not a number, added to problems.
void AddLevelError(std::size_t leg, std::string_view level, ProblemList& problems) {
  problems.Add(Severity::Error,
               LegText(leg) + ": flight level " + Shown(level) + " is not a number");
}

// a == b, without a library call for texts as short as airport IDs.
bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size())
    return false;
  for (std::size_t k = 0; k < a.size(); ++k) {
    if (a[k] != b[k])
      return false;
  }
  return true;
}

// True when a field without surrounding spaces is IFR or VFR in any letter case.
bool IsRule(std::string_view text) {
  return EqualInAnyCase(text, "IFR") || EqualInAnyCase(text, "VFR");
}

std::string PeriodText(std::int64_t period) {
  if (period == kWeek)
    return "one week";
  return period == kHour ? "one hour" : std::to_string(period / kHour) + " hours";
}

// Lays the times out one after the other from the first departure (departure, arrival, ... of
// each leg, as seconds within the period), and notes a leg that arrives when it departs and the
// first leg that runs past one period after the first departure.
class Layout {
 public:
  Layout(std::int64_t period, std::vector<ScheduleNote>& notes) : m_period(period), m_notes(notes) {
    m_notes.clear();
  }

  // Takes the next time, as read.
  void Take(std::int64_t time, bool arrival, std::size_t leg) {
    // The times of nHR periods carry no day.
    const std::int64_t seconds = m_period == kWeek ? time : time % kDay % m_period;
    if (m_taken++ > 0) {
      // Both times lie within one period, so one wrap at most.
      const std::int64_t difference = seconds - m_last;
      const std::int64_t step = difference < 0 ? difference + m_period : difference;
      if (arrival && step == 0)
        m_notes.push_back(ScheduleNote{leg, false});
      m_running += step;
      if (m_running > m_period && !m_overlaps) {
        m_overlaps = true;
        m_notes.push_back(ScheduleNote{leg, true});
      }
    }
    m_last = seconds;
  }

  // Reports what was noted, the overlap only when the legs are complete.
  void Report(bool complete, ProblemList& problems) const {
    for (const ScheduleNote& note : m_notes) {
      if (!note.Overlap) {
        problems.Add(Severity::Error, LegText(note.Leg) + " arrives at the time it departs");
      } else if (complete) {
        problems.Add(Severity::Error, LegText(note.Leg) + " ends more than " +
                                          PeriodText(m_period) +
                                          " after the first departure: the legs overlap");
      }
    }
  }

 private:
  std::int64_t m_period;
  std::vector<ScheduleNote>& m_notes;
  std::size_t m_taken = 0;
  std::int64_t m_last = 0;
  std::int64_t m_running = 0;
  bool m_overlaps = false;
};

// Checks the percentage, period and flight rule, those of them the line's fields reach (the
// first is the third field), and gives the period's length when it can be read.
[[gnu::noinline]] std::optional<std::int64_t> CheckWholeHead(std::string_view percentage,
                                                             std::string_view periodField,
                                                             std::string_view rule,
                                                             std::size_t fields,
                                                             ProblemList& problems) {
  if (fields >= 3 && !IsPercentage(percentage))
    problems.Add(Severity::Error, "percentage " + Shown(percentage) + " is not 0% to 100%");
  const std::optional<std::int64_t> period = PeriodSeconds(periodField);
  if (fields >= 4 && !period)
    problems.Add(Severity::Error, "period " + Shown(periodField) + " is not WEEK or 1HR to 24HR");
  if (fields >= 5 && !IsRule(rule))
    problems.Add(Severity::Error, "flight rule " + Shown(rule) + " is not IFR or VFR");
  return period;
}

// True for the head nearly every entry has: nn%, WEEK and IFR or VFR, as written.
bool IsCommonHead(std::string_view percentage, std::string_view periodField,
                  std::string_view rule) {
  const std::uint64_t ruleBytes = rule.size() == 3 ? LoadBytes<3>(rule.data()) : 0;
  return percentage.size() == 3 && IsDigit(percentage[0]) && IsDigit(percentage[1]) &&
         percentage[2] == '%' && periodField.size() == 4 &&
         LoadBytes<4>(periodField.data()) == BytesOf<4>("WEEK") &&
         (ruleBytes == BytesOf<3>("IFR") || ruleBytes == BytesOf<3>("VFR"));
}

// CheckWholeHead, without a call for the common head.
[[gnu::always_inline]] inline std::optional<std::int64_t> CheckHead(std::string_view percentage,
                                                                    std::string_view periodField,
                                                                    std::string_view rule,
                                                                    std::size_t fields,
                                                                    ProblemList& problems) {
  if (fields >= 5 && IsCommonHead(percentage, periodField, rule))
    return kWeek;
  return CheckWholeHead(percentage, periodField, rule, fields, problems);
}

// The fields of a leg, read before it is checked, as only whole legs are.
struct LegFields {
  std::string_view Departure;
  std::string_view Arrival;
  std::string_view Level;
  std::string_view Destination;
};

// The next leg's fields; nothing when the line ends before its sixth.
[[gnu::always_inline]] inline std::optional<LegFields> NextLeg(FieldCursor& cursor) {
  LegFields leg;
  leg.Departure = cursor.Next();
  leg.Arrival = cursor.Next();
  leg.Level = cursor.Next();
  (void)cursor.Next();
  (void)cursor.Next();
  if (cursor.AtEnd())
    return std::nullopt;
  leg.Destination = cursor.Next();
  return leg;
}

// The number of fields of a line: one more than its commas.
std::size_t CountFields(std::string_view line) {
  return static_cast<std::size_t>(std::count(line.begin(), line.end(), ',')) + 1;
}

// Checks the times and flight level of a leg, lays its times out when laying and keeps its
// destination. False when a time cannot be read.
[[gnu::always_inline]] inline bool CheckLeg(std::size_t leg, const LegFields& fields, bool laying,
                                            Layout& layout, FlightPlanEntry& entry,
                                            ProblemList& problems) {
  bool timesRead = true;
  for (const bool arrival : {false, true}) {
    const std::int64_t time =
        ReadTime(leg, arrival ? fields.Arrival : fields.Departure, arrival, problems);
    timesRead = timesRead && time != kUnread;
    if (laying && timesRead)
      layout.Take(time, arrival, leg);
  }
  // A number has no spaces to trim.
  if (!IsNumber(fields.Level) && !IsNumber(Trimmed(fields.Level)))
    AddLevelError(leg, Trimmed(fields.Level), problems);
  entry.Destinations.push_back(Trimmed(fields.Destination));
  return timesRead;
}

}  // namespace

bool IsFlightRule(std::string_view field) {
  return IsRule(TrimSpaces(field));
}

std::string NoNumberText(std::string_view line) {
  return "unreadable entry: " + Shown(line.substr(0, line.find(','))) + " has no aircraft number";
}

std::optional<std::int32_t> EntryNumber(std::string_view line) {
  const std::string_view first = line.substr(0, line.find(','));
  return first.size() > 3 ? ParseAircraftNumber(first.substr(3)) : std::nullopt;
}

bool CheckFlightPlanEntry(std::string_view line, FlightPlanEntry& entry, ProblemList& problems) {
  entry.Destinations.clear();
  FieldCursor cursor(line);
  const std::string_view first = cursor.Next();
  const std::optional<std::int32_t> number =
      first.size() > 3 ? ParseAircraftNumber(first.substr(3)) : std::nullopt;
  if (!number) {
    problems.Add(Severity::Error, NoNumberText(line));
    return false;
  }
  entry.Number = *number;

  // The fields are counted only when the legs turn out incomplete, which is known once they are
  // read; that error goes first among the line's problems.
  const std::size_t firstProblem = problems.Problems.size();
  entry.Registration = Trimmed(cursor.Next());
  const std::string_view percentage = Trimmed(cursor.Next());
  const std::string_view periodField = Trimmed(cursor.Next());
  const std::string_view rule = Trimmed(cursor.Next());
  const std::size_t headFields = cursor.AtEnd() ? CountFields(line) : kHeadFields + 1;
  const std::optional<std::int64_t> period =
      CheckHead(percentage, periodField, rule, headFields, problems);
  Layout layout(period.value_or(kWeek), entry.Schedule);
  std::size_t legs = 0;
  bool timesRead = true;
  bool repeats = false;  // a leg goes where the leg before it went
  bool partial = false;  // the line ends within a leg
  for (; !cursor.AtEnd(); ++legs) {
    const std::optional<LegFields> leg = NextLeg(cursor);
    if (!leg) {
      partial = true;
      break;
    }
    timesRead = CheckLeg(legs, *leg, period && timesRead, layout, entry, problems) && timesRead;
    repeats =
        repeats || (legs > 0 && SameText(entry.Destinations[legs], entry.Destinations[legs - 1]));
  }
  const bool complete = legs > 0 && !partial;
  if (!complete) {
    const auto at = problems.Problems.begin() + static_cast<std::ptrdiff_t>(firstProblem);
    problems.Problems.insert(at, Problem{problems.File, problems.Line, Severity::Error,
                                         "legs incomplete: " + std::to_string(CountFields(line)) +
                                             " fields are not 5 and then 6 for each leg"});
  }
  if (period && timesRead)
    layout.Report(complete, problems);
  if (complete && (repeats || SameText(entry.Destinations.front(), entry.Destinations.back()))) {
    for (std::size_t leg = 0; leg < legs; ++leg) {
      const std::string_view from = entry.Destinations[leg == 0 ? legs - 1 : leg - 1];
      if (SameText(entry.Destinations[leg], from)) {
        problems.Add(Severity::Warning,
                     LegText(leg) + " goes to " + Shown(from) + ", the airport it departs from");
      }
    }
  }
  if (legs > kMostLegs) {
    problems.Add(Severity::Warning,
                 std::to_string(legs) + " legs, more than " + std::to_string(kMostLegs));
  }
  return true;
}

}  // namespace fw
