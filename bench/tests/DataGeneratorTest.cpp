#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "bench/DataGenerator.h"

namespace fw::bench {
namespace {

std::vector<std::string> Lines(FileKind kind, std::uint64_t count, LineMix mix = LineMix::Mixed) {
  GeneratorSettings settings;
  settings.Kind = kind;
  settings.Lines = count;
  settings.Mix = mix;
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

TEST(DataGenerator, TheSameSettingsGiveTheSameFileAndAnotherSeedAnotherOne) {
  GeneratorSettings settings;
  settings.Lines = 2000;
  const std::string first = GenerateFile(settings);
  EXPECT_EQ(GenerateFile(settings), first);
  settings.Seed = 2;
  EXPECT_NE(GenerateFile(settings), first);
  EXPECT_EQ(ParseFileKind("airports"), FileKind::Airports);
  EXPECT_EQ(ParseFileKind("airport"), std::nullopt);
}

TEST(DataGenerator, AGroupedFileHoldsThePlainFilesEntriesUnderAHeaderAndTitles) {
  const std::vector<std::string> plain = Lines(FileKind::FlightPlans, 25);
  GeneratorSettings settings;
  settings.Lines = 25;
  settings.GroupSize = 10;
  std::vector<std::string> grouped;
  GenerateLines(settings, [&grouped](std::string_view line) { grouped.emplace_back(line); });
  // Three header lines, then a blank line and a title before entries 0, 10 and 20.
  ASSERT_EQ(grouped.size(), 3u + 25 + 3 * 2);
  EXPECT_TRUE(grouped[0].starts_with("//FSXDAYS=") && grouped[2].starts_with("//"));
  std::vector<std::string> entries;
  for (std::size_t k = 3; k < grouped.size(); k += 12) {
    EXPECT_EQ(grouped[k], "");
    EXPECT_EQ(grouped[k + 1], "//Group " + std::to_string(k / 12 + 1));
    entries.insert(entries.end(), grouped.begin() + static_cast<std::ptrdiff_t>(k + 2),
                   grouped.begin() + static_cast<std::ptrdiff_t>(std::min(k + 12, grouped.size())));
  }
  EXPECT_EQ(entries, plain);
}

TEST(DataGenerator, EachKindOfLineHasItsFields) {
  std::set<std::size_t> legCounts;
  for (const std::string& line : Lines(FileKind::FlightPlans, 3000)) {
    const std::vector<std::string> fields = Fields(line);
    ASSERT_EQ((fields.size() - 5) % 6, 0u) << line;  // a header, then legs of six fields
    legCounts.insert((fields.size() - 5) / 6);
    ASSERT_EQ(fields[0].substr(0, 3), "AC#") << line;
    ASSERT_TRUE(std::all_of(fields[0].begin() + 3, fields[0].end(), ::isdigit)) << line;
    ASSERT_EQ(fields[2].back(), '%') << line;
    ASSERT_EQ(fields[6].front(), '@') << line;  // the first leg's arrival
    ASSERT_EQ(fields[10].size(), 4u) << line;   // the first leg's airport
  }
  EXPECT_EQ(legCounts, (std::set<std::size_t>{2, 3, 4, 5, 6, 7}));
  for (const std::string& line : Lines(FileKind::Aircraft, 500)) {
    const std::vector<std::string> fields = Fields(line);
    ASSERT_EQ(fields.size(), 3u) << line;
    ASSERT_EQ(fields[2].substr(0, 4), "\"AI ") << line;
  }
  for (const std::string& line : Lines(FileKind::Airports, 500)) {
    const std::vector<std::string> fields = Fields(line);
    ASSERT_EQ(fields.size(), 4u) << line;
    ASSERT_TRUE(fields[0].size() == 4 && std::all_of(fields[0].begin(), fields[0].end(), ::isupper))
        << line;
  }
}

TEST(DataGenerator, EachMixHoldsItsSharesOfDuplicateLinesAndRepeatedKeys) {
  // Share of distinct lines among all, share of distinct keys among distinct lines.
  auto shares = [](const std::vector<std::string>& lines) {
    const std::set<std::string> distinct(lines.begin(), lines.end());
    std::set<std::string> keys;
    for (const std::string& line : distinct)
      keys.insert(line.substr(0, line.find(',')));
    return std::pair{static_cast<double>(distinct.size()) / lines.size(),
                     static_cast<double>(keys.size()) / distinct.size()};
  };
  for (const FileKind kind : {FileKind::FlightPlans, FileKind::Airports})
    EXPECT_EQ(shares(Lines(kind, 20000, LineMix::Distinct)), (std::pair{1.0, 1.0}));
  EXPECT_EQ(shares(Lines(FileKind::FlightPlans, 1000, LineMix::Identical)).first, 1.0 / 1000);

  GeneratorSettings settings;
  settings.Lines = 40000;
  settings.DuplicateShare = 0.3;
  settings.RepeatShare = 0.5;
  std::vector<std::string> lines;
  GenerateLines(settings, [&lines](std::string_view line) { lines.emplace_back(line); });
  // 70 % of the lines are new; half of the new ones take an earlier line's key.
  const auto [distinct, keys] = shares(lines);
  EXPECT_NEAR(distinct, 0.7, 0.02);
  EXPECT_NEAR(keys, 0.5, 0.02);
}

}  // namespace
}  // namespace fw::bench
