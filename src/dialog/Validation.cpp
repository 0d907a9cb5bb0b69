#include "dialog/Validation.h"

#include <string>

#include "records/AircraftNumber.h"
#include "records/OperationCodes.h"
#include "records/Texts.h"
#include "shell/Paths.h"

namespace fw {
namespace {

Message Warning(std::string title, std::string text) {
  return Message{MessageIcon::Exclamation, std::move(title), std::move(text)};
}

bool IsAircraftNumber(std::string_view text) {
  for (const char c : text) {
    if (c < '0' || c > '9')
      return false;
  }
  return ParseAircraftNumber(text).has_value();
}

}  // namespace

std::optional<Message> ValidateFiles(std::int32_t typeOfOperation, std::string_view inputFiles,
                                     std::string_view outputFile) {
  if (IsBlank(inputFiles))
    return Warning("Invalid Input File", "Please select an input file.");
  for (const std::string_view line : SplitAtCrLf(inputFiles)) {
    const std::string name(TrimSpaces(line));
    if (!name.empty() && !FileExists(name)) {
      return Warning("Invalid Input File", "The input file: \"" + name +
                                               "\" does not exist.  Please select a valid input "
                                               "file.");
    }
  }
  if (typeOfOperation != op::ChangeACNumbers) {
    const std::string_view output = TrimSpaces(outputFile);
    if (output.empty())
      return Warning("Invalid Output File", "Please select an output file.");
    const std::string folder = GetFolder(output, false);
    if (!FileExists(folder)) {
      return Warning("Invalid Output File Folder",
                     "The output file folder: \"" + folder +
                         "\" does not exist.  Please enter a valid output file folder location.");
    }
  }
  return std::nullopt;
}

std::optional<Message> ValidateACNumbers(std::string_view from, std::string_view to) {
  constexpr const char* kTitle = "Invalid Aircraft Number";
  if (IsBlank(from))
    return Warning(kTitle, "Please enter the aircraft number to be changed.");
  if (IsBlank(to))
    return Warning(kTitle, "Please enter the new aircraft number.");
  // Both boxes share one text for a number that is not valid.
  constexpr const char* kInvalid = "Please enter a valid aircraft number to be changed.";
  if (!IsAircraftNumber(from))
    return Warning(kTitle, kInvalid);
  if (!IsAircraftNumber(to))
    return Warning(kTitle, kInvalid);
  return std::nullopt;
}

}  // namespace fw
