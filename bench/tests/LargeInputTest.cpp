// The core on inputs large enough for its threaded and run-by-run paths; each result is checked
// against the plain single-threaded rules.
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "BlockChecks.h"
#include "ReaderChecks.h"
#include "bench/DataGenerator.h"
#include "records/Operations.h"
#include "records/RecordFiles.h"
#include "support/TempFolder.h"

namespace fw {
namespace {

// Past the size at which the sorts and the parser start threads.
constexpr std::size_t kManyRecords = 300'000;
const std::string kStorage(kManyRecords, 'x');  // each record's line starts at its own byte

TEST(LargeLists, ArrangedBlocksKeepTheFirstOfEqualEntriesAndSortStably) {
  // Lines and IDs from a pool of 50,000, so that repeats within and across blocks are many, in
  // blocks of about 20 records and one of 100,000; a line's number is one of 100.
  std::mt19937 random(15);
  std::vector<std::string> pool;
  for (int n = 0; n < 50'000; ++n)
    pool.push_back("AC#" + std::to_string(n % 100) + "," + std::to_string(n));
  std::vector<ACNumRecord> numbers;
  std::vector<APRecord> airports;
  std::vector<Block> blocks;
  for (std::size_t i = 0; i < kManyRecords; ++i) {
    if (i == 0 || ((i <= 100'000 || i >= 200'000) && random() % 20 == 0))
      blocks.push_back({i, i});
    ++blocks.back().End;
    const std::size_t n = random() % pool.size();
    numbers.push_back({static_cast<std::int32_t>(n % 100), pool[n]});
    airports.push_back({pool[n], std::string_view(kStorage.data() + i, 1)});
  }
  fuzz::CheckArrangedBlocks(std::move(numbers), std::move(airports), blocks);
}

// Twelve megabytes of lines with every kind of line end, empty, blank and comment lines and
// switched-off entries. For each number in bad, the first entry from that line number on
// (counted from 1, every line included) has no aircraft number.
std::string BigFile(const std::set<std::size_t>& bad) {
  static const char* const kEnds[] = {"\r\n", "\r", "\n", "\r\n\r\n", "\n\n\r"};
  static const std::size_t kLinesEnded[] = {1, 1, 1, 2, 3};
  static const char* const kGapLines[] = {"// title", " \t", "//#x"};
  std::mt19937 random(3);
  auto nextBad = bad.begin();
  std::string bytes;
  for (std::size_t number = 1; bytes.size() < (std::size_t{12} << 20);) {
    const std::size_t kind = random() % 16;
    const bool isBad = kind > 2 && nextBad != bad.end() && *nextBad <= number;
    if (isBad)
      ++nextBad;
    bytes += kind < 3 ? kGapLines[kind] : isBad ? "XY" : kind == 3 ? "//#" : "AC#";
    if (kind > 2 && !isBad)
      bytes += std::to_string(random() % 5000) + ",N1,100%,WEEK";
    const std::size_t end = random() % 5;
    bytes += kEnds[end];
    number += kLinesEnded[end];
  }
  return bytes + "AC#1,last line without an end";
}

// The same checks as for the fuzzed inputs, on a file that is parsed in two halves.
TEST(LargeFiles, ParsingFindsThePlainlySplitLinesAndNamesABadLineByItsNumber) {
  const std::string file = BigFile({});
  EXPECT_TRUE(fuzz::CheckACNumLines(file));
  fuzz::CheckAPLines(file);
  // Lines near the end lie in the second half, which another thread parses; of two bad lines,
  // one in each half, the first is named.
  for (const std::set<std::size_t>& bad :
       std::vector<std::set<std::size_t>>{{600'000}, {100, 600'000}, {599'990, 600'000}}) {
    const Result<void> parsed = fuzz::CheckACNumLines(BigFile(bad));
    ASSERT_FALSE(parsed);
    EXPECT_TRUE(parsed.error().Message.ends_with(": \"XY\" has no aircraft number"))
        << parsed.error().Message;
  }
}

// Megabytes of sorted records, so that the writing is shared out in pieces and the list is cut
// for two threads inside runs that the cut must not split: a run of one number in which equal
// lines lie apart, runs of up to three lines (some with an empty line), and one number (and ID) on
// more than eight megabytes of lines, too long to gather as one piece. The first of equal lines is
// written, empty lines never; of airports, the first line of each ID.
TEST(LargeLists, WritersKeepTheFirstOfEqualLinesAcrossPieces) {
  std::vector<std::int32_t> numbers;
  std::vector<std::string> lines;
  const auto add = [&](int number, std::string line) {
    numbers.push_back(number);
    lines.push_back(std::move(line));
  };
  const std::string padding(60, 'p');
  for (int i = 0; i < 40; ++i)
    add(5, i % 7 == 3 ? "" : "AC#5,leg " + std::to_string(i % 9));
  for (int n = 6; n < 40000; ++n) {
    for (int copy = 0; copy < n % 4; ++copy)
      add(n, copy == 2 && n % 8 == 3
                 ? ""
                 : "AC#" + std::to_string(n) + "," + std::to_string(copy % 2) + padding);
  }
  for (int i = 0; i < 120'000; ++i)
    add(50000, "AC#50000,leg " + std::to_string(i % 100'000) + padding);
  std::vector<std::string> ids;  // "K" and the number in five digits: text order is number order
  for (const std::int32_t n : numbers)
    ids.push_back("K" + std::to_string(100000 + n));
  std::vector<ACNumRecord> records;
  std::vector<APRecord> airports;
  std::string expected, expectedAirports;
  std::set<std::string_view> seen{""};
  for (std::size_t i = 0; i < lines.size(); ++i) {
    records.push_back({numbers[i], lines[i]});
    airports.push_back({ids[i], lines[i]});
    if (seen.insert(lines[i]).second)
      expected += lines[i] + "\r\n";
    if (i == 0 || ids[i] != ids[i - 1])
      expectedAirports += lines[i] + "\r\n";
  }
  test::TempFolder folder;
  ASSERT_TRUE(WriteACNumFile(records, folder.Name("fp.txt")));
  EXPECT_TRUE(test::ReadBytes(folder.Name("fp.txt")) == expected);
  ASSERT_TRUE(WriteAPFile(airports, folder.Name("ap.txt")));
  EXPECT_TRUE(test::ReadBytes(folder.Name("ap.txt")) == expectedAirports);
}

// A large input is mapped from the system's cache rather than read: sorting a file onto itself
// must still see its old bytes while the new file takes its place.
TEST(LargeFiles, SortingAFileOntoItselfGivesWhatSortingItElsewhereGives) {
  test::TempFolder folder;
  bench::GeneratorSettings settings;
  settings.Lines = 20'000;
  const std::string input = folder.Write("fp.txt", bench::GenerateFile(settings));
  const std::string elsewhere = folder.Name("sorted.txt");
  const auto noProgress = [](Step) {};
  OperationRequest request;
  request.Inputs = {input};
  request.Output = elsewhere;
  ASSERT_TRUE(SortFlightPlans(request, noProgress));
  request.Output = input;
  ASSERT_TRUE(SortFlightPlans(request, noProgress));
  EXPECT_TRUE(test::ReadBytes(input) == test::ReadBytes(elsewhere));
}

}  // namespace
}  // namespace fw
