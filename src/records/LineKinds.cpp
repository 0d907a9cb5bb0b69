#include "records/LineKinds.h"

#include <algorithm>

#include "records/AircraftNumber.h"
#include "records/Texts.h"

namespace fw {

std::optional<std::int32_t> SwitchedOffNumber(std::string_view line) {
  for (const std::string_view prefix : {std::string_view("//#"), std::string_view("//AC#")}) {
    if (line.starts_with(prefix)) {
      const std::string_view rest = line.substr(prefix.size());
      return ParseAircraftNumber(rest.substr(0, rest.find(',')));
    }
  }
  return std::nullopt;
}

std::string_view ShownDayLine(std::string_view line) {
  line.remove_prefix(std::min(line.size(), line.find_first_not_of(" \t")));
  return line.substr(std::min<std::size_t>(2, line.size()));
}

std::optional<std::string_view> DayLineValue(std::string_view line) {
  constexpr std::string_view kKey = "FSXDAYS=";
  if (GapLineKind(line) != GapLine::Comment)
    return std::nullopt;
  const std::string_view text = ShownDayLine(line);
  if (!EqualInAnyCase(text.substr(0, kKey.size()), kKey))
    return std::nullopt;
  return TrimSpaces(text.substr(kKey.size()));
}

}  // namespace fw
