#include "records/FlightPlanPart.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>

#include "records/LineKinds.h"
#include "records/LineSplitter.h"

namespace fw {
namespace {

// Below this size a flight-plan file is not worth a second thread.
constexpr std::size_t kParallelBytes = std::size_t{1} << 20;
// The bytes of a part copied out at a time, to be read while they are held in the cache (64 KiB
// and 1 MiB did as well).
constexpr std::size_t kPieceBytes = std::size_t{256} << 10;
// Every line end of a part but its last lies within this many bytes of its start.
constexpr std::size_t kMostPartBytes = std::size_t{1} << 31;

// Where the line that goes on at bytes[at] ends, past its line end; the end of bytes for the last.
std::size_t AfterLineEnd(std::string_view bytes, std::size_t at) {
  const auto end = std::find_if(bytes.begin() + static_cast<std::ptrdiff_t>(at), bytes.end(),
                                [](char c) { return c == '\r' || c == '\n'; });
  if (end == bytes.end())
    return bytes.size();
  const auto after = static_cast<std::size_t>(end - bytes.begin()) + 1;
  return *end == '\r' && after < bytes.size() && bytes[after] == '\n' ? after + 1 : after;
}

}  // namespace

std::vector<std::string_view> SplitIntoParts(std::string_view bytes) {
  if (bytes.size() < kParallelBytes)
    return {bytes};
  const std::size_t count = std::max<std::size_t>(2, bytes.size() / kMostPartBytes + 1);
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (std::size_t k = 1; k <= count && start < bytes.size(); ++k) {
    const std::size_t end =
        k == count ? bytes.size() : AfterLineEnd(bytes, std::max(start, bytes.size() / count * k));
    parts.push_back(bytes.substr(start, end - start));
    start = end;
  }
  return parts;
}

std::size_t FlightPlanPart::CheckLines(const ByteBuffer* source, std::size_t expectedLines) {
  const std::string_view text = Text;
  // Each follower takes about half of the entries.
  for (auto& entries : ToFollow)
    entries.reserve(expectedLines / 2);
  std::size_t lines = 0;
  if (source != nullptr && source->CanCopyOut()) {
    const auto at = static_cast<std::size_t>(text.data() - source->data());
    lines = ForEachCopiedLine(
        text, kPieceBytes,
        [&](std::size_t offset, char* to, std::size_t size) {
          if (!source->CopyOut(at + offset, to, size))
            std::memcpy(to, text.data() + offset, size);
        },
        [&](std::string_view line, std::size_t number, const char* from) {
          Check(line, number, from);
        },
        [&] { Finish(); });
  } else {
    lines = ForEachLine(text, [&](std::string_view line, std::size_t number) {
      Check(line, number, line.data());
      return true;
    });
  }
  Finish();
  return lines;
}

void FlightPlanPart::Check(std::string_view line, std::uint64_t number, const char* from) {
  Problems.Line = number;
  if (MayBeGapLine(line)) {
    if (const GapLine gap = GapLineKind(line); gap != GapLine::No) {
      if (gap == GapLine::Comment) {
        ++Comments;
        if (DayLine.Line == 0 && DayLineValue(line)) {
          DayLine = LinePlace{Problems.File, number};
          DayText = std::string_view(from, line.size());
        }
      }
      return;
    }
  }
  ++Entries;
  // The set's tables are asked about an entry only after the next entry's own checks, so that
  // what they look at is fetched from memory meanwhile.
  FlightPlanEntry& entry = m_entries[m_current];
  const bool numbered = CheckFlightPlanEntry(line, entry, Problems);
  // The checks read the registration, unless they stopped at the aircraft number.
  const FlightPlanCopies::Key key =
      numbered ? FlightPlanCopies::KeyFrom(entry.Registration) : FlightPlanCopies::KeyOf(line);
  ToFollow[FlightPlanCopies::HalfOf(key.Hash)].push_back(
      FlightPlanCopies::Entry{static_cast<std::uint32_t>(from - Text.data()),
                              static_cast<std::uint32_t>(number), key.Hash});
  if (numbered) {
    Numbers.Fetch(entry.Number);
    if (m_tables.Airports != nullptr) {
      for (const std::string_view airport : entry.Destinations)
        m_tables.Airports->Fetch(airport);
    }
  }
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
  // Each airport missing is reported once a line, in the order of the legs.
  m_missing.clear();
  for (std::size_t leg = 0; leg < entry.Destinations.size(); ++leg) {
    if (!m_tables.Airports->Contains(entry.Destinations[leg]))
      m_missing.emplace_back(entry.Destinations[leg], leg);
  }
  if (m_missing.size() > 1) {
    const auto byAirport = [](const auto& a, const auto& b) { return a.first < b.first; };
    std::stable_sort(m_missing.begin(), m_missing.end(), byAirport);
    m_missing.erase(std::unique(m_missing.begin(), m_missing.end(),
                                [](const auto& a, const auto& b) { return a.first == b.first; }),
                    m_missing.end());
    std::sort(m_missing.begin(), m_missing.end(),
              [](const auto& a, const auto& b) { return a.second < b.second; });
  }
  for (const auto& [airport, leg] : m_missing)
    Problems.Add(Severity::Error, "airport " + Quoted(airport) + " is in no airport file");
}

}  // namespace fw
