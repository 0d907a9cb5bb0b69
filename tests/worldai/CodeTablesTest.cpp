#include <gtest/gtest.h>

#include <cstring>

#include "worldai/CodeTables.h"

namespace fw {
namespace {

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
  EXPECT_EQ(LookupAirlineCode("QQQ", table.value()), "Quebec Air");
  EXPECT_EQ(LookupAirlineCode("RRR", table.value()), "Romeo, Ltd");
  EXPECT_EQ(LookupAirlineCode("SSS", table.value()), "");
  EXPECT_EQ(LookupAircraftCode("qqq", table.value()), "qqq");
  EXPECT_EQ(LookupAircraftCode("QQQ ", table.value()), "QQQ ");

  const auto empty = Parse("");
  ASSERT_TRUE(empty.ok());
  EXPECT_EQ(LookupAircraftCode("QQQ", empty.value()), "QQQ");
}

TEST(CodeTablesTest, AnEntryWithoutANameIsAFailureThatSaysWhere) {
  const auto last = Parse("QQQ,Quebec Air\r\nRRR\r\n\r\n");
  ASSERT_FALSE(last.ok());
  EXPECT_EQ(last.error().Message, "\"Airline Codes.txt\": the last entry has no name");

  const auto inner = Parse("QQQ,Quebec Air\r\n\r\nRRR\r\nSSS,Sierra\r\n");
  ASSERT_FALSE(inner.ok());
  EXPECT_EQ(inner.error().Message, "line 3 of \"Airline Codes.txt\": the entry has no name");
}

}  // namespace
}  // namespace fw
