// Any bytes read as a code table: one entry per non-blank line, or a failure that names the first
// line without a name; fields of lines without quotes are the blank-trimmed text around the first
// comma; a lookup gives the name of the first entry of its code.
#include <cstring>
#include <vector>

#include "FuzzCheck.h"
#include "ReferenceLines.h"
#include "worldai/CodeTables.h"

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back()))
    text.remove_suffix(1);
  return text;
}

bool IsBlankLine(std::string_view line) {
  return TrimBlanks(line).empty();
}

bool Inside(std::string_view part, const fw::ByteBuffer& storage) {
  const char* begin = storage.data();
  return part.empty() ||
         (part.data() >= begin && part.data() + part.size() <= begin + storage.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  using namespace fw::fuzz;
  const std::string_view bytes = AsText(data, size);
  fw::ByteBuffer buffer(size);
  if (size != 0)
    std::memcpy(buffer.data(), data, size);
  const fw::Result<fw::CodeTable> table = fw::ParseCodeTable(std::move(buffer), "fuzz.txt");

  std::vector<std::string_view> entries;  // the non-blank lines
  std::size_t lineNumber = 0;
  for (const std::string_view line : ReferenceLines(bytes)) {
    ++lineNumber;
    if (IsBlankLine(line))
      continue;
    const bool quoted = line.find('"') != std::string_view::npos;
    const std::size_t comma = line.find(',');
    if (comma == std::string_view::npos) {
      // No second field, whatever the quotes do; unless an earlier quoted line failed already.
      FW_FUZZ_CHECK(!table.ok());
      FW_FUZZ_CHECK(table.error().Message.ends_with("has no name"));
      return 0;
    }
    if (!quoted)
      entries.push_back(line);
    else
      entries.push_back({});  // read as the field reader decides; checked below only loosely
  }
  if (!table.ok()) {
    // Only a quoted line can hide its comma inside quotes and so lack a name.
    FW_FUZZ_CHECK(bytes.find('"') != std::string_view::npos);
    FW_FUZZ_CHECK(table.error().Message.ends_with("has no name"));
    return 0;
  }

  const fw::CodeTable& codes = table.value();
  FW_FUZZ_CHECK(codes.Records.size() == entries.size());
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const fw::CodeRecord& record = codes.Records[i];
    FW_FUZZ_CHECK(Inside(record.Code, codes.Storage) && Inside(record.Name, codes.Storage));
    if (entries[i].data() == nullptr)
      continue;
    const std::string_view line = entries[i];
    const std::size_t comma = line.find(',');
    const std::string_view afterComma = line.substr(comma + 1);
    FW_FUZZ_CHECK(record.Code == TrimBlanks(line.substr(0, comma)));
    FW_FUZZ_CHECK(record.Name == TrimBlanks(afterComma.substr(0, afterComma.find(','))));
  }
  for (const fw::CodeRecord& record : codes.Records) {
    std::string_view first;
    for (const fw::CodeRecord& other : codes.Records) {
      if (other.Code == record.Code) {
        first = other.Name;
        break;
      }
    }
    FW_FUZZ_CHECK(fw::LookupAircraftCode(record.Code, codes) == first);
    FW_FUZZ_CHECK(fw::LookupAirlineCode(record.Code, codes) == first);
  }
  const std::string_view absent = "\x01 no such code \x02";
  bool present = false;
  for (const fw::CodeRecord& record : codes.Records)
    present = present || record.Code == absent;
  if (!present)
    FW_FUZZ_CHECK(fw::LookupAircraftCode(absent, codes) == absent);
  return 0;
}
