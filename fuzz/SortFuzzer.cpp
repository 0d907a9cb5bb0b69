// Both sorts against the plain algorithm: the result is a permutation of the input, in key order,
// and record for record what the plain quick pass and insertion pass give (which decides which of
// several equal keys the writers keep). The sorts of grouped lists against a plain restatement:
// repeats after the first (in input order) emptied when there are several blocks, then each block
// sorted by key, equal keys in input order.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "BlockChecks.h"
#include "FuzzCheck.h"
#include "SortReference.h"
#include "records/Layout.h"
#include "records/Sorting.h"
#include "records/TextOrder.h"

namespace {

using fw::ACNumRecord;
using fw::APRecord;

// Takes bytes off the front of the input.
struct Input {
  const unsigned char* Data;
  std::size_t Size;
  bool Empty() const { return Size == 0; }
  unsigned char Byte() {
    --Size;
    return *Data++;
  }
};

// Every record's line is one byte of this block at its input position, so the sorted order can be
// traced back to the input and equal keys told apart.
constexpr std::size_t kMostRecords = 1 << 16;
const char* Positions() {
  static const std::vector<char> block(kMostRecords);
  return block.data();
}

std::size_t PositionOf(std::string_view line) {
  return static_cast<std::size_t>(line.data() - Positions());
}

template <typename Record, typename Less>
void CheckSorted(const std::vector<Record>& input, const std::vector<Record>& sorted, Less less) {
  FW_FUZZ_CHECK(sorted.size() == input.size());
  std::vector<bool> seen(input.size());
  for (const Record& record : sorted) {
    const std::size_t position = PositionOf(record.Line);
    FW_FUZZ_CHECK(position < seen.size() && !seen[position]);
    seen[position] = true;
  }
  for (std::size_t i = 1; i < sorted.size(); ++i)
    FW_FUZZ_CHECK(!less(sorted[i], sorted[i - 1]));

  std::vector<Record> expected = input;
  fw::fuzz::ReferenceSort(expected, less);
  for (std::size_t i = 0; i < sorted.size(); ++i)
    FW_FUZZ_CHECK(sorted[i].Line.data() == expected[i].Line.data());
}

void CheckACNum(std::vector<ACNumRecord> input) {
  std::vector<ACNumRecord> sorted = input;
  fw::SortACNumRecords(sorted);
  CheckSorted(input, sorted,
              [](const ACNumRecord& a, const ACNumRecord& b) { return a.ACNum < b.ACNum; });
}

void CheckAP(std::vector<APRecord> input) {
  std::vector<APRecord> sorted = input;
  fw::SortAPRecords(sorted);
  CheckSorted(input, sorted,
              [](const APRecord& a, const APRecord& b) { return fw::TextLess(a.APID, b.APID); });
}

// Blocks of records whose keys (aircraft numbers and airport IDs) and lines (aircraft numbers)
// are single bytes of few values, so that repeats are many; byte 0x80 of an input byte starts a
// block.
void CheckBlocks(Input in) {
  static std::vector<char> content(kMostRecords);
  std::vector<ACNumRecord> numbers;
  std::vector<APRecord> airports;
  std::vector<fw::Block> blocks;
  for (std::size_t i = 0; !in.Empty() && i < kMostRecords; ++i) {
    const unsigned char byte = in.Byte();
    if (i == 0 || (byte & 0x80) != 0)
      blocks.push_back({i, i});
    ++blocks.back().End;
    content[i] = static_cast<char>('a' + (byte >> 3) % 4);
    numbers.push_back({byte % 8, {&content[i], 1}});
    airports.push_back({{&content[i], 1}, {Positions() + i, 1}});
  }
  fw::fuzz::CheckArrangedBlocks(std::move(numbers), std::move(airports), blocks);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  Input in{data, size};
  if (in.Empty())
    return 0;
  const unsigned char mode = in.Byte();
  if (mode % 5 == 4) {
    CheckBlocks(in);
    return 0;
  }
  std::vector<ACNumRecord> numbers;
  std::vector<APRecord> airports;
  // Airport IDs point into a copy of the input that lives as long as the records.
  const std::string idBytes(reinterpret_cast<const char*>(in.Data), in.Size);
  switch (mode % 5) {
    case 0:  // few distinct numbers, many equal keys
      while (!in.Empty() && numbers.size() < kMostRecords)
        numbers.push_back({static_cast<std::int32_t>(in.Byte() % 8) - 2, {}});
      break;
    case 1:  // numbers over the whole 32-bit range
      while (in.Size >= 4 && numbers.size() < kMostRecords) {
        std::uint32_t bits = 0;
        for (int i = 0; i < 4; ++i)
          bits = bits << 8 | in.Byte();
        numbers.push_back({static_cast<std::int32_t>(bits), {}});
      }
      break;
    case 2:    // airport IDs of up to 15 bytes, with a length byte before each
    case 3: {  // the same, but at most 3 bytes: many equal and prefix IDs
      const std::size_t most = mode % 5 == 2 ? 16 : 4;
      std::size_t at = 0;
      while (at < idBytes.size() && airports.size() < kMostRecords) {
        const std::size_t length = std::min<std::size_t>(
            static_cast<unsigned char>(idBytes[at]) % most, idBytes.size() - at - 1);
        airports.push_back({std::string_view(idBytes).substr(at + 1, length), {}});
        at += 1 + length;
      }
      break;
    }
    default:
      break;
  }
  for (std::size_t i = 0; i < numbers.size(); ++i)
    numbers[i].Line = std::string_view(Positions() + i, 1);
  for (std::size_t i = 0; i < airports.size(); ++i)
    airports[i].Line = std::string_view(Positions() + i, 1);
  if (!numbers.empty())
    CheckACNum(std::move(numbers));
  if (!airports.empty())
    CheckAP(std::move(airports));
  return 0;
}
