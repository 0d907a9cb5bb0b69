#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/ByteBuffer.h"

namespace fw {

// One entry of a flight-plan or aircraft file: its aircraft number and the whole line.
struct ACNumRecord {
  std::int32_t ACNum = 0;
  std::string_view Line;
};

// One entry of an airport file: its airport ID (first field, spaces trimmed) and the whole line.
struct APRecord {
  std::string_view APID;
  std::string_view Line;
};

// Records together with the bytes their views point into: the files read whole, and the storage
// of lines the program rewrote. Moving a list keeps every view valid.
template <typename Record>
struct RecordList {
  std::vector<Record> Records;
  std::vector<ByteBuffer> Storage;
};

using ACNumRecordList = RecordList<ACNumRecord>;
using APRecordList = RecordList<APRecord>;

}  // namespace fw
