#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "records/RecordFiles.h"
#include "support/TempFolder.h"

namespace fw {
namespace {

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

TEST(ReadACNumFile, KeepsLinesOfMegabytesWhole) {
  TempFolder folder;
  const std::string line = "AC#9," + std::string(6 << 20, 'x');
  ACNumRecordList list;
  ASSERT_TRUE(ReadACNumFile(list, folder.Write("fp.txt", line + "\r\nAC#1,a")));
  ASSERT_EQ(list.Records.size(), 2u);
  EXPECT_TRUE(list.Records[0].Line == line);
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

}  // namespace
}  // namespace fw
