#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/ByteBuffer.h"
#include "platform/FileSystem.h"

namespace fw {

// One entry of a code table: a code as a World AI list writes it and the readable name for it.
struct CodeRecord {
  std::string_view Code;
  std::string_view Name;
};

// A code table in file order, with the bytes its views point into. Moving it keeps every view
// valid. Codes may repeat (the first wins) and codes or names may be empty.
struct CodeTable {
  std::vector<CodeRecord> Records;
  ByteBuffer Storage;
};

inline constexpr std::string_view kAircraftCodesFile = "Aircraft Codes.txt";
inline constexpr std::string_view kAirlineCodesFile = "Airline Codes.txt";

// The table held by a code table file's bytes: one entry a non-blank line, its first field the
// code and its second the name (fields as DelimitedFieldReader reads them); fields after the second
// are ignored. Fails, naming fileName, on a line without a second field.
Result<CodeTable> ParseCodeTable(ByteBuffer bytes, std::string_view fileName);

// The table of "Aircraft Codes.txt" in folder (which ends in a separator); fails when the file
// cannot be read or an entry has no name.
Result<CodeTable> LoadAircraftCodes(const std::string& folder, FileSystem& fs = NativeFileSystem());

// The table of "Airline Codes.txt" in folder; fails as LoadAircraftCodes does.
Result<CodeTable> LoadAirlineCodes(const std::string& folder, FileSystem& fs = NativeFileSystem());

// The name of the first entry whose code equals code exactly (case and spaces count), or code
// itself when no entry has it.
std::string_view LookupAircraftCode(std::string_view code, const CodeTable& aircraftCodes);

// The same lookup in the airline code table.
std::string_view LookupAirlineCode(std::string_view code, const CodeTable& airlineCodes);

}  // namespace fw
