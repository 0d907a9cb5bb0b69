#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "bench/DataGenerator.h"

namespace fw::bench {
namespace {

std::vector<std::string> Lines(GeneratorSettings settings) {
  std::vector<std::string> lines;
  GenerateLines(settings, [&lines](std::string_view line) { lines.emplace_back(line); });
  return lines;
}

std::vector<std::string> Lines(FileKind kind, std::uint64_t count, LineMix mix = LineMix::Mixed) {
  return Lines({.Kind = kind, .Lines = count, .Mix = mix});
}

TEST(DataGenerator, TheSameSettingsGiveTheSameFileAndAnotherSeedAnotherOne) {
  GeneratorSettings settings{.Lines = 2000};
  const std::string first = GenerateFile(settings);
  EXPECT_EQ(GenerateFile(settings), first);
  settings.Seed = 2;
  EXPECT_NE(GenerateFile(settings), first);
  EXPECT_EQ(ParseFileKind("airports"), FileKind::Airports);
  EXPECT_EQ(ParseFileKind("airport"), std::nullopt);
}

TEST(DataGenerator, AGroupedFileHoldsThePlainFilesEntriesUnderAHeaderAndTitles) {
  const std::vector<std::string> grouped = Lines({.Lines = 25, .GroupSize = 10});
  // Three header lines, then a blank line and a title before entries 0, 10 and 20.
  ASSERT_EQ(grouped.size(), 3u + 25 + 3 * 2);
  EXPECT_TRUE(grouped[0].starts_with("//FSXDAYS=") && grouped[2].starts_with("//"));
  std::vector<std::string> entries;
  for (std::size_t k = 3; k < grouped.size(); k += 12) {
    EXPECT_EQ(grouped[k] + "|" + grouped[k + 1], "|//Group " + std::to_string(k / 12 + 1));
    const auto first = grouped.begin() + static_cast<std::ptrdiff_t>(k + 2);
    entries.insert(entries.end(), first,
                   first + std::min<std::ptrdiff_t>(10, grouped.end() - first));
  }
  EXPECT_EQ(entries, Lines(FileKind::FlightPlans, 25));
}

TEST(DataGenerator, EachKindOfLineHasItsFields) {
  // Flight plans: a header of five fields, then legs of six; two to seven legs.
  const std::pair<FileKind, std::set<std::size_t>> kinds[] = {
      {FileKind::FlightPlans, {17, 23, 29, 35, 41, 47}},
      {FileKind::Aircraft, {3}},
      {FileKind::Airports, {4}}};
  for (const auto& [kind, fieldCounts] : kinds) {
    std::set<std::size_t> counts;
    for (const std::string& line : Lines(kind, 3000)) {
      counts.insert(std::count(line.begin(), line.end(), ',') + 1);
      ASSERT_TRUE(kind == FileKind::Airports || line.starts_with("AC#")) << line;
    }
    EXPECT_EQ(counts, fieldCounts);
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
  // 70 % of the lines are new; half of the new ones take an earlier line's key.
  const auto [distinct, keys] =
      shares(Lines({.Lines = 40000, .DuplicateShare = 0.3, .RepeatShare = 0.5}));
  EXPECT_NEAR(distinct, 0.7, 0.02);
  EXPECT_NEAR(keys, 0.5, 0.02);
}

}  // namespace
}  // namespace fw::bench
