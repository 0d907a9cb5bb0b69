#include <gtest/gtest.h>

#include "platform/Paths.h"
#include "support/TempFolder.h"
#include "worldai/WorldAIConversion.h"

namespace fw {
namespace {

// A folder holding the two code tables of the worked example.
class WorldAIFolder : public ::testing::Test {
 protected:
  WorldAIFolder() { WriteTables(); }

  void WriteTables() {
    m_folder.Write("Aircraft Codes.txt", "AB1,Alpha One\r\n");
    m_folder.Write("Airline Codes.txt", "QQQ,\"Quebec Air\"\r\n");
  }

  std::string Folder() const { return WithTrailingSeparator(m_folder.Path().string()); }

  std::string ConvertedList() const { return test::ReadBytes(m_folder.Path() / "AC.txt"); }

  test::TempFolder m_folder;
};

TEST_F(WorldAIFolder, ReplacesBothCodesByNamesInSwappedOrder) {
  // Trimmed lines; a code in no table stands for itself; "ai " ending a word of the lead is the
  // marker, and the codes are cut from the line's end.
  m_folder.Write("AddToAircraft.txt",
                 "  AC#1,250,\"ai QQQ AB1\"  \nAC#2,7,\"AI  XX  ZZ9\"\r"
                 "Mumbai ai QQQ AB1\"\r\nx ai  AB1\"");
  ASSERT_TRUE(ConvertWorldAIAircraftList(Folder()));
  EXPECT_EQ(ConvertedList(),
            "AC#1,250,\"ai Alpha One Quebec Air\"\r\nAC#2,7,\"ai ZZ9 XX\"\r\n"
            "Mumbai Alpha One ai QQQ\"\r\nx ai Alpha One \"\r\n");
  m_folder.Write("AddToAircraft.txt", "");
  ASSERT_TRUE(ConvertWorldAIAircraftList(Folder()));
  EXPECT_EQ(ConvertedList(), "");
}

TEST_F(WorldAIFolder, AFailureLeavesAnExistingListAsItWas) {
  const std::string good = "AC#1,250,\"ai QQQ AB1\"\r\n";
  const struct {
    const char* file;
    std::string bytes;
    std::string description;
  } cases[] = {
      {"AddToAircraft.txt", good + good + "AC#7 QQQ AB1\r\n" + good,
       "line 3 of \"AddToAircraft.txt\": no \"ai \" marker"},
      {"AddToAircraft.txt", good + "   \r\n" + good,
       "line 2 of \"AddToAircraft.txt\": the line is blank"},
      {"AddToAircraft.txt", good + "ai AB1\"",
       "line 2 of \"AddToAircraft.txt\": fewer than five characters after the \"ai \" marker"},
      {"Airline Codes.txt", "QQQ,Quebec Air\r\nRRR\r\n",
       "\"Airline Codes.txt\": the last entry has no name"},
  };
  for (const auto& broken : cases) {
    SCOPED_TRACE(broken.description);
    WriteTables();
    m_folder.Write("AddToAircraft.txt", good);
    m_folder.Write("AC.txt", "old list\r\n");
    m_folder.Write(broken.file, broken.bytes);
    const auto entries = m_folder.Entries();
    const Result<void> converted = ConvertWorldAIAircraftList(Folder());
    ASSERT_FALSE(converted);
    EXPECT_EQ(converted.error().Message, broken.description);
    EXPECT_EQ(ConvertedList(), "old list\r\n");
    EXPECT_EQ(m_folder.Entries(), entries);
  }
}

}  // namespace
}  // namespace fw
