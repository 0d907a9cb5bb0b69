#include <gtest/gtest.h>

#include <string>

#include "records/AircraftNumber.h"

namespace fw {
namespace {

TEST(ParseAircraftNumber, TakesDigitsWithOptionalSignAndSurroundingSpaces) {
  EXPECT_EQ(ParseAircraftNumber("12"), 12);
  EXPECT_EQ(ParseAircraftNumber("  12  "), 12);
  EXPECT_EQ(ParseAircraftNumber("012"), 12);
  EXPECT_EQ(ParseAircraftNumber("+7"), 7);
  EXPECT_EQ(ParseAircraftNumber(" -5"), -5);
  EXPECT_EQ(ParseAircraftNumber("-0"), 0);
  EXPECT_EQ(ParseAircraftNumber(std::string(400, '0') + "7"), 7);
}

TEST(ParseAircraftNumber, RefusesEverythingElse) {
  for (const char* text : {"", "   ", "+", "-", "12a", "x1", "1 2", "1.5", "1e3", "0x1F", "--5",
                           "+-5", "- 5", "\t12", "12\t", "12\r"}) {
    EXPECT_FALSE(ParseAircraftNumber(text).has_value()) << '"' << text << '"';
  }
}

TEST(ParseAircraftNumber, AcceptsExactlyTheSigned32BitRange) {
  EXPECT_EQ(ParseAircraftNumber("2147483647"), INT32_MAX);
  EXPECT_EQ(ParseAircraftNumber("-2147483648"), INT32_MIN);
  EXPECT_FALSE(ParseAircraftNumber("2147483648").has_value());
  EXPECT_FALSE(ParseAircraftNumber("+2147483648").has_value());
  EXPECT_FALSE(ParseAircraftNumber("-2147483649").has_value());
  EXPECT_FALSE(ParseAircraftNumber("4294967297").has_value());  // 2^32 + 1 must not wrap to 1
  EXPECT_FALSE(ParseAircraftNumber(std::string(400, '9')).has_value());
}

}  // namespace
}  // namespace fw
