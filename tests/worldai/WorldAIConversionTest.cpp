#include <gtest/gtest.h>

#include <filesystem>

#include "shell/Paths.h"
#include "support/TempFolder.h"
#include "worldai/WorldAIConversion.h"

namespace fw {
namespace {

constexpr const char* kFailure = "Error in frmMain:cmdChangeWorldAIAircraft_Click(): ";

// A folder holding the two code tables of the worked example.
class WorldAIFolder : public ::testing::Test {
 protected:
  WorldAIFolder() { WriteTables(); }

  void WriteTables() {
    m_folder.Write("Aircraft Codes.txt", "AB1,Alpha One\r\n");
    m_folder.Write("Airline Codes.txt", "QQQ,\"Quebec Air\"\r\n");
  }

  std::string Folder() const { return WithTrailingSeparator(m_folder.Path().string()); }

  // The converted line, or "refused: " and the description.
  std::string Convert(std::string_view line) const {
    std::string output;
    const auto converted = ConvertWorldAILine(line, LoadAircraftCodes(Folder()).value(),
                                              LoadAirlineCodes(Folder()).value(), output);
    return converted ? output : "refused: " + converted.error().Message;
  }

  test::TempFolder m_folder;
};

TEST_F(WorldAIFolder, ReplacesBothCodesByNamesInSwappedOrder) {
  EXPECT_EQ(Convert("AC#1,250,\"ai QQQ AB1\""), "AC#1,250,\"ai Alpha One Quebec Air\"");
  EXPECT_EQ(Convert("AC#1,250,\"AI QQQ AB1\""), "AC#1,250,\"ai Alpha One Quebec Air\"");
  EXPECT_EQ(Convert("AC#1,250,\"ai  XX  ZZ9\""), "AC#1,250,\"ai ZZ9 XX\"");
  // "ai " ending a word of the lead is the marker; the rest is cut from the line's end.
  EXPECT_EQ(Convert("Mumbai ai QQQ AB1\""), "Mumbai Alpha One ai QQQ\"");
  EXPECT_EQ(Convert("x ai  AB1\""), "x ai Alpha One \"");
  EXPECT_EQ(Convert("x ai AB1\""), "refused: fewer than five characters after the \"ai \" marker");
}

TEST_F(WorldAIFolder, WritesOneTrimmedLineEachEndingInCrLf) {
  m_folder.Write("AddToAircraft.txt",
                 "  AC#1,250,\"ai QQQ AB1\"  \nAC#2,7,\"Ai RRR ZZ9\"\rAC#3,1,\"ai QQQ AB1\"");
  EXPECT_EQ(ConvertWorldAIAircraftList(Folder()),
            (Message{MessageIcon::Information, "Success", "AC.txt File Successfully Created!"}));
  EXPECT_EQ(test::ReadBytes(m_folder.Path() / "AC.txt"),
            "AC#1,250,\"ai Alpha One Quebec Air\"\r\nAC#2,7,\"ai ZZ9 RRR\"\r\n"
            "AC#3,1,\"ai Alpha One Quebec Air\"\r\n");

  m_folder.Write("AddToAircraft.txt", "");
  EXPECT_EQ(ConvertWorldAIAircraftList(Folder()).Title, "Success");
  EXPECT_EQ(test::ReadBytes(m_folder.Path() / "AC.txt"), "");
}

TEST_F(WorldAIFolder, AFailureLeavesAnExistingListAsItWas) {
  const std::string good = "AC#1,250,\"ai QQQ AB1\"\r\n";
  const struct {
    const char* file;
    std::string bytes;  // empty: the file is missing
    std::string description;
  } cases[] = {
      {"AddToAircraft.txt", good + good + good + good + good + good + "AC#7 QQQ AB1\r\n" + good,
       "line 7 of \"AddToAircraft.txt\": no \"ai \" marker"},
      {"AddToAircraft.txt", good + "   \r\n" + good,
       "line 2 of \"AddToAircraft.txt\": the line is blank"},
      {"AddToAircraft.txt", good + "ai AB1\"",
       "line 2 of \"AddToAircraft.txt\": fewer than five characters after the \"ai \" marker"},
      {"Airline Codes.txt", "QQQ,Quebec Air\r\nRRR\r\n",
       "\"Airline Codes.txt\": the last entry has no name"},
      {"Aircraft Codes.txt", "",
       "cannot open \"" + Folder() + "Aircraft Codes.txt\": No such file or directory"},
  };
  for (const auto& broken : cases) {
    SCOPED_TRACE(broken.description);
    WriteTables();
    m_folder.Write("AddToAircraft.txt", good);
    m_folder.Write("AC.txt", "old list\r\n");
    if (broken.bytes.empty()) {
      std::filesystem::remove(m_folder.Path() / broken.file);
    } else {
      m_folder.Write(broken.file, broken.bytes);
    }
    const auto entries = m_folder.Entries();
    EXPECT_EQ(ConvertWorldAIAircraftList(Folder()),
              (Message{MessageIcon::Exclamation, "Error", kFailure + broken.description}));
    EXPECT_EQ(test::ReadBytes(m_folder.Path() / "AC.txt"), "old list\r\n");
    EXPECT_EQ(m_folder.Entries(), entries);
  }
}

}  // namespace
}  // namespace fw
