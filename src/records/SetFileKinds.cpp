#include "records/SetFileKinds.h"

#include "records/FlightPlanChecks.h"
#include "records/LineKinds.h"
#include "records/LineSplitter.h"

namespace fw {
namespace {

// The entries looked at to tell a file's kind: enough to outvote a few odd lines.
constexpr std::size_t kKindSample = 100;

// The fifth field of a line.
std::string_view FifthField(std::string_view line) {
  for (int k = 0; k < 4; ++k) {
    const std::size_t comma = line.find(',');
    if (comma == std::string_view::npos)
      return {};
    line.remove_prefix(comma + 1);
  }
  return line.substr(0, line.find(','));
}

}  // namespace

SetFileKind SetFileKindOf(std::string_view bytes) {
  std::size_t entries = 0;
  std::size_t numbered = 0;
  std::size_t planned = 0;
  ForEachLine(bytes, [&](std::string_view line, std::size_t) {
    if (!IsEntryLine(line))
      return true;
    ++entries;
    if (line.starts_with("AC#")) {
      ++numbered;
      planned += IsFlightRule(FifthField(line)) ? 1 : 0;
    }
    return entries < kKindSample;
  });
  if (entries == 0)
    return SetFileKind::Empty;
  if (numbered * 2 <= entries)
    return SetFileKind::Airports;
  return planned > 0 ? SetFileKind::FlightPlans : SetFileKind::Aircraft;
}

}  // namespace fw
