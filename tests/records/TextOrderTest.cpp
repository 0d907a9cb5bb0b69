#include <gtest/gtest.h>

#include "records/TextOrder.h"

namespace fw {
namespace {

// Each text comes strictly before the next.
void ExpectAscending(std::initializer_list<std::string_view> texts) {
  const std::string_view* previous = nullptr;
  for (const std::string_view& text : texts) {
    if (previous) {
      EXPECT_LT(CompareText(*previous, text), 0) << '"' << *previous << "\" < \"" << text << '"';
      EXPECT_GT(CompareText(text, *previous), 0) << '"' << text << "\" > \"" << *previous << '"';
    }
    previous = &text;
  }
}

TEST(CompareText, OrdersByCharacterCodeWithPrefixesFirst) {
  ExpectAscending({"", "ABC", "ABCD", "ABc", "abc"});
  ExpectAscending({"Z", "a"});
  ExpectAscending({" x", "0", "A"});
  ExpectAscending({"10", "9"});
  EXPECT_EQ(CompareText("KXYZ", "KXYZ"), 0);
  EXPECT_EQ(CompareText("", ""), 0);
}

TEST(CompareText, ReadsHighBytesAsWindows1252) {
  // Bytes above 0x7F are larger than every ASCII byte, not negative chars.
  ExpectAscending({"z", "\xE9"});
  // 0x80 is the euro sign U+20AC: after 0xFF (U+00FF), not before it.
  ExpectAscending({"\xFF", "\x80"});
  // 0x8A is U+0160 and 0x9F is U+0178, both above the Latin-1 letters.
  ExpectAscending({"\xE9", "\x8A"});
  ExpectAscending({"\xFF", "\x9F"});
  // 0x81 has no Windows-1252 character and stays U+0081, below 0xA0.
  ExpectAscending({"\x7F", "\x81", "\xA0"});
  // The order decides at the first differing byte, whatever follows.
  ExpectAscending({"A\xFFzzz", "A\x80"});
}

}  // namespace
}  // namespace fw
