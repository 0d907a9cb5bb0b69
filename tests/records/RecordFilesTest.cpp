#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "records/RecordFiles.h"
#include "support/FaultyFileSystem.h"
#include "support/TempFolder.h"

namespace fw {
namespace {

using test::ReadBytes;
using test::TempFolder;

using NumberedLines = std::vector<std::pair<std::int32_t, std::string>>;
using KeyedLines = std::vector<std::pair<std::string, std::string>>;

NumberedLines Contents(const ACNumRecordList& list) {
  NumberedLines lines;
  for (const ACNumRecord& record : list.Records)
    lines.emplace_back(record.ACNum, std::string(record.Line));
  return lines;
}

KeyedLines Contents(const APRecordList& list) {
  KeyedLines lines;
  for (const APRecord& record : list.Records)
    lines.emplace_back(std::string(record.APID), std::string(record.Line));
  return lines;
}

TEST(ReadACNumFile, ReadsEveryNonEmptyLineWithTheNumberAfterThreeCharacters) {
  TempFolder folder;
  ACNumRecordList list;
  ASSERT_TRUE(ReadACNumFile(
      list,
      folder.Write("fp.txt", "\r\nAC#12,a\r\n\r\nXY#7,b\nAC#7\rAC# -3 ,c,\"x,y\"\r\nAC#+4,d")));
  EXPECT_EQ(
      Contents(list),
      (NumberedLines{
          {12, "AC#12,a"}, {7, "XY#7,b"}, {7, "AC#7"}, {-3, "AC# -3 ,c,\"x,y\""}, {4, "AC#+4,d"}}));
}

TEST(ReadACNumFile, AFileOfNothingOrOnlyEmptyLinesGivesNoRecords) {
  TempFolder folder;
  ACNumRecordList list;
  ASSERT_TRUE(ReadACNumFile(list, folder.Write("empty.txt", "")));
  ASSERT_TRUE(ReadACNumFile(list, folder.Write("blank.txt", "\r\n\r\n\n\r")));
  EXPECT_TRUE(list.Records.empty());
}

TEST(ReadACNumFile, AppendsAfterTheRecordsOfEarlierFiles) {
  TempFolder folder;
  ACNumRecordList list;
  NumberedLines expected;
  // Many short files: the lines of the first must stay intact while later ones are added.
  for (int i = 0; i < 40; ++i) {
    const std::string line = "AC#" + std::to_string(40 - i) + ",f" + std::to_string(i);
    ASSERT_TRUE(ReadACNumFile(list, folder.Write("fp" + std::to_string(i) + ".txt", line)));
    expected.emplace_back(40 - i, line);
  }
  EXPECT_EQ(Contents(list), expected);
}

TEST(ReadACNumFile, NamesTheFileTheLineAndTheFieldWithoutANumber) {
  TempFolder folder;
  const std::string name = folder.Name("fp.txt");
  const std::vector<std::pair<std::string, std::string>> cases{
      {"AC#\r\n", "line 1 of \"" + name + "\": \"AC#\" has no aircraft number"},
      {"AC#1,a\r\n\r\nAC,b\r\n", "line 3 of \"" + name + "\": \"AC\" has no aircraft number"},
      {"AC#1,a\n   \n", "line 2 of \"" + name + "\": \"   \" has no aircraft number"},
      {"AC#x1,a,b", "line 1 of \"" + name + "\": \"AC#x1\" has no aircraft number"},
      {"AC#2\rAC#2147483648,a",
       "line 2 of \"" + name + "\": \"AC#2147483648\" has no aircraft number"},
      {",AC#1", "line 1 of \"" + name + "\": \"\" has no aircraft number"},
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

TEST(ReadACNumFile, FailsForAMissingFile) {
  TempFolder folder;
  ACNumRecordList list;
  const Result<void> read = ReadACNumFile(list, folder.Name("fp.txt"));
  ASSERT_FALSE(read);
  EXPECT_EQ(read.error().Message,
            "cannot open \"" + folder.Name("fp.txt") + "\": No such file or directory");
}

TEST(ReadAPFile, TakesTheFirstFieldWithoutSurroundingSpacesAsTheId) {
  TempFolder folder;
  APRecordList list;
  ASSERT_TRUE(
      ReadAPFile(list, folder.Write("ap.txt", " ABCD ,1\r\n\r\n\tABCD,2\r\n,3\n   ,4\rKXYZ")));
  EXPECT_EQ(Contents(list), (KeyedLines{{"ABCD", " ABCD ,1"},
                                        {"\tABCD", "\tABCD,2"},
                                        {"", ",3"},
                                        {"", "   ,4"},
                                        {"KXYZ", "KXYZ"}}));
}

TEST(WriteACNumFile, WritesEachDistinctNonEmptyLineOnceInListOrder) {
  TempFolder folder;
  const std::string name = folder.Write("out.txt", "earlier content\r\n");
  const std::vector<ACNumRecord> records{{5, "AC#5,X"}, {5, "ac#5,X"}, {5, "AC#5,X"}, {5, ""},
                                         {5, "AC#5,Y"}, {5, "ac#5,X"}, {1, "AC#1"}};
  ASSERT_TRUE(WriteACNumFile(records, name));
  EXPECT_EQ(ReadBytes(name), "AC#5,X\r\nac#5,X\r\nAC#5,Y\r\nAC#1\r\n");
}

TEST(WriteACNumFile, AnEmptyListLeavesAnEmptyFile) {
  TempFolder folder;
  const std::string name = folder.Write("out.txt", "earlier content\r\n");
  ASSERT_TRUE(WriteACNumFile({}, name));
  EXPECT_EQ(ReadBytes(name), "");
}

TEST(WriteACNumFile, DropsRepeatsFarApartInSortedAndUnsortedLists) {
  std::vector<std::string> lines;
  std::vector<ACNumRecord> records;
  std::string expected;
  // Sorted: a short run of number 1, a long run of number 2 whose 20 lines repeat in turn.
  for (const char* line : {"AC#1,a", "AC#1,b", "AC#1,a", "AC#1,c", "AC#1,b"})
    lines.push_back(line);
  for (int i = 0; i < 60; ++i)
    lines.push_back("AC#2,leg " + std::to_string(i % 20));
  for (const std::string& line : lines)
    records.push_back({line[3] == '1' ? 1 : 2, line});
  expected = "AC#1,a\r\nAC#1,b\r\nAC#1,c\r\n";
  for (std::size_t i = 5; i < 25; ++i)
    expected += lines[i] + "\r\n";
  TempFolder folder;
  ASSERT_TRUE(WriteACNumFile(records, folder.Name("sorted.txt")));
  EXPECT_EQ(ReadBytes(folder.Name("sorted.txt")), expected);

  // Unsorted: lines i and i + 1500 are equal; 2k and 2k + 1 share a number but differ.
  lines.clear();
  records.clear();
  expected.clear();
  for (int i = 0; i < 3000; ++i)
    lines.push_back("AC#" + std::to_string(i % 1500 / 2) + ",leg " + std::to_string(i % 1500));
  for (std::size_t i = 0; i < lines.size(); ++i)
    records.push_back({static_cast<std::int32_t>(i % 1500 / 2), lines[i]});
  for (std::size_t i = 0; i < 1500; ++i)
    expected += lines[i] + "\r\n";
  ASSERT_TRUE(WriteACNumFile(records, folder.Name("unsorted.txt")));
  EXPECT_TRUE(ReadBytes(folder.Name("unsorted.txt")) == expected);
}

TEST(WriteAPFile, WritesTheFirstRecordOfEachNonEmptyId) {
  TempFolder folder;
  const std::string name = folder.Name("out.txt");
  const std::vector<APRecord> sorted{
      {"", ",a"},           {"", "  ,b"},       {"\tABCD", "\tABCD,1"}, {"ABCD", "ABCD,2"},
      {"ABCD", " ABCD ,3"}, {"KXYZ", "KXYZ,4"}, {"KXYZ", "KXYZ,5"},     {"kxyz", "kxyz,6"}};
  ASSERT_TRUE(WriteAPFile(sorted, name));
  EXPECT_EQ(ReadBytes(name), "\tABCD,1\r\nABCD,2\r\nKXYZ,4\r\nkxyz,6\r\n");

  ASSERT_TRUE(WriteAPFile(std::vector<APRecord>{{"", ",a"}, {"", " ,b"}}, name));
  EXPECT_EQ(ReadBytes(name), "");
}

TEST(RecordWriters, AFailedWriteLeavesTheFileAsItWas) {
  TempFolder folder;
  const std::string name = folder.Write("out.txt", "earlier content\r\n");
  test::FaultyFileSystem failsToReplace;
  failsToReplace.FailAt(test::FileStep::ReplaceTarget, 1);
  const std::vector<ACNumRecord> numbered{{1, "AC#1,a"}};
  EXPECT_FALSE(WriteACNumFile(numbered, name, failsToReplace));
  test::FaultyFileSystem failsToWrite;
  failsToWrite.FailAt(test::FileStep::Write, 1);
  const std::vector<APRecord> airports{{"ABCD", "ABCD,1"}};
  EXPECT_FALSE(WriteAPFile(airports, name, failsToWrite));
  EXPECT_EQ(ReadBytes(name), "earlier content\r\n");
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"out.txt"});
}

}  // namespace
}  // namespace fw
