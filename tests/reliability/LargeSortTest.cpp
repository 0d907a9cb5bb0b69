// Lists long enough that the sorts split them across threads still come out record for record as
// the plain quick pass and insertion pass leave them.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "SortReference.h"
#include "records/Sorting.h"
#include "records/TextOrder.h"

namespace fw {
namespace {

constexpr std::size_t kRecords = 300000;  // above two levels of the sort's split into threads

// Each record's line is the single byte at its input position, so that records with equal keys
// can be told apart; checks the sort against the plain passes.
template <typename Record, typename Key>
void ExpectPlainOrder(const std::vector<Key>& keys, void (*sort)(std::vector<Record>&),
                      bool (*less)(const Record&, const Record&)) {
  static const std::vector<char> positions(kRecords);
  std::vector<Record> records;
  for (std::size_t i = 0; i < kRecords; ++i)
    records.push_back({keys[i], {&positions[i], 1}});
  std::vector<Record> expected = records;
  fuzz::ReferenceSort(expected, less);
  sort(records);
  for (std::size_t i = 0; i < kRecords; ++i)
    ASSERT_EQ(records[i].Line.data(), expected[i].Line.data()) << "record " << i;
}

TEST(LargeSort, NumbersAndAirportIdsFollowThePlainPasses) {
  std::mt19937 random(20240607);
  for (const std::uint32_t range : {1u, 7u, 1000u, 0u}) {
    SCOPED_TRACE(range);
    std::vector<std::int32_t> numbers;
    for (std::size_t i = 0; i < kRecords; ++i)
      numbers.push_back(static_cast<std::int32_t>(range == 0 ? random() : random() % range));
    ExpectPlainOrder<ACNumRecord>(numbers, SortACNumRecords,
                                  [](const auto& a, const auto& b) { return a.ACNum < b.ACNum; });
  }
  // Short IDs repeat often; long ones share their first eight characters.
  std::vector<std::string> ids;
  for (std::size_t i = 0; i < kRecords; ++i) {
    ids.push_back(i % 2 == 0 ? "ABCDEFGH" : "");
    for (std::size_t c = random() % 4; c > 0; --c)
      ids.back() += "A\x80z\t"[random() % 4];
  }
  ExpectPlainOrder<APRecord>(ids, SortAPRecords,
                             [](const auto& a, const auto& b) { return TextLess(a.APID, b.APID); });
}

}  // namespace
}  // namespace fw
