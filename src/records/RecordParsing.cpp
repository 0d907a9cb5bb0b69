// The parsing of the two readers. A large file is parsed in two halves on two threads, split just
// after a line feed so that no line (and no CR LF pair) is cut; the halves' records are appended
// in file order and a failure is reported for the first bad line of the file, numbered as if one
// thread had read it all.
#include <algorithm>
#include <cstdint>
#include <optional>
#include <thread>

#include "platform/WorkBeside.h"
#include "records/AircraftNumber.h"
#include "records/LineSplitter.h"
#include "records/RecordFiles.h"
#include "records/Texts.h"

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

// As ForEachLine, for the non-empty lines only.
template <typename Visit>
std::size_t ForEachNonEmptyLine(std::string_view bytes, Visit&& visit) {
  return ForEachLine(bytes, [&visit](std::string_view line, std::size_t number) {
    return line.empty() || visit(line, number);
  });
}

// Reserves room for more records; the list at least doubles, so that the files of a merge, each
// making room for its own lines, cost no more copying in all than one list growing by itself.
template <typename Record>
void MakeRoom(std::vector<Record>& records, std::size_t more) {
  const std::size_t needed = records.size() + more;
  if (needed > records.capacity())
    records.reserve(std::max(needed, 2 * records.capacity()));
}

// How a part of a file parsed: the lines seen, and where its first bad line is, if any.
struct ParsedPart {
  std::size_t Lines = 0;
  std::size_t BadLine = 0;  // 0: none
  std::string_view BadField;
  bool TooLong = false;  // the bad line is too long to keep, whatever its number
};

// The aircraft number of a line, read straight when the first field is the usual three
// characters and one to nine digits, else by the general rule.
std::optional<std::int32_t> LineAircraftNumber(std::string_view line) {
  constexpr std::size_t kPrefix = 3;
  constexpr std::size_t kMostDigits = 9;  // any nine digits fit 32 bits
  if (line.size() > kPrefix && line[0] != ',' && line[1] != ',' && line[2] != ',') {
    std::int32_t value = 0;
    std::size_t at = kPrefix;
    // A tenth digit is then neither the line's end nor a comma, and takes the general rule.
    const std::size_t stop = std::min(line.size(), kPrefix + kMostDigits);
    while (at < stop && line[at] >= '0' && line[at] <= '9')
      value = value * 10 + (line[at++] - '0');
    if (at > kPrefix && (at == line.size() || line[at] == ','))
      return value;
  }
  const std::string_view field = FirstField(line);
  return field.size() > kPrefix ? ParseAircraftNumber(field.substr(kPrefix))
                                : std::optional<std::int32_t>();
}

ParsedPart ParseACNumPart(std::string_view bytes, std::vector<ACNumRecord>& records) {
  ParsedPart part;
  part.Lines = ForEachNonEmptyLine(bytes, [&](std::string_view line, std::size_t number) {
    const auto aircraftNumber = LineAircraftNumber(line);
    if (!aircraftNumber || line.size() > PackedLine::kMostBytes) {
      part.BadLine = number;
      part.BadField = FirstField(line);
      part.TooLong = aircraftNumber.has_value();
      return false;
    }
    records.push_back(ACNumRecord{*aircraftNumber, line});
    return true;
  });
  return part;
}

ParsedPart ParseAPPart(std::string_view bytes, std::vector<APRecord>& records) {
  ParsedPart part;
  part.Lines = ForEachNonEmptyLine(bytes, [&records](std::string_view line, std::size_t) {
    records.push_back(APRecord{TrimSpaces(FirstField(line)), line});
    return true;
  });
  return part;
}

// Parses bytes with parse, in two halves on two threads when it is large; the records are
// appended to records up to the first bad line. Returns how the whole parsed: its first bad
// line, numbered from the start of bytes, if any.
template <typename Record, typename Parse>
ParsedPart ParseInto(std::string_view bytes, std::vector<Record>& records, Parse parse) {
  std::size_t split = bytes.size();
  if (bytes.size() >= kParallelBytes && std::thread::hardware_concurrency() > 1) {
    const std::size_t lineFeed = bytes.find('\n', bytes.size() / 2);
    if (lineFeed != std::string_view::npos)
      split = lineFeed + 1;
  }
  MakeRoom(records, ExpectedLines(bytes));
  // The first half goes straight into the list, the second into a list of its own, appended.
  ParsedPart first;
  ParsedPart second;
  std::vector<Record> secondRecords;
  // Declared before the work that reads it, so that it outlives the work.
  const std::string_view secondBytes = bytes.substr(split);
  if (!secondBytes.empty())
    secondRecords.reserve(ExpectedLines(secondBytes));
  {
    const WorkBeside secondHalf([&] { second = parse(secondBytes, secondRecords); },
                                !secondBytes.empty());
    first = parse(bytes.substr(0, split), records);
  }
  if (first.BadLine != 0)
    return first;
  MakeRoom(records, secondRecords.size());
  records.insert(records.end(), secondRecords.begin(), secondRecords.end());
  if (second.BadLine != 0)
    second.BadLine += first.Lines;
  second.Lines += first.Lines;
  return second;
}

}  // namespace

// The file's size over the mean length of the lines in its first stretch. A guess that is too
// small only costs the list a regrowth.
std::size_t ExpectedLines(std::string_view bytes) {
  constexpr std::size_t kSample = 256 << 10;
  const std::string_view sample = bytes.substr(0, kSample);
  const auto lineEnds = static_cast<std::size_t>(std::count(sample.begin(), sample.end(), '\n'));
  if (sample.size() == bytes.size() || lineEnds == 0)
    return lineEnds + 1;
  return bytes.size() / (sample.size() / lineEnds) / 8 * 9 + 16;
}

Result<void> ParseACNumLines(std::string_view bytes, std::vector<ACNumRecord>& records,
                             std::string_view fileName) {
  const ParsedPart parsed = ParseInto(bytes, records, ParseACNumPart);
  if (parsed.BadLine == 0)
    return {};
  const std::string where = "line " + std::to_string(parsed.BadLine) + " of " + Quoted(fileName);
  if (parsed.TooLong)
    return FormatError(where + " is longer than 4 GiB");
  return FormatError(where + ": " + Shown(parsed.BadField) + " has no aircraft number");
}

void ParseAPLines(std::string_view bytes, std::vector<APRecord>& records) {
  (void)ParseInto(bytes, records, ParseAPPart);
}

}  // namespace fw
