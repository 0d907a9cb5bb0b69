#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "records/RecordFiles.h"
#include "support/TempFolder.h"

namespace fw {
namespace {

using test::ReadBytes;
using test::TempFolder;
using Texts = std::vector<std::string>;

// Each record as "KEY|LINE".
template <typename List>
Texts Contents(const List& list) {
  Texts records;
  for (const auto& record : list.Records) {
    if constexpr (std::is_same_v<List, ACNumRecordList>) {
      records.push_back(std::to_string(record.ACNum) + "|" + std::string(record.Line));
    } else {
      records.push_back(std::string(record.APID) + "|" + std::string(record.Line));
    }
  }
  return records;
}

TEST(ReadACNumFile, AFileOfNothingOrOnlyEmptyLinesGivesNoRecords) {
  const std::pair<std::string, Texts> cases[] = {
      {"", {}},
      {"\r\n\r\n\n\r", {}},
      // Data after empty lines is kept; the number is read after the first three characters.
      {"\r\nAC#12,a\r\n\r\nXY#7,b\nAC#7\rAC# -3 ,c,\"x,y\"\r\nAC#+4,d",
       {"12|AC#12,a", "7|XY#7,b", "7|AC#7", "-3|AC# -3 ,c,\"x,y\"", "4|AC#+4,d"}}};
  for (const auto& [bytes, records] : cases) {
    TempFolder folder;
    ACNumRecordList list;
    ASSERT_TRUE(ReadACNumFile(list, folder.Write("fp.txt", bytes))) << bytes;
    EXPECT_EQ(Contents(list), records) << bytes;
  }
}

TEST(ReadACNumFile, AppendsAfterTheRecordsOfEarlierFiles) {
  TempFolder folder;
  ACNumRecordList list;
  Texts expected;
  // Many short files: the lines of the first must stay intact while later ones are added.
  for (int i = 0; i < 40; ++i) {
    const std::string line = "AC#" + std::to_string(40 - i) + ",f" + std::to_string(i);
    ASSERT_TRUE(ReadACNumFile(list, folder.Write("fp" + std::to_string(i) + ".txt", line)));
    expected.push_back(std::to_string(40 - i) + "|" + line);
  }
  EXPECT_EQ(Contents(list), expected);
}

TEST(ReadACNumFile, NamesTheFileTheLineAndTheFieldWithoutANumber) {
  TempFolder folder;
  const std::string name = folder.Name("fp.txt");
  const std::pair<std::string, std::string> cases[] = {
      {"AC#\r\n", "line 1 of \"" + name + "\": \"AC#\" has no aircraft number"},
      {"AC#1,a\r\n\r\nAC,b\r\n", "line 3 of \"" + name + "\": \"AC\" has no aircraft number"},
      // A line of spaces is blank, but counts; one with text after spaces is an entry.
      {"AC#1,a\n   \n  AC#2,b", "line 3 of \"" + name + "\": \"  AC#2\" has no aircraft number"},
      {"AC#x1,a,b", "line 1 of \"" + name + "\": \"AC#x1\" has no aircraft number"},
      // A long field is cut short so that the message stays readable.
      {"AC#" + std::string(100, '7') + "x,a",
       "line 1 of \"" + name + "\": \"AC#" + std::string(57, '7') + "...\" has no aircraft number"},
  };
  for (const auto& [bytes, message] : cases) {
    test::WriteBytes(name, bytes);
    ACNumRecordList list;
    const Result<void> read = ReadACNumFile(list, name);
    ASSERT_FALSE(read) << bytes;
    EXPECT_EQ(read.error().Message, message);
  }
}

TEST(ReadAPFile, TakesTheFirstFieldWithoutSurroundingSpacesAsTheId) {
  TempFolder folder;
  APRecordList list;
  ASSERT_TRUE(
      ReadAPFile(list, folder.Write("ap.txt", " ABCD ,1\r\n\r\n\tABCD,2\r\n,3\n   ,4\rKXYZ")));
  EXPECT_EQ(Contents(list),
            (Texts{"ABCD| ABCD ,1", "\tABCD|\tABCD,2", "|,3", "|   ,4", "KXYZ|KXYZ"}));
}

TEST(WriteACNumFile, WritesEachDistinctNonEmptyLineOnceInListOrder) {
  const std::pair<std::vector<ACNumRecord>, std::string> cases[] = {
      {{{1, "AC#1"},
        {5, "AC#5,X"},
        {5, "ac#5,X"},
        {5, "AC#5,X"},
        {5, ""},
        {5, "AC#5,Y"},
        {5, "ac#5,X"}},
       "AC#1\r\nAC#5,X\r\nac#5,X\r\nAC#5,Y\r\n"},
      {{{1, "AC#1,b"}, {1, ""}, {1, "AC#1,a"}, {1, "AC#1,b"}, {2, "AC#2,a"}, {2, "AC#2,a"}},
       "AC#1,b\r\nAC#1,a\r\nAC#2,a\r\n"},
      {{}, ""}};
  TempFolder folder;
  for (const auto& [records, expected] : cases) {
    const std::string name = folder.Write("out.txt", "earlier content\r\n");
    ASSERT_TRUE(WriteACNumFile(records, name));
    EXPECT_EQ(ReadBytes(name), expected);
  }
}

TEST(WriteAPFile, WritesTheFirstRecordOfEachNonEmptyId) {
  const std::pair<std::vector<APRecord>, std::string> cases[] = {
      {{{"", ",a"},
        {"", "  ,b"},
        {"\tABCD", "\tABCD,1"},
        {"ABCD", "ABCD,2"},
        {"ABCD", " ABCD ,3"},
        {"KXYZ", "KXYZ,4"},
        {"KXYZ", "KXYZ,5"},
        {"kxyz", "kxyz,6"}},
       "\tABCD,1\r\nABCD,2\r\nKXYZ,4\r\nkxyz,6\r\n"},
      {{{"", ",a"}, {"", " ,b"}}, ""}};
  TempFolder folder;
  for (const auto& [records, expected] : cases) {
    ASSERT_TRUE(WriteAPFile(records, folder.Name("out.txt")));
    EXPECT_EQ(ReadBytes(folder.Name("out.txt")), expected);
  }
}

}  // namespace
}  // namespace fw
