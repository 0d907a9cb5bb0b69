#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace fw {

inline constexpr std::string_view kInputFilesSection = "InputFiles";
inline constexpr std::string_view kOutputFilesSection = "OutputFiles";

// The InputFiles key of an operation code; empty for a code without one.
std::string_view InputFilesKey(std::int32_t typeOfOperation);

// The OutputFiles key of an operation code; empty for operation 7 and unknown codes.
std::string_view OutputFileKey(std::int32_t typeOfOperation);

// The input box's lines (separated by CR LF; a lone CR or LF stays in its line) joined with ",".
std::string EncodeInputList(std::string_view boxText);

// A stored input list split at every "," and joined with CR LF: the input box's text.
std::string DecodeInputList(std::string_view value);

}  // namespace fw
