#include "worldai/CodeTables.h"

#include <algorithm>
#include <span>

#include "records/LineSplitter.h"
#include "worldai/DelimitedFields.h"

namespace fw {
namespace {

bool IsBlankLine(std::string_view line) {
  return line.find_first_not_of(" \t") == std::string_view::npos;
}

Result<CodeTable> LoadCodeTable(const std::string& folder, std::string_view fileName,
                                FileSystem& fs) {
  auto bytes = fs.ReadFile(folder + std::string(fileName));
  if (!bytes)
    return bytes.error();
  return ParseCodeTable(std::move(bytes).value(), fileName);
}

std::string_view Lookup(std::string_view code, const CodeTable& table) {
  for (const CodeRecord& record : table.Records) {
    if (record.Code == code)
      return record.Name;
  }
  return code;
}

}  // namespace

Result<CodeTable> ParseCodeTable(ByteBuffer bytes, std::string_view fileName) {
  CodeTable table;
  table.Storage = std::move(bytes);
  const std::string_view text = table.Storage.view();
  table.Records.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);

  // The first entry without a name, and whether another entry follows it: the message names
  // its line only then.
  std::size_t nameless = 0;
  bool entryFollows = false;
  ForEachLine(text, [&](std::string_view line, std::size_t number) {
    if (IsBlankLine(line))
      return true;
    if (nameless != 0) {
      entryFollows = true;
      return false;
    }
    // The reader rewrites the line's bytes where quotes are dropped: the storage is ours.
    char* const begin = table.Storage.data() + (line.data() - text.data());
    DelimitedFieldReader fields(std::span<char>(begin, line.size()));
    CodeRecord record;
    fields.Next(record.Code);
    if (!fields.Next(record.Name))
      nameless = number;
    else
      table.Records.push_back(record);
    return true;
  });
  if (nameless != 0 && !entryFollows)
    return FormatError(Quoted(fileName) + ": the last entry has no name");
  if (nameless != 0) {
    return FormatError("line " + std::to_string(nameless) + " of " + Quoted(fileName) +
                       ": the entry has no name");
  }
  return table;
}

Result<CodeTable> LoadAircraftCodes(const std::string& folder, FileSystem& fs) {
  return LoadCodeTable(folder, kAircraftCodesFile, fs);
}

Result<CodeTable> LoadAirlineCodes(const std::string& folder, FileSystem& fs) {
  return LoadCodeTable(folder, kAirlineCodesFile, fs);
}

std::string_view LookupAircraftCode(std::string_view code, const CodeTable& aircraftCodes) {
  return Lookup(code, aircraftCodes);
}

std::string_view LookupAirlineCode(std::string_view code, const CodeTable& airlineCodes) {
  return Lookup(code, airlineCodes);
}

}  // namespace fw
