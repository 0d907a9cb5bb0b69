#pragma once

#include <string>
#include <string_view>

#include "platform/FileSystem.h"
#include "platform/Message.h"
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

// Converts "AddToAircraft.txt" in folder (which ends in a separator) into "AC.txt" there, one line
// each, with the names from "Aircraft Codes.txt" and "Airline Codes.txt". Returns the message box
// that tells the outcome; after a failure an existing "AC.txt" is unchanged.
Message ConvertWorldAIAircraftList(const std::string& folder, FileSystem& fs = NativeFileSystem());

}  // namespace fw
