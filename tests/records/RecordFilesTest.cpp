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
  Texts records;
  for (const ACNumRecord& record : list.Records)
    records.push_back(std::to_string(record.ACNum) + "|" + std::string(record.Line));
  EXPECT_EQ(records, expected);
}

TEST(ReadACNumFile, NamesTheFileTheLineAndTheFieldWithoutANumber) {
  TempFolder folder;
  const std::string name = folder.Name("fp.txt");
  const std::pair<std::string, std::string> cases[] = {
      // A line of spaces is blank, but counts; one with text after spaces is an entry.
      {"AC#1,a\n   \n  AC#2,b", "line 3 of \"" + name + "\": \"  AC#2\" has no aircraft number"},
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

}  // namespace
}  // namespace fw
