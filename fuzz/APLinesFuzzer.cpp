// Any bytes read as an airport file: every non-empty line becomes one record, in file order,
// keyed by its first field without surrounding spaces.
#include <vector>

#include "FuzzCheck.h"
#include "ReferenceLines.h"
#include "records/RecordFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  using namespace fw::fuzz;
  const std::string_view bytes = AsText(data, size);
  std::vector<fw::APRecord> records{{"KXYZ", "KXYZ,earlier"}};
  fw::ParseAPLines(bytes, records);

  std::size_t expected = 1;
  for (const std::string_view line : ReferenceLines(bytes)) {
    if (line.empty())
      continue;
    FW_FUZZ_CHECK(expected < records.size());
    const fw::APRecord& record = records[expected];
    FW_FUZZ_CHECK(record.Line.data() == line.data() && record.Line.size() == line.size());
    FW_FUZZ_CHECK(record.APID == ReferenceTrimSpaces(ReferenceFirstField(line)));
    ++expected;
  }
  FW_FUZZ_CHECK(records.size() == expected);
  FW_FUZZ_CHECK(records.front().Line == "KXYZ,earlier");
  return 0;
}
