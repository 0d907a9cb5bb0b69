// A flight-plan entry: AC#, registration, percentage, period, flight rule, then legs of six
// fields (departure time, arrival time, flight level, F/R, flight number, destination). Its
// schedule is laid out from the first departure, each next time at its first occurrence after the
// time before it; it fits when the last arrival lands at most one period after the first
// departure.
#include "records/FlightPlanChecks.h"

#include <algorithm>
#include <bit>
#include <optional>
#include <span>
#include <string>

#include "records/AircraftNumber.h"
#include "records/LineSplitter.h"
#include "records/Texts.h"

namespace fw {
namespace {

constexpr std::int64_t kMinute = 60;
constexpr std::int64_t kHour = 60 * kMinute;
constexpr std::int64_t kDay = 24 * kHour;
constexpr std::int64_t kWeek = 7 * kDay;
constexpr std::size_t kHeadFields = 5;
constexpr std::size_t kLegFields = 6;
constexpr std::size_t kMostLegs = 200;

// A field as the report shows it.
std::string Shown(std::string_view field) {
  return ShownField(field, 40);
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The value of the digits at text[at...], at most nine of them counted into it; at moves past
// all of them. Nothing when there is no digit.
std::optional<std::int64_t> ReadDigits(std::string_view text, std::size_t& at, std::size_t& count) {
  const std::size_t from = at;
  std::int64_t value = 0;
  while (at < text.size() && IsDigit(text[at])) {
    if (at - from < 9)
      value = value * 10 + (text[at] - '0');
    ++at;
  }
  count = at - from;
  return count == 0 ? std::nullopt : std::optional<std::int64_t>(value);
}

bool IsNumber(std::string_view field) {
  return !field.empty() && std::all_of(field.begin(), field.end(), IsDigit);
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

struct Time {
  std::int64_t Day = 0;  // 0 when it gives none
  std::int64_t Seconds = 0;
};

// The value of two digits at text[at]; -1 when either is not a digit.
int TwoDigits(std::string_view text, std::size_t at) {
  return IsDigit(text[at]) && IsDigit(text[at + 1]) ? (text[at] - '0') * 10 + (text[at + 1] - '0')
                                                    : -1;
}

// The time of the forms nearly every field has, hh:mm[:ss] with or without a day of one digit,
// read at once; nothing for any other text, and for values out of range.
std::optional<Time> ReadCommonTime(std::string_view text) {
  const bool withDay = text.size() > 2 && text[1] == '/' && IsDigit(text[0]);
  const std::string_view clock = withDay ? text.substr(2) : text;
  const bool withSeconds = clock.size() == 8 && clock[5] == ':';
  if ((clock.size() != 5 && !withSeconds) || clock[2] != ':')
    return std::nullopt;
  const int day = withDay ? text[0] - '0' : 0;
  const int hour = TwoDigits(clock, 0);
  const int minute = TwoDigits(clock, 3);
  const int second = withSeconds ? TwoDigits(clock, 6) : 0;
  if (day > 6 || hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59)
    return std::nullopt;
  return Time{day, hour * kHour + minute * kMinute + second};
}

// The time of a field `[d/]hh:mm[:ss]` (an arrival may start with "@" or "TNG"); otherwise the
// complaint about it, to follow the field's name.
std::optional<Time> ReadTime(std::string_view field, bool arrival, std::string& complaint) {
  std::string_view text = field;
  if (arrival && text.starts_with('@'))
    text.remove_prefix(1);
  else if (arrival && text.starts_with("TNG"))
    text.remove_prefix(3);
  if (const std::optional<Time> common = ReadCommonTime(text))
    return common;
  std::size_t at = 0;
  std::size_t count = 0;
  std::optional<std::int64_t> day;
  auto first = ReadDigits(text, at, count);
  if (first && at < text.size() && text[at] == '/') {
    day = count > 1 ? std::optional<std::int64_t>(99) : first;
    first = ReadDigits(text, ++at, count);
  }
  const bool hourRead = first && count <= 2 && at < text.size() && text[at] == ':';
  std::optional<std::int64_t> minutes;
  std::optional<std::int64_t> seconds = 0;
  if (hourRead)
    minutes = ReadDigits(text, ++at, count);
  bool wellFormed = hourRead && minutes && count == 2;
  if (wellFormed && at < text.size() && text[at] == ':') {
    seconds = ReadDigits(text, ++at, count);
    wellFormed = seconds && count == 2;
  }
  if (!wellFormed || at != text.size())
    complaint = Shown(field) + " is not a time of the form [d/]hh:mm[:ss]";
  else if (day && *day > 6)
    complaint = Shown(field) + " has a day outside 0 to 6";
  else if (*first > 23)
    complaint = Shown(field) + " has an hour over 23";
  else if (*minutes > 59)
    complaint = Shown(field) + " has minutes over 59";
  else if (*seconds > 59)
    complaint = Shown(field) + " has seconds over 59";
  else
    return Time{day.value_or(0), *first * kHour + *minutes * kMinute + *seconds};
  return std::nullopt;
}

// The fields of a line: the texts between its commas. The commas of 16 bytes are found at once.
void SplitFields(std::string_view line, std::vector<std::string_view>& fields) {
  fields.clear();
  const char* const begin = line.data();
  const std::size_t size = line.size();
  std::size_t start = 0;
  const auto add = [&](std::size_t comma) {
    fields.emplace_back(begin + start, comma - start);
    start = comma + 1;
  };
  std::size_t at = 0;
#ifdef FW_LINE_ENDS_SSE2
  const __m128i commas = _mm_set1_epi8(',');
  for (; size - at >= 16; at += 16) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(begin + at));
    for (auto mask = static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, commas)));
         mask != 0; mask &= mask - 1)
      add(at + static_cast<std::size_t>(std::countr_zero(mask)));
  }
