// Any bytes read as an airport file: every entry becomes one record, in file order, keyed by its
// first field without surrounding spaces, and every blank and comment line lands in the gap of
// its run; a byte-order mark is not read.
#include <vector>

#include "FuzzGaps.h"
#include "records/RecordFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  using namespace fw::fuzz;
  const std::string_view bytes = AsText(data, size);
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
  return 0;
}
