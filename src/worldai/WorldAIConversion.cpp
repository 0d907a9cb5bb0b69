#include "worldai/WorldAIConversion.h"

#include "platform/AtomicFile.h"
#include "records/LineSplitter.h"
#include "records/Texts.h"

namespace fw {
namespace {

constexpr std::string_view kMarker = "ai ";
constexpr std::size_t kCodesTail = 5;  // separator, three-character aircraft code, closing quote

bool IsMarkerAt(std::string_view line, std::size_t at) {
  return (line[at] == 'a' || line[at] == 'A') && (line[at + 1] == 'i' || line[at + 1] == 'I') &&
         line[at + 2] == ' ';
}

std::size_t FindMarker(std::string_view line) {
  for (std::size_t at = 0; at + kMarker.size() <= line.size(); ++at) {
    if (IsMarkerAt(line, at))
      return at;
  }
  return std::string_view::npos;
}

Result<void> ConvertLines(std::string_view input, const CodeTable& aircraftCodes,
                          const CodeTable& airlineCodes, std::string& output) {
  // Names are usually longer than the codes they replace.
  output.reserve(input.size() + input.size() / 2);
  Result<void> converted;
  ForEachLine(input, [&](std::string_view line, std::size_t number) {
    converted = ConvertWorldAILine(TrimSpaces(line), aircraftCodes, airlineCodes, output);
    if (!converted) {
      converted = FormatError("line " + std::to_string(number) + " of " + Quoted(kWorldAIListFile) +
                              ": " + converted.error().Message);
      return false;
    }
    output += "\r\n";
    return true;
  });
  return converted;
}

}  // namespace

Result<void> ConvertWorldAIAircraftList(const std::string& folder, FileSystem& fs) {
  // Everything is read and converted before "AC.txt" is touched.
  const auto aircraftCodes = LoadAircraftCodes(folder, fs);
  if (!aircraftCodes)
    return aircraftCodes.error();
  const auto airlineCodes = LoadAirlineCodes(folder, fs);
  if (!airlineCodes)
    return airlineCodes.error();
  const auto input = fs.ReadFile(folder + std::string(kWorldAIListFile));
  if (!input)
    return input.error();

  std::string output;
  if (auto converted =
          ConvertLines(input.value().view(), aircraftCodes.value(), airlineCodes.value(), output);
      !converted) {
    return converted;
  }
  auto writer = AtomicFileWriter::Create(fs, folder + std::string(kConvertedListFile));
  if (!writer)
    return writer.error();
  if (auto appended = writer.value().Append(output); !appended)
    return appended;
  return writer.value().Commit();
}

Result<void> ConvertWorldAILine(std::string_view line, const CodeTable& aircraftCodes,
                                const CodeTable& airlineCodes, std::string& output) {
  if (line.empty())
    return FormatError("the line is blank");
  const std::size_t marker = FindMarker(line);
  if (marker == std::string_view::npos)
    return FormatError("no \"ai \" marker");
  const std::string_view rest = line.substr(marker + kMarker.size());
  if (rest.size() < kCodesTail)
    return FormatError("fewer than five characters after the \"ai \" marker");

  // rest holds at least the tail, so both codes are cut inside the line.
  const std::string_view airlineCode = TrimSpaces(rest.substr(0, rest.size() - kCodesTail));
  const std::string_view aircraftCode = TrimSpaces(rest.substr(rest.size() - 4, 3));
  output += line.substr(0, marker);
  output += kMarker;
  output += LookupAircraftCode(aircraftCode, aircraftCodes);
  output += ' ';
  output += LookupAirlineCode(airlineCode, airlineCodes);
  output += '"';
  return {};
}

}  // namespace fw