#endif
  for (; at < size; ++at) {
    if (begin[at] == ',')
      add(at);
  }
  fields.emplace_back(begin + start, size - start);
}

// TrimSpaces, at the cost of two comparisons for a field without spaces around it.
std::string_view Trimmed(std::string_view field) {
  if (!field.empty() && field.front() != ' ' && field.back() != ' ')
    return field;
  return TrimSpaces(field);
}

std::string LegText(std::size_t leg) {
  return "leg " + std::to_string(leg + 1);
}

std::string PeriodText(std::int64_t period) {
  if (period == kWeek)
    return "one week";
  return period == kHour ? "one hour" : std::to_string(period / kHour) + " hours";
}

// Lays the times out (departure, arrival, ... of each leg, as seconds within the period) and
// reports a leg that arrives when it departs, and the first leg that runs past one period after
// the first departure when the legs are complete.
void CheckSchedule(std::span<const std::int64_t> times, std::int64_t period, bool complete,
                   ProblemList& problems) {
  std::int64_t running = 0;  // from the first departure
  bool overlapReported = !complete;
  for (std::size_t k = 1; k < times.size(); ++k) {
    // Both times lie within one period, so one wrap at most.
    const std::int64_t difference = times[k] - times[k - 1];
    const std::int64_t step = difference < 0 ? difference + period : difference;
    const std::size_t leg = k / 2;
    if (k % 2 == 1 && step == 0)
      problems.Add(Severity::Error, LegText(leg) + " arrives at the time it departs");
    running += step;
    if (running > period && !overlapReported) {
      overlapReported = true;
      problems.Add(Severity::Error, LegText(leg) + " ends more than " + PeriodText(period) +
                                        " after the first departure: the legs overlap");
    }
  }
}

}  // namespace

bool IsFlightRule(std::string_view field) {
  field = TrimSpaces(field);
  return EqualInAnyCase(field, "IFR") || EqualInAnyCase(field, "VFR");
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
  entry.Times.clear();
  const std::optional<std::int32_t> number = EntryNumber(line);
  if (!number) {
    problems.Add(Severity::Error, NoNumberText(line));
    return false;
  }
  entry.Number = *number;

  SplitFields(line, entry.Fields);
  const std::size_t fields = entry.Fields.size();
  const bool complete = fields > kHeadFields && (fields - kHeadFields) % kLegFields == 0;
  if (!complete) {
    problems.Add(Severity::Error, "legs incomplete: " + std::to_string(fields) +
                                      " fields are not 5 and then 6 for each leg");
  }
  std::size_t at = 0;
  // The next field without surrounding spaces; empty past the last.
  const auto next = [&] {
    const std::string_view field = at < fields ? entry.Fields[at] : std::string_view();
    ++at;
    return Trimmed(field);
  };
  (void)next();  // the number, read above
  (void)next();  // the registration: FlightPlanCopies follows it
  const std::string_view percentage = next();
  const std::string_view periodField = next();
  const std::string_view rule = next();
  if (fields >= 3 && !IsPercentage(percentage))
    problems.Add(Severity::Error, "percentage " + Shown(percentage) + " is not 0% to 100%");
  const std::optional<std::int64_t> period = PeriodSeconds(periodField);
  if (fields >= 4 && !period)
    problems.Add(Severity::Error, "period " + Shown(periodField) + " is not WEEK or 1HR to 24HR");
  if (fields >= 5 && !IsFlightRule(rule))
    problems.Add(Severity::Error, "flight rule " + Shown(rule) + " is not IFR or VFR");

  const std::size_t legs = fields > kHeadFields ? (fields - kHeadFields) / kLegFields : 0;
  bool timesRead = true;
  std::string complaint;
  for (std::size_t leg = 0; leg < legs; ++leg) {
    for (const bool arrival : {false, true}) {
      const std::optional<Time> time = ReadTime(next(), arrival, complaint);
      if (!time) {
        timesRead = false;
        problems.Add(
            Severity::Error,
            LegText(leg) + (arrival ? ": arrival time " : ": departure time ") + complaint);
      } else if (period) {
        const std::int64_t seconds =
            *period == kWeek ? time->Day * kDay + time->Seconds : time->Seconds % *period;
        entry.Times.push_back(seconds);
      }
    }
    if (const std::string_view level = next(); !IsNumber(level))
      problems.Add(Severity::Error,
                   LegText(leg) + ": flight level " + Shown(level) + " is not a number");
    (void)next();
    (void)next();
    entry.Destinations.push_back(next());
  }
  if (period && timesRead)
    CheckSchedule(entry.Times, *period, complete, problems);
  if (complete) {
    for (std::size_t leg = 0; leg < legs; ++leg) {
      const std::string_view from = entry.Destinations[leg == 0 ? legs - 1 : leg - 1];
      if (entry.Destinations[leg] == from) {
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
