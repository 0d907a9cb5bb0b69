#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "worldai/CodeTables.h"
#include "worldai/DelimitedFields.h"

namespace fw {
namespace {

TEST(DelimitedFieldsTest, ReadsFieldsAsTheyLookInTheFile) {
  const std::pair<std::string, std::vector<std::string>> cases[] = {
      {"\"XYZ\",\"Example Name\"", {"XYZ", "Example Name"}},
      {"QQQ, \" Padded \" ", {"QQQ", " Padded "}},
      {"QQQ,\"Quebec, Air\"", {"QQQ", "Quebec, Air"}},
      {"QQQ,\"Say \"\"Hi\"\"\",x", {"QQQ", "Say \"Hi\"", "x"}},
      {"QQQ,\"Quebec, Air\" Cargo ,x", {"QQQ", "Quebec, Air Cargo", "x"}},
      {"B747,The \"Jumbo\"", {"B747", "The \"Jumbo\""}},
      {"QQQ,\"Open, to the end", {"QQQ", "Open, to the end"}},
      {"", {""}},
  };
  for (auto [line, expected] : cases) {  // a copy: the reader unquotes in place
    DelimitedFieldReader reader(line);
    std::vector<std::string> fields;
    for (std::string_view field; reader.Next(field);)
      fields.emplace_back(field);
    EXPECT_EQ(fields, expected) << line;
  }
}

Result<CodeTable> Parse(std::string_view text) {
  ByteBuffer bytes(text.size());
  if (!text.empty())
    std::memcpy(bytes.data(), text.data(), text.size());
  return ParseCodeTable(std::move(bytes), "Airline Codes.txt");
}

TEST(CodeTablesTest, ReadsOneEntryALineAndLooksUpTheFirstExactMatch) {
  const auto table =
      Parse("QQQ,Quebec Air\r\n\r\n  \t\nRRR,\"Romeo, Ltd\",spare\rSSS,\nQQQ,Second\n");
  ASSERT_TRUE(table.ok()) << table.error().Message;
  EXPECT_EQ(table.value().Records.size(), 4u);
  const std::pair<std::string_view, std::string_view> lookups[] = {
      {"QQQ", "Quebec Air"}, {"RRR", "Romeo, Ltd"}, {"SSS", ""}, {"qqq", "qqq"}, {"QQQ ", "QQQ "}};
  for (const auto& [code, name] : lookups) {
    EXPECT_EQ(LookupAirlineCode(code, table.value()), name) << code;
    EXPECT_EQ(LookupAircraftCode(code, table.value()), name) << code;
  }
  EXPECT_EQ(LookupAircraftCode("QQQ", Parse("").value()), "QQQ");

  const auto inner = Parse("QQQ,Quebec Air\r\n\r\nRRR\r\nSSS,Sierra\r\n");
  ASSERT_FALSE(inner.ok());
  EXPECT_EQ(inner.error().Message, "line 3 of \"Airline Codes.txt\": the entry has no name");
}

}  // namespace
}  // namespace fw
