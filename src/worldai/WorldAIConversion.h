#pragma once

#include <string>
#include <string_view>

#include "platform/FileSystem.h"
#include "worldai/CodeTables.h"

namespace fw {

inline constexpr std::string_view kWorldAIListFile = "AddToAircraft.txt";
inline constexpr std::string_view kConvertedListFile = "AC.txt";

// Appends to output the converted form of a World AI line (spaces already trimmed): what stands
// before its first "ai " marker (any letter case), "ai ", the aircraft name, a space, the airline
// name and a double quote, without a line end. The line ends in the airline code, one separator
// character, the three-character aircraft code and one more character; a code missing from its
// table stands for its own name. Fails, appending nothing, on a blank line, a line without the
// marker, or one with fewer than five characters after it.
Result<void> ConvertWorldAILine(std::string_view line, const CodeTable& aircraftCodes,
                                const CodeTable& airlineCodes, std::string& output);

// What a conversion tells when it succeeded.
inline constexpr std::string_view kConversionSuccessTitle = "Success";
inline constexpr std::string_view kConversionSuccessText = "AC.txt File Successfully Created!";

// Converts "AddToAircraft.txt" in folder (which ends in a separator) into "AC.txt" there, one line
// each, with the names from "Aircraft Codes.txt" and "Airline Codes.txt". Fails, naming the file
// and line, when a file cannot be read or a line converted, or when "AC.txt" cannot be written;
// an existing "AC.txt" is then unchanged.
Result<void> ConvertWorldAIAircraftList(const std::string& folder,
                                        FileSystem& fs = NativeFileSystem());

}  // namespace fw
