#include <gtest/gtest.h>

#include <vector>

#include "records/TextOrder.h"

namespace fw {
namespace {

TEST(CompareText, OrdersByCharacterCodeWithPrefixesFirstAndHighBytesAsWindows1252) {
  // Each row ascends strictly.
  const std::vector<std::vector<std::string_view>> rows = {
      {"", "ABC", "ABCD", "ABc", "abc"},
      {"Z", "a"},
      {" x", "0", "A"},
      {"10", "9"},
      {"z", "\xE9"},             // high bytes are not negative chars
      {"\xFF", "\x80"},          // 0x80 is the euro sign U+20AC, after U+00FF
      {"\xE9", "\x8A"},          // 0x8A is U+0160, above the Latin-1 letters
      {"\xFF", "\x9F"},          // 0x9F is U+0178
      {"\x7F", "\x81", "\xA0"},  // 0x81 has no character and stays U+0081
      {"A\xFFzzz", "A\x80"},     // decided at the first differing byte
  };
  for (const auto& row : rows) {
    for (std::size_t i = 1; i < row.size(); ++i) {
      EXPECT_LT(CompareText(row[i - 1], row[i]), 0)
          << testing::PrintToString(row[i - 1]) << " < " << testing::PrintToString(row[i]);
      EXPECT_GT(CompareText(row[i], row[i - 1]), 0)
          << testing::PrintToString(row[i]) << " > " << testing::PrintToString(row[i - 1]);
    }
  }
  EXPECT_EQ(CompareText("KXYZ", "KXYZ"), 0);
  EXPECT_EQ(CompareText("", ""), 0);
}

}  // namespace
}  // namespace fw
