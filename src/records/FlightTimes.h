#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace fw {

constexpr std::int64_t kMinute = 60;
constexpr std::int64_t kHour = 60 * kMinute;
constexpr std::int64_t kDay = 24 * kHour;
constexpr std::int64_t kWeek = 7 * kDay;

// A time as seconds from midnight of day 0 (day × a day + time of day); kUnread when unreadable.
constexpr std::int64_t kUnread = -1;

// The count bytes at at, the first the lowest: one load where the machine allows.
template <std::size_t count>
std::uint64_t LoadBytes(const char* at) {
  std::uint64_t v = 0;
  for (std::size_t k = 0; k < count; ++k)
    v |= std::uint64_t{static_cast<unsigned char>(at[k])} << (8 * k);
  return v;
}

// The bytes of a short text as LoadBytes gives them.
template <std::size_t count>
constexpr std::uint64_t BytesOf(const char (&text)[count + 1]) {
  std::uint64_t v = 0;
  for (std::size_t k = 0; k < count; ++k)
    v |= std::uint64_t{static_cast<unsigned char>(text[k])} << (8 * k);
  return v;
}

// The seconds of the clock hh:mm:ss in the eight bytes of v, the first the lowest; kUnread when
// v holds no such clock or its values are out of range. All its bytes are checked at once.
inline std::int64_t ClockSeconds(std::uint64_t v) {
  constexpr std::uint64_t kColons = 0x0000'FF00'00FF'0000;
  constexpr std::uint64_t kZeros = 0x3030'0030'3000'3030;  // '0' where the digits go
  constexpr std::uint64_t kHighs = 0xF0F0'00F0'F000'F0F0;
  const std::uint64_t digits = (v & ~kColons) ^ kZeros;  // a digit's value, or more than 9
  if ((v & kColons) != 0x0000'3A00'003A'0000 ||
      ((digits | (digits + 0x0606'0006'0600'0606)) & kHighs) != 0)
    return kUnread;
  // Each byte holds the two digits from it on: the hour, the minutes and the seconds in 0, 3, 6.
  const std::uint64_t pairs = digits * 10 + (digits >> 8);
  const std::int64_t hour = static_cast<std::int64_t>(pairs & 0xFF);
  const std::int64_t minute = static_cast<std::int64_t>((pairs >> 24) & 0xFF);
  const std::int64_t second = static_cast<std::int64_t>((pairs >> 48) & 0xFF);
  if (hour > 23 || minute > 59 || second > 59)
    return kUnread;
  return hour * kHour + minute * kMinute + second;
}

// The time of the forms nearly every field has, hh:mm[:ss] with or without a day of one digit,
// read at once; kUnread for any other text, and for values out of range. Inline, as it is asked
// of two fields of every leg.
inline std::int64_t ReadCommonTime(std::string_view text) {
  std::int64_t day = 0;
  if (text.size() == 7 || text.size() == 10) {
    day = text[0] - '0';
    if (text[1] != '/' || day < 0 || day > 6)
      return kUnread;
    text.remove_prefix(2);
  }
  if (text.size() != 5 && text.size() != 8)
    return kUnread;
  // hh:mm is read as hh:mm:00.
  const std::uint64_t v = text.size() == 8 ? LoadBytes<8>(text.data())
                                           : LoadBytes<5>(text.data()) | 0x3030'3A00'0000'0000;
  const std::int64_t clock = ClockSeconds(v);
  return clock == kUnread ? kUnread : day * kDay + clock;
}

// What keeps a text from being a time, the first that applies.
enum class TimeFault { None, Form, Day, Hour, Minutes, Seconds };

struct OtherTime {
  std::int64_t Seconds = kUnread;
  TimeFault Fault = TimeFault::None;
};

// The time of a text `[d/]hh:mm[:ss]` of any other form than ReadCommonTime's (an hour of one
// digit, say); kUnread and the fault when it is none or out of range.
OtherTime ReadOtherTime(std::string_view text);

// The value of the digits at text[at...], at most nine of them counted into it; at moves past
// all of them and count tells how many. Nothing when there is no digit.
std::optional<std::int64_t> ReadDigits(std::string_view text, std::size_t& at, std::size_t& count);

}  // namespace fw
