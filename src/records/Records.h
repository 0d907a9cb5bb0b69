#pragma once

#include <concepts>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/ByteBuffer.h"

namespace fw {

// A line of text as a string_view, packed into 12 bytes so that a record with a number takes 16:
// the sort moves and the writer reads a third fewer bytes than with a string_view's 16. A line
// is shorter than 4 GiB (the parser refuses longer ones).
#pragma pack(push, 4)
class PackedLine {
 public:
  static constexpr std::size_t kMostBytes = UINT32_MAX;

  PackedLine() = default;
  // From whatever a string_view can be made of, as freely as the string_view it stands for.
  template <typename Text>
  requires std::convertible_to<const Text&, std::string_view> PackedLine(
      const Text& text)  // NOLINT(google-explicit-constructor)
      : PackedLine(std::string_view(text).data(), std::string_view(text).size()) {}
  PackedLine(const char* data, std::size_t size)
      : m_data(data), m_size(static_cast<std::uint32_t>(size)) {}
  operator std::string_view() const { return {m_data, m_size}; }

  const char* data() const { return m_data; }
  std::size_t size() const { return m_size; }
  bool empty() const { return m_size == 0; }
  friend bool operator==(PackedLine a, std::string_view b) { return std::string_view(a) == b; }

 private:
  const char* m_data = nullptr;
  std::uint32_t m_size = 0;
};
#pragma pack(pop)

// One entry of a flight-plan or aircraft file: its aircraft number and the whole line.
struct ACNumRecord {
  std::int32_t ACNum = 0;
  PackedLine Line;
};
static_assert(sizeof(ACNumRecord) == 16);

// One entry of an airport file: its airport ID (first field, spaces trimmed) and the whole line.
struct APRecord {
  std::string_view APID;
  std::string_view Line;
};

// A run of lines that are not entries (blank lines and comment lines) as it stands in a file,
// from the start of its first line to the end of its last, line ends included.
// A run that one thread of the parser ends and the other begins is held as two gaps.
struct Gap {
  std::string_view Lines;
  std::size_t Before = 0;  // how many records of the list come before it
  bool Comments = false;   // holds a comment line, not only blank ones
};

// Where the records and gaps of one of the files read into a list start.
struct ListedFile {
  std::size_t FirstRecord = 0;
  std::size_t FirstGap = 0;
  bool ByteOrderMark = false;  // the file started with one
};

// Records together with the bytes their views point into (the files read whole, and the storage
// of lines the program rewrote), the gaps between them and where each file began. Moving a list
// keeps every view valid.
template <typename Record>
struct RecordList {
  std::vector<Record> Records;
  std::vector<ByteBuffer> Storage;
  std::vector<Gap> Gaps;
  std::vector<ListedFile> Files;
};

using ACNumRecordList = RecordList<ACNumRecord>;
using APRecordList = RecordList<APRecord>;

}  // namespace fw
