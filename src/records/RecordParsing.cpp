// The parsing of the two readers. A large file is parsed in two halves on two threads, split just
// after a line feed so that no line (and no CR LF pair) is cut; the halves' records and gaps are
// appended in file order and a failure is reported for the first bad line of the file, numbered
// as if one thread had read it all (blank and comment lines counted).
#include <algorithm>
#include <cstdint>
#include <optional>
#include <thread>

#include "platform/WorkBeside.h"
#include "records/AircraftNumber.h"
#include "records/LineKinds.h"
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

// How much of a field a message shows.
constexpr std::size_t kShownBytes = 60;

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

// Where a part of a file (which ends at End) puts what it reads: records, and gaps from
// FirstGap on (earlier gaps belong to other parts).
template <typename Record>
struct PartOutput {
  std::vector<Record>& Records;
  std::vector<Gap>& Gaps;
  std::size_t FirstGap;
  const char* End;

  // Adds a blank or comment line with its line end to the gap it continues, or starts one.
  void AddGapLine(std::string_view line, bool comment) {
    const char* after = line.data() + line.size();
    if (after != End)
      after += (*after == '\r' && after + 1 != End && after[1] == '\n') ? 2 : 1;
    if (Gaps.size() > FirstGap && Gaps.back().Before == Records.size()) {
      Gap& gap = Gaps.back();
      gap.Lines =
          std::string_view(gap.Lines.data(), static_cast<std::size_t>(after - gap.Lines.data()));
      gap.Comments = gap.Comments || comment;
    } else {
      Gaps.push_back(
          Gap{std::string_view(line.data(), static_cast<std::size_t>(after - line.data())),
              Records.size(), comment});
    }
  }
};

ParsedPart ParseACNumPart(std::string_view bytes, PartOutput<ACNumRecord> out) {
  ParsedPart part;
  part.Lines = ForEachLine(bytes, [&](std::string_view line, std::size_t number) {
    std::optional<std::int32_t> aircraftNumber;
    if (MayBeGapLine(line)) {
      const GapLine kind = GapLineKind(line);
      if (kind == GapLine::Comment)
        aircraftNumber = SwitchedOffNumber(line);
      if (kind != GapLine::No && !aircraftNumber) {
        out.AddGapLine(line, kind == GapLine::Comment);
        return true;
      }
    }
    if (!aircraftNumber)
      aircraftNumber = LineAircraftNumber(line);
    if (!aircraftNumber || line.size() > PackedLine::kMostBytes) {
      part.BadLine = number;
      part.BadField = FirstField(line);
      part.TooLong = aircraftNumber.has_value();
      return false;
    }
    out.Records.push_back(ACNumRecord{*aircraftNumber, line});
    return true;
  });
  return part;
}

ParsedPart ParseAPPart(std::string_view bytes, PartOutput<APRecord> out) {
  ParsedPart part;
  part.Lines = ForEachLine(bytes, [&out](std::string_view line, std::size_t) {
    if (MayBeGapLine(line)) {
      if (const GapLine kind = GapLineKind(line); kind != GapLine::No) {
        out.AddGapLine(line, kind == GapLine::Comment);
        return true;
      }
    }
    out.Records.push_back(APRecord{TrimSpaces(FirstField(line)), line});
    return true;
  });
  return part;
}

// Parses one file's bytes into list with parse, in two halves on two threads when it is large,
// after noting where the file starts and whether it opens with a byte-order mark. Records and
// gaps are appended up to the first bad line. Returns how the whole parsed: its first bad line,
// numbered from the start of the file, if any.
template <typename Record, typename Parse>
ParsedPart ParseInto(std::string_view bytes, RecordList<Record>& list, Parse parse) {
  const bool mark = bytes.starts_with(kByteOrderMark);
  list.Files.push_back(ListedFile{list.Records.size(), list.Gaps.size(), mark});
  if (mark)
    bytes.remove_prefix(kByteOrderMark.size());
  std::size_t split = bytes.size();
  if (bytes.size() >= kParallelBytes && std::thread::hardware_concurrency() > 1) {
    const std::size_t lineFeed = bytes.find('\n', bytes.size() / 2);
    if (lineFeed != std::string_view::npos)
      split = lineFeed + 1;
  }
  std::vector<Record>& records = list.Records;
  MakeRoom(records, ExpectedLines(bytes));
  // The first half goes straight into the list, the second into lists of its own, appended.
  ParsedPart first;
  ParsedPart second;
  std::vector<Record> secondRecords;
  std::vector<Gap> secondGaps;
  // Declared before the work that reads it, so that it outlives the work.
  const std::string_view secondBytes = bytes.substr(split);
  if (!secondBytes.empty())
    secondRecords.reserve(ExpectedLines(secondBytes));
  {
    const WorkBeside secondHalf(
        [&] {
          second = parse(secondBytes, PartOutput<Record>{secondRecords, secondGaps, 0,
                                                         secondBytes.data() + secondBytes.size()});
        },
        !secondBytes.empty());
    const std::string_view firstBytes = bytes.substr(0, split);
    first = parse(firstBytes, PartOutput<Record>{records, list.Gaps, list.Gaps.size(),
                                                 firstBytes.data() + firstBytes.size()});
  }
  if (first.BadLine != 0)
    return first;
  for (Gap& gap : secondGaps)
    gap.Before += records.size();
  list.Gaps.insert(list.Gaps.end(), secondGaps.begin(), secondGaps.end());
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

Result<void> ParseACNumLines(std::string_view bytes, ACNumRecordList& list,
                             std::string_view fileName) {
  const ParsedPart parsed = ParseInto(bytes, list, ParseACNumPart);
  if (parsed.BadLine == 0)
    return {};
  const std::string where = "line " + std::to_string(parsed.BadLine) + " of " + Quoted(fileName);
  if (parsed.TooLong)
    return FormatError(where + " is longer than 4 GiB");
  return FormatError(where + ": " + ShownField(parsed.BadField, kShownBytes) +
                     " has no aircraft number");
}

void ParseAPLines(std::string_view bytes, APRecordList& list) {
  (void)ParseInto(bytes, list, ParseAPPart);
}

}  // namespace fw
