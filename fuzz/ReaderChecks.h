#pragma once

// What the fuzz targets of the readers check, kept apart so that the tests of large files can check
// the same for inputs too large to fuzz.

#include <string>
#include <string_view>
#include <vector>

#include "FuzzGaps.h"
#include "records/RecordFiles.h"

namespace fw::fuzz {

// Any bytes read as a flight-plan or aircraft file: every entry (switched-off ones included)
// becomes one record with the number a plain reading of its first field gives, every blank and
// comment line lands in the gap of its run, in file order, or the reading stops at the first entry
// without a number with a message that names its line; a byte-order mark is not read. Returns
// how the reading went.
inline fw::Result<void> CheckACNumLines(std::string_view bytes) {
  // A gap and a record of an earlier file, which reading must keep.
  constexpr std::string_view kEarlierGap = "//earlier";
  fw::ACNumRecordList list;
  list.Records = {{7, "AC#7,earlier"}};
  list.Gaps = {{kEarlierGap, 0, true}};
  const fw::Result<void> read = fw::ParseACNumLines(bytes, list, "fuzz.txt");
  FW_FUZZ_CHECK(list.Files.size() == 1 && list.Files[0].FirstRecord == 1 &&
                list.Files[0].FirstGap == 1 &&
                list.Files[0].ByteOrderMark == (WithoutMark(bytes).size() != bytes.size()));

  std::size_t expected = 1;
  std::size_t lineNumber = 0;
  std::vector<GapLine> gapLines{{0, kEarlierGap}};
  for (const std::string_view line : ReferenceLines(WithoutMark(bytes))) {
    ++lineNumber;
    const ReferenceKind kind = ReferenceKindOf(line);
    auto number = kind == ReferenceKind::Comment ? ReferenceSwitchedOff(line) : std::nullopt;
    if (kind != ReferenceKind::Entry && !number) {
      gapLines.push_back({expected, line});
      continue;
    }
    const std::string_view field = ReferenceFirstField(line);
    if (kind == ReferenceKind::Entry && field.size() > 3)
      number = ReferenceAircraftNumber(field.substr(3));
    if (!number) {
      FW_FUZZ_CHECK(!read.ok());
      FW_FUZZ_CHECK(read.error().Message.starts_with("line " + std::to_string(lineNumber) +
                                                     " of \"fuzz.txt\": "));
      // The records and gaps before the bad line stay appended.
      FW_FUZZ_CHECK(list.Records.size() == expected);
      CheckGaps(list.Gaps, gapLines);
      return read;
    }
    FW_FUZZ_CHECK(expected < list.Records.size());
    const fw::ACNumRecord& record = list.Records[expected];
    // The line is the file's own bytes, not a copy.
    FW_FUZZ_CHECK(record.Line.data() == line.data() && record.Line.size() == line.size());
    FW_FUZZ_CHECK(record.ACNum == *number);
    ++expected;
  }
  FW_FUZZ_CHECK(read.ok());
  FW_FUZZ_CHECK(list.Records.size() == expected);
  FW_FUZZ_CHECK(list.Records.front().Line == "AC#7,earlier");
  CheckGaps(list.Gaps, gapLines);
  return read;
}

// Any bytes read as an airport file: every entry becomes one record, in file order, keyed by its
// first field without surrounding spaces, and every blank and comment line lands in the gap of
// its run; a byte-order mark is not read.
inline void CheckAPLines(std::string_view bytes) {
  fw::APRecordList list;
  list.Records = {{"KXYZ", "KXYZ,earlier"}};
  fw::ParseAPLines(bytes, list);
  FW_FUZZ_CHECK(list.Files.size() == 1 &&
                list.Files[0].ByteOrderMark == (WithoutMark(bytes).size() != bytes.size()));

  std::size_t expected = 1;
  std::vector<GapLine> gapLines;
  for (const std::string_view line : ReferenceLines(WithoutMark(bytes))) {
    if (ReferenceKindOf(line) != ReferenceKind::Entry) {
      gapLines.push_back({expected, line});
      continue;
    }
    FW_FUZZ_CHECK(expected < list.Records.size());
    const fw::APRecord& record = list.Records[expected];
    FW_FUZZ_CHECK(record.Line.data() == line.data() && record.Line.size() == line.size());
    FW_FUZZ_CHECK(record.APID == ReferenceTrimSpaces(ReferenceFirstField(line)));
    ++expected;
  }
  FW_FUZZ_CHECK(list.Records.size() == expected);
  FW_FUZZ_CHECK(list.Records.front().Line == "KXYZ,earlier");
  CheckGaps(list.Gaps, gapLines);
}

}  // namespace fw::fuzz
