#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/Message.h"

namespace fw {

// The warning to show when the names in the dialog's boxes may not be used: a missing or blank
// input, an input file that does not exist, a missing output name or output folder (the output is
// not checked for operation 7). Nothing when they may be used.
std::optional<Message> ValidateFiles(std::int32_t typeOfOperation, std::string_view inputFiles,
                                     std::string_view outputFile);

// The warning to show when the two aircraft numbers may not be used: each must be a run of the
// digits 0-9, with nothing else, whose value fits a signed 32-bit integer.
std::optional<Message> ValidateACNumbers(std::string_view from, std::string_view to);

}  // namespace fw
