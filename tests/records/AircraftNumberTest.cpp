#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "records/AircraftNumber.h"

namespace fw {
namespace {

TEST(ParseAircraftNumber, TakesASigned32BitDecimalWithSurroundingSpacesOnly) {
  const std::pair<std::string, std::optional<std::int32_t>> cases[] = {
      {"12", 12},
      {"  12  ", 12},
      {"012", 12},
      {"+7", 7},
      {" -5", -5},
      {"-0", 0},
      {std::string(400, '0') + "7", 7},
      {"2147483647", INT32_MAX},
      {"-2147483648", INT32_MIN},
      {"2147483648", std::nullopt},
      {"+2147483648", std::nullopt},
      {"-2147483649", std::nullopt},
      {"4294967297", std::nullopt},  // 2^32 + 1 must not wrap to 1
      {std::string(400, '9'), std::nullopt}};
  for (const auto& [text, number] : cases)
    EXPECT_EQ(ParseAircraftNumber(text), number) << '"' << text << '"';
  for (const char* text : {"", "   ", "+", "-", "12a", "x1", "1 2", "1.5", "1e3", "0x1F", "--5",
                           "+-5", "- 5", "\t12", "12\t", "12\r"}) {
    EXPECT_FALSE(ParseAircraftNumber(text).has_value()) << '"' << text << '"';
  }
}

}  // namespace
}  // namespace fw
