// The parsing of the two readers. A large file is parsed in two halves on two threads, split just
// after a line feed so that no line (and no CR LF pair) is cut; the halves' records are appended
// in file order and a failure is reported for the first bad line of the file, numbered as if one
// thread had read it all.
#include <algorithm>
#include <bit>
#include <thread>

#include "records/AircraftNumber.h"
#include "records/RecordFiles.h"
#include "records/Texts.h"

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define FW_HAVE_SSE2 1
#endif

namespace fw {
namespace {

// Below this size a file is not worth a second thread.
constexpr std::size_t kParallelBytes = std::size_t{4} << 20;

std::string_view FirstField(std::string_view line) {
  return line.substr(0, line.find(','));
}

// A field shown in a message, shortened so that a hostile line cannot flood the message box.
std::string Shown(std::string_view field) {
  constexpr std::size_t kMost = 60;
  if (field.size() <= kMost)
    return Quoted(field);
  return Quoted(std::string(field.substr(0, kMost)) + "...");
}

// The first CR or LF in [at, end), or end.
const char* FindLineEnd(const char* at, const char* end) {
#ifdef FW_HAVE_SSE2
  const __m128i cr = _mm_set1_epi8('\r');
  const __m128i lf = _mm_set1_epi8('\n');
  for (; end - at >= 16; at += 16) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
    const int found =
        _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(bytes, cr), _mm_cmpeq_epi8(bytes, lf)));
    if (found != 0)
      return at + std::countr_zero(static_cast<unsigned>(found));
  }
#endif
  while (at != end && *at != '\r' && *at != '\n')
    ++at;
  return at;
}

// Calls visit(line, lineNumber) for each non-empty line until it returns false. CR LF, a lone CR
// and a lone LF each end a line. Returns the number of lines seen, empty ones included.
template <typename Visit>
std::size_t ForEachLine(std::string_view bytes, Visit&& visit) {
  const char* at = bytes.data();
  const char* const end = at + bytes.size();
  std::size_t number = 0;
  while (at != end) {
    const char* lineEnd = FindLineEnd(at, end);
    ++number;
    if (lineEnd != at &&
        !visit(std::string_view(at, static_cast<std::size_t>(lineEnd - at)), number))
      return number;
    at = lineEnd;
    if (at != end)
      at += (*at == '\r' && at + 1 != end && at[1] == '\n') ? 2 : 1;
  }
  return number;
}

// How many records to make room for; a pass at memory speed.
std::size_t CountLineFeeds(std::string_view bytes) {
  std::size_t count = 0;
  const char* at = bytes.data();
  const char* const end = at + bytes.size();
#ifdef FW_HAVE_SSE2
  // Each byte lane counts up to 255 line feeds (a match is -1, subtracted); the lanes are then
  // summed and emptied.
  const __m128i lf = _mm_set1_epi8('\n');
  while (end - at >= 16) {
    __m128i lanes = _mm_setzero_si128();
    for (int round = 0; round < 255 && end - at >= 16; ++round, at += 16) {
      const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
      lanes = _mm_sub_epi8(lanes, _mm_cmpeq_epi8(chunk, lf));
    }
    const __m128i sums = _mm_sad_epu8(lanes, _mm_setzero_si128());
    count += static_cast<std::size_t>(_mm_cvtsi128_si32(sums)) +
             static_cast<std::size_t>(_mm_cvtsi128_si32(_mm_srli_si128(sums, 8)));
  }
#endif
  return count + static_cast<std::size_t>(std::count(at, end, '\n'));
}

// The records of one part of a file, and where its first bad line is, if any.
template <typename Record>
struct ParsedPart {
  std::vector<Record> Records;
  std::size_t Lines = 0;
  std::size_t BadLine = 0;  // 0: none
  std::string_view BadField;
};

ParsedPart<ACNumRecord> ParseACNumPart(std::string_view bytes) {
  ParsedPart<ACNumRecord> part;
  part.Records.reserve(CountLineFeeds(bytes) + 1);
  part.Lines = ForEachLine(bytes, [&part](std::string_view line, std::size_t number) {
    const std::string_view field = FirstField(line);
    const auto aircraftNumber =
        field.size() > 3 ? ParseAircraftNumber(field.substr(3)) : std::optional<std::int32_t>();
    if (!aircraftNumber) {
      part.BadLine = number;
      part.BadField = field;
      return false;
    }
    part.Records.push_back(ACNumRecord{*aircraftNumber, line});
    return true;
  });
  return part;
}

ParsedPart<APRecord> ParseAPPart(std::string_view bytes) {
  ParsedPart<APRecord> part;
  part.Records.reserve(CountLineFeeds(bytes) + 1);
  part.Lines = ForEachLine(bytes, [&part](std::string_view line, std::size_t) {
    part.Records.push_back(APRecord{TrimSpaces(FirstField(line)), line});
    return true;
  });
  return part;
}

// Parses bytes with parse, in two halves on two threads when it is large; the records are
// appended to records up to the first bad line. Returns that line's number and field, if any.
template <typename Record, typename Parse>
std::pair<std::size_t, std::string_view> ParseInto(std::string_view bytes,
                                                   std::vector<Record>& records, Parse parse) {
  std::size_t split = bytes.size();
  if (bytes.size() >= kParallelBytes && std::thread::hardware_concurrency() > 1) {
    const std::size_t lineFeed = bytes.find('\n', bytes.size() / 2);
    if (lineFeed != std::string_view::npos)
      split = lineFeed + 1;
  }
  ParsedPart<Record> first;
  ParsedPart<Record> second;
  if (split == bytes.size()) {
    first = parse(bytes);
  } else {
    std::thread firstHalf;
    try {
      firstHalf = std::thread([&] { first = parse(bytes.substr(0, split)); });
    } catch (const std::system_error&) {
      first = parse(bytes.substr(0, split));
    }
    second = parse(bytes.substr(split));
    if (firstHalf.joinable())
      firstHalf.join();
  }
  const bool secondCounts = first.BadLine == 0;
  records.reserve(records.size() + first.Records.size() +
                  (secondCounts ? second.Records.size() : 0));
  records.insert(records.end(), first.Records.begin(), first.Records.end());
  if (!secondCounts)
    return {first.BadLine, first.BadField};
  records.insert(records.end(), second.Records.begin(), second.Records.end());
  if (second.BadLine != 0)
    return {first.Lines + second.BadLine, second.BadField};
  return {0, {}};
}

}  // namespace

Result<void> ParseACNumLines(std::string_view bytes, std::vector<ACNumRecord>& records,
                             std::string_view fileName) {
  const auto [badLine, field] = ParseInto(bytes, records, ParseACNumPart);
  if (badLine == 0)
    return {};
  return FormatError("line " + std::to_string(badLine) + " of " + Quoted(fileName) + ": " +
                     Shown(field) + " has no aircraft number");
}

void ParseAPLines(std::string_view bytes, std::vector<APRecord>& records) {
  (void)ParseInto(bytes, records, ParseAPPart);
}

}  // namespace fw
