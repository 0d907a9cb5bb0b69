#include "records/AircraftNumber.h"

#include "records/Texts.h"

namespace fw {

std::optional<std::int32_t> ParseAircraftNumber(std::string_view text) {
  text = TrimSpaces(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty())
    return std::nullopt;
  constexpr std::int64_t kLimit = std::int64_t{1} << 31;  // one past INT32_MAX, INT32_MIN's size
  std::int64_t value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9')
      return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > kLimit)
      return std::nullopt;
  }
  if (!negative && value == kLimit)
    return std::nullopt;
  return static_cast<std::int32_t>(negative ? -value : value);
}

}  // namespace fw
