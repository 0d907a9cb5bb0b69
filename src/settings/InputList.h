#pragma once

#include <string>
#include <string_view>

namespace fw {

// The settings file's two sections: each operation's input list and output name.
inline constexpr std::string_view kInputFilesSection = "InputFiles";
inline constexpr std::string_view kOutputFilesSection = "OutputFiles";

// The input box's lines (separated by CR LF; a lone CR or LF stays in its line) joined with ",".
std::string EncodeInputList(std::string_view boxText);

// A stored input list split at every "," and joined with CR LF: the input box's text.
std::string DecodeInputList(std::string_view value);

}  // namespace fw
