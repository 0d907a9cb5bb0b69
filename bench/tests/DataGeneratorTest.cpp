#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "bench/DataGenerator.h"

namespace fw::bench {
namespace {

std::vector<std::string> Lines(const GeneratorSettings& settings) {
  std::vector<std::string> lines;
  GenerateLines(settings, [&lines](std::string_view line) { lines.emplace_back(line); });
  return lines;
}

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (std::size_t comma; (comma = line.find(',', start)) != std::string::npos; start = comma + 1)
    fields.push_back(line.substr(start, comma - start));
  fields.push_back(line.substr(start));
  return fields;
}

std::string KeyOf(const std::string& line) {
  return line.substr(0, line.find(','));
}

GeneratorSettings Settings(FileKind kind, std::uint64_t lines, LineMix mix = LineMix::Mixed) {
  GeneratorSettings settings;
  settings.Kind = kind;
  settings.Lines = lines;
  settings.Mix = mix;
  return settings;
}

TEST(DataGenerator, TheSameSettingsGiveTheSameFileAndAnotherSeedAnotherOne) {
  GeneratorSettings settings = Settings(FileKind::FlightPlans, 2000);
  const std::string first = GenerateFile(settings);
  EXPECT_EQ(GenerateFile(settings), first);
  settings.Seed = 2;
  EXPECT_NE(GenerateFile(settings), first);
}

TEST(DataGenerator, FlightPlansHaveTheirHeaderAndTwoToSevenLegsOfSixFields) {
  std::set<std::size_t> legCounts;
  for (const std::string& line : Lines(Settings(FileKind::FlightPlans, 3000))) {
    const std::vector<std::string> fields = Fields(line);
    ASSERT_EQ((fields.size() - 5) % 6, 0u) << line;
    legCounts.insert((fields.size() - 5) / 6);
    ASSERT_EQ(fields[0].substr(0, 3), "AC#") << line;
    ASSERT_TRUE(std::all_of(fields[0].begin() + 3, fields[0].end(), ::isdigit)) << line;
    ASSERT_EQ(fields[1].size(), 6u) << line;
    ASSERT_EQ(fields[2].back(), '%') << line;
    ASSERT_EQ(fields[6].front(), '@') << line;  // the first leg's arrival
    ASSERT_EQ(fields[10].size(), 4u) << line;   // the first leg's airport
  }
  EXPECT_EQ(legCounts, (std::set<std::size_t>{2, 3, 4, 5, 6, 7}));
}

TEST(DataGenerator, AircraftAndAirportLinesHaveTheirFields) {
  for (const std::string& line : Lines(Settings(FileKind::Aircraft, 500))) {
    const std::vector<std::string> fields = Fields(line);
    ASSERT_EQ(fields.size(), 3u) << line;
    ASSERT_EQ(fields[0].substr(0, 3), "AC#") << line;
    ASSERT_EQ(fields[2].substr(0, 4), "\"AI ") << line;
    ASSERT_EQ(fields[2].back(), '"') << line;
  }
  for (const std::string& line : Lines(Settings(FileKind::Airports, 500))) {
    const std::vector<std::string> fields = Fields(line);
    ASSERT_EQ(fields.size(), 4u) << line;
    ASSERT_EQ(fields[0].size(), 4u) << line;
    ASSERT_TRUE(std::all_of(fields[0].begin(), fields[0].end(), ::isupper)) << line;
    ASSERT_NE(fields[1].find("* "), std::string::npos) << line;
  }
}

TEST(DataGenerator, DistinctModeRepeatsNoLineAndNoKey) {
  for (const FileKind kind : {FileKind::FlightPlans, FileKind::Airports}) {
    const std::vector<std::string> lines = Lines(Settings(kind, 20000, LineMix::Distinct));
    std::set<std::string> keys;
    for (const std::string& line : lines)
      keys.insert(KeyOf(line));
    EXPECT_EQ(keys.size(), lines.size());
  }
}

TEST(DataGenerator, IdenticalModeRepeatsOneLine) {
  const std::vector<std::string> lines =
      Lines(Settings(FileKind::FlightPlans, 1000, LineMix::Identical));
  EXPECT_EQ(std::set<std::string>(lines.begin(), lines.end()).size(), 1u);
}

TEST(DataGenerator, MixedModeHoldsTheChosenSharesOfDuplicatesAndRepeatedKeys) {
  GeneratorSettings settings = Settings(FileKind::FlightPlans, 40000);
  settings.DuplicateShare = 0.3;
  settings.RepeatShare = 0.5;
  const std::vector<std::string> lines = Lines(settings);
  const std::set<std::string> distinct(lines.begin(), lines.end());
  std::set<std::string> keys;
  for (const std::string& line : distinct)
    keys.insert(KeyOf(line));
  // 70 % of the lines are new; half of the new ones take an earlier line's key.
  EXPECT_NEAR(static_cast<double>(distinct.size()) / lines.size(), 0.7, 0.02);
  EXPECT_NEAR(static_cast<double>(keys.size()) / distinct.size(), 0.5, 0.02);
}

TEST(DataGenerator, NamesItsThreeKinds) {
  EXPECT_EQ(ParseFileKind("flight-plans"), FileKind::FlightPlans);
  EXPECT_EQ(ParseFileKind("aircraft"), FileKind::Aircraft);
  EXPECT_EQ(ParseFileKind("airports"), FileKind::Airports);
  EXPECT_EQ(ParseFileKind("airport"), std::nullopt);
}

}  // namespace
}  // namespace fw::bench
