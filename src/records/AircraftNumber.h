#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace fw {

// The signed 32-bit value of text made of optional surrounding spaces, an optional sign and
// decimal digits; nothing for any other text or a value out of range.
std::optional<std::int32_t> ParseAircraftNumber(std::string_view text);

}  // namespace fw
