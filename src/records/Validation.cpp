#include "records/Validation.h"

#include "platform/Paths.h"
#include "records/AircraftNumber.h"
#include "records/OperationTable.h"
#include "records/Texts.h"

namespace fw {
namespace {

bool IsAircraftNumber(std::string_view text) {
  for (const char c : text) {
    if (c < '0' || c > '9')
      return false;
  }
  return ParseAircraftNumber(text).has_value();
}

// Blank as a box's text is: nothing, or one line of spaces only (a second line brings a CR LF,
// which is not blank).
bool InputsBlank(std::span<const std::string> inputs) {
  return inputs.empty() || (inputs.size() == 1 && IsBlank(inputs.front()));
}

}  // namespace

std::optional<Invalid> ValidateFiles(Operation operation, std::span<const std::string> inputs,
                                     std::string_view output) {
  if (InputsBlank(inputs))
    return Invalid{Invalid::Reason::NoInputFile, {}};
  for (const std::string& input : inputs) {
    for (const std::string_view line : SplitAtCrLf(input)) {
      std::string name(TrimSpaces(line));
      if (!name.empty() && !FileExists(name))
        return Invalid{Invalid::Reason::MissingInputFile, std::move(name)};
    }
  }
  if (InfoOf(operation).HasOutput) {
    const std::string_view trimmed = TrimSpaces(output);
    if (trimmed.empty())
      return Invalid{Invalid::Reason::NoOutputFile, {}};
    std::string folder = GetFolder(trimmed, false);
    // A file in a root folder ("/out.txt", "C:\\out.txt") has the root as its folder.
    if (trimmed.find(kSeparator) == folder.size() &&
        (folder.empty() || (folder.size() == 2 && folder[1] == ':')))
      folder += kSeparator;
    if (!FileExists(folder))
      return Invalid{Invalid::Reason::MissingOutputFolder, std::move(folder)};
  }
  return std::nullopt;
}

std::optional<Invalid> ValidateACNumbers(std::string_view from, std::string_view to) {
  if (IsBlank(from))
    return Invalid{Invalid::Reason::NoFromNumber, {}};
  if (IsBlank(to))
    return Invalid{Invalid::Reason::NoToNumber, {}};
  if (!IsAircraftNumber(from) || !IsAircraftNumber(to))
    return Invalid{Invalid::Reason::BadNumber, {}};
  return std::nullopt;
}

}  // namespace fw
