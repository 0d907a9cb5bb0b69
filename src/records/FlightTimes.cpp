#include "records/FlightTimes.h"

namespace fw {

std::optional<std::int64_t> ReadDigits(std::string_view text, std::size_t& at, std::size_t& count) {
  const std::size_t from = at;
  std::int64_t value = 0;
  while (at < text.size() && text[at] >= '0' && text[at] <= '9') {
    if (at - from < 9)
      value = value * 10 + (text[at] - '0');
    ++at;
  }
  count = at - from;
  return count == 0 ? std::nullopt : std::optional<std::int64_t>(value);
}

OtherTime ReadOtherTime(std::string_view text) {
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
    return {kUnread, TimeFault::Form};
  if (day && *day > 6)
    return {kUnread, TimeFault::Day};
  if (*first > 23)
    return {kUnread, TimeFault::Hour};
  if (*minutes > 59)
    return {kUnread, TimeFault::Minutes};
  if (*seconds > 59)
    return {kUnread, TimeFault::Seconds};
  return {day.value_or(0) * kDay + *first * kHour + *minutes * kMinute + *seconds};
}

}  // namespace fw
