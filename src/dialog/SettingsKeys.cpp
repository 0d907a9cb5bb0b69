#include "dialog/SettingsKeys.h"

#include <array>

#include "records/OperationCodes.h"

namespace fw {
namespace {

struct Keys {
  std::string_view Input;
  std::string_view Output;
};

// Indexed by operation code.
constexpr std::array<Keys, 8> kKeys{{
    {"SortFPFile", "SortFPFile"},
    {"MergeFPFiles", "MergeFPFile"},
    {"EvalFPFiles", "EvalFPFile"},
    {"SortAPFile", "SortAPFile"},
    {"MergeAPFiles", "MergeAPFile"},
    {"SortACFile", "SortACFile"},
    {"MergeACFiles", "MergeACFile"},
    {"ChangeACNumsFiles", ""},
}};

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
  std::string result;
  result.reserve(text.size());
  std::size_t start = 0;
  for (std::size_t found = text.find(from); found != std::string_view::npos;
       found = text.find(from, start)) {
    result.append(text.substr(start, found - start));
    result.append(to);
    start = found + from.size();
  }
  result.append(text.substr(start));
  return result;
}

}  // namespace

std::string_view InputFilesKey(std::int32_t typeOfOperation) {
  if (typeOfOperation < 0 || typeOfOperation >= static_cast<std::int32_t>(kKeys.size()))
    return {};
  return kKeys[static_cast<std::size_t>(typeOfOperation)].Input;
}

std::string_view OutputFileKey(std::int32_t typeOfOperation) {
  if (typeOfOperation < 0 || typeOfOperation >= static_cast<std::int32_t>(kKeys.size()))
    return {};
  return kKeys[static_cast<std::size_t>(typeOfOperation)].Output;
}

std::string EncodeInputList(std::string_view boxText) {
  return ReplaceAll(boxText, "\r\n", ",");
}

std::string DecodeInputList(std::string_view value) {
  return ReplaceAll(value, ",", "\r\n");
}

}  // namespace fw
