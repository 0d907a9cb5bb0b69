// Any bytes read as a flight-plan or aircraft file: every non-empty line becomes one record with
// the number a plain reading of its first field gives, in file order, or the reading stops at the
// first line without a number with a message that names it.
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "ReferenceLines.h"
#include "records/RecordFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  using namespace fw::fuzz;
  const std::string_view bytes = AsText(data, size);
  // A record of an earlier file, which reading must keep.
  std::vector<fw::ACNumRecord> records{{7, "AC#7,earlier"}};
  const fw::Result<void> read = fw::ParseACNumLines(bytes, records, "fuzz.txt");

  std::size_t expected = 1;
  std::size_t lineNumber = 0;
  for (const std::string_view line : ReferenceLines(bytes)) {
    ++lineNumber;
    if (line.empty())
      continue;
    const std::string_view field = ReferenceFirstField(line);
    const auto number =
        field.size() > 3 ? ReferenceAircraftNumber(field.substr(3)) : std::optional<std::int32_t>();
    if (!number) {
      FW_FUZZ_CHECK(!read.ok());
      FW_FUZZ_CHECK(read.error().Message.starts_with("line " + std::to_string(lineNumber) +
                                                     " of \"fuzz.txt\": "));
      // The records before the bad line stay appended.
      FW_FUZZ_CHECK(records.size() == expected);
      return 0;
    }
    FW_FUZZ_CHECK(expected < records.size());
    const fw::ACNumRecord& record = records[expected];
    // The line is the file's own bytes, not a copy.
    FW_FUZZ_CHECK(record.Line.data() == line.data() && record.Line.size() == line.size());
    FW_FUZZ_CHECK(record.ACNum == *number);
    ++expected;
  }
  FW_FUZZ_CHECK(read.ok());
  FW_FUZZ_CHECK(records.size() == expected);
  FW_FUZZ_CHECK(records.front().Line == "AC#7,earlier");
  return 0;
}
