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

// Lines are single bytes of one block, one per input position, so that equal keys can be told
// apart by where their line lies.
const std::vector<char>& Positions() {
  static const std::vector<char> block(kRecords);
  return block;
}

std::vector<std::size_t> Order(const auto& records) {
  std::vector<std::size_t> order;
  for (const auto& record : records)
    order.push_back(static_cast<std::size_t>(record.Line.data() - Positions().data()));
  return order;
}

TEST(LargeSort, NumbersFollowThePlainPassesAtEveryKeyRange) {
  std::mt19937 random(20240607);
  for (const std::uint32_t range : {1u, 7u, 1000u, 0u}) {
    std::vector<ACNumRecord> records;
    for (std::size_t i = 0; i < kRecords; ++i) {
      const std::uint32_t bits = range == 0 ? random() : random() % range;
      records.push_back({static_cast<std::int32_t>(bits), {&Positions()[i], 1}});
    }
    std::vector<ACNumRecord> expected = records;
    fuzz::ReferenceSort(
        expected, [](const ACNumRecord& a, const ACNumRecord& b) { return a.ACNum < b.ACNum; });
    SortACNumRecords(records);
    EXPECT_EQ(Order(records), Order(expected)) << "key range " << range;
  }
}

TEST(LargeSort, AirportIdsFollowThePlainPasses) {
  std::mt19937 random(7);
  // Short IDs repeat often; long ones share their first eight characters.
  std::vector<std::string> ids;
  for (std::size_t i = 0; i < kRecords; ++i) {
    std::string id = i % 2 == 0 ? "ABCDEFGH" : "";
    const std::size_t length = random() % 4;
    for (std::size_t c = 0; c < length; ++c)
      id += "A\x80z\t"[random() % 4];
    ids.push_back(id);
  }
  std::vector<APRecord> records;
  for (std::size_t i = 0; i < kRecords; ++i)
    records.push_back({ids[i], {&Positions()[i], 1}});
  std::vector<APRecord> expected = records;
  fuzz::ReferenceSort(
      expected, [](const APRecord& a, const APRecord& b) { return TextLess(a.APID, b.APID); });
  SortAPRecords(records);
  EXPECT_EQ(Order(records), Order(expected));
}

}  // namespace
}  // namespace fw
