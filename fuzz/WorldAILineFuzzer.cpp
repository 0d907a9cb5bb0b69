// Any text converted as a World AI line: the result is what a plain reading of the line's pieces
// gives, or a failure that leaves the output as it was.
#include <cstring>
#include <string>

#include "FuzzCheck.h"
#include "ReferenceLines.h"
#include "records/Texts.h"
#include "worldai/WorldAIConversion.h"

namespace {

fw::CodeTable Table(std::string_view text) {
  fw::ByteBuffer bytes(text.size());
  std::memcpy(bytes.data(), text.data(), text.size());
  auto table = fw::ParseCodeTable(std::move(bytes), "table");
  if (!table)
    std::abort();
  return std::move(table).value();
}

std::string_view Lookup(std::string_view code, std::string_view knownCode, std::string_view name) {
  return code == knownCode ? name : code;
}

bool IsMarker(std::string_view three) {
  return (three[0] == 'a' || three[0] == 'A') && (three[1] == 'i' || three[1] == 'I') &&
         three[2] == ' ';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  using namespace fw::fuzz;
  static const fw::CodeTable aircraft = Table("AB1,Alpha One\r\n");
  static const fw::CodeTable airline = Table("QQQ,Quebec Air\r\n");
  const std::string_view line = fw::TrimSpaces(AsText(data, size));
  const std::string before = "AC#0,earlier\"\r\n";
  std::string output = before;
  const fw::Result<void> converted = fw::ConvertWorldAILine(line, aircraft, airline, output);

  std::size_t marker = std::string_view::npos;
  for (std::size_t at = 0; at + 3 <= line.size(); ++at) {
    if (IsMarker(line.substr(at, 3))) {
      marker = at;
      break;
    }
  }
  if (marker == std::string_view::npos || line.size() - (marker + 3) < 5) {
    FW_FUZZ_CHECK(!converted.ok());
    FW_FUZZ_CHECK(!converted.error().Message.empty());
    FW_FUZZ_CHECK(output == before);
    return 0;
  }
  FW_FUZZ_CHECK(converted.ok());
  const std::string_view rest = line.substr(marker + 3);
  const std::string_view airlineCode = ReferenceTrimSpaces(rest.substr(0, rest.size() - 5));
  const std::string_view aircraftCode = ReferenceTrimSpaces(line.substr(line.size() - 4, 3));
  const std::string expected = before + std::string(line.substr(0, marker)) + "ai " +
                               std::string(Lookup(aircraftCode, "AB1", "Alpha One")) + " " +
                               std::string(Lookup(airlineCode, "QQQ", "Quebec Air")) + "\"";
  FW_FUZZ_CHECK(output == expected);
  return 0;
}
