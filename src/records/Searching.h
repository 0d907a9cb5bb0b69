#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "records/Records.h"

namespace fw {

// Position of the first record with number in a list sorted by ACNum, or -1.
std::ptrdiff_t FindRecord(std::span<const ACNumRecord> list, std::int32_t number);

}  // namespace fw
