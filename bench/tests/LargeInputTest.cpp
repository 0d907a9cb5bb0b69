// The core on inputs large enough for its threaded and run-by-run paths; each result is checked
// against the plain single-threaded rules.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "ReferenceLines.h"
#include "bench/DataGenerator.h"
#include "records/Layout.h"
#include "records/Operations.h"
#include "records/RecordFiles.h"
#include "records/TextOrder.h"
#include "support/TempFolder.h"

namespace fw {
namespace {

// Past the size at which the sorts and the parser start threads.
constexpr std::size_t kManyRecords = 300'000;
const std::string kStorage(kManyRecords, 'x');  // each record's line starts at its own byte

// Record identity, not only the key: which of several equal keys comes first matters.
std::vector<const char*> Identities(const auto& records) {
  std::vector<const char*> identities;
  for (const auto& record : records)
    identities.push_back(record.Line.data());
  return identities;
}

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
  std::set<std::string_view> seenLines;
  std::set<std::string_view> seenIds;
  std::vector<ACNumRecord> expectedNumbers;
  std::vector<APRecord> expectedAirports;
  for (const Block& block : blocks) {
    const auto firstNumber = static_cast<std::ptrdiff_t>(expectedNumbers.size());
    const auto firstAirport = static_cast<std::ptrdiff_t>(expectedAirports.size());
    for (std::size_t i = block.First; i < block.End; ++i) {
      if (seenLines.insert(numbers[i].Line).second)
        expectedNumbers.push_back(numbers[i]);
      if (seenIds.insert(airports[i].APID).second)
        expectedAirports.push_back(airports[i]);
    }
    std::stable_sort(expectedNumbers.begin() + firstNumber, expectedNumbers.end(),
                     [](const auto& a, const auto& b) { return a.ACNum < b.ACNum; });
    std::stable_sort(expectedAirports.begin() + firstAirport, expectedAirports.end(),
                     [](const auto& a, const auto& b) { return TextLess(a.APID, b.APID); });
  }
  ArrangeBlocks(numbers, blocks);
  ArrangeBlocks(airports, blocks);
  std::erase_if(numbers, [](const ACNumRecord& record) { return record.Line.empty(); });
  std::erase_if(airports, [](const APRecord& record) { return record.APID.empty(); });
  EXPECT_EQ(Identities(numbers), Identities(expectedNumbers));
  EXPECT_EQ(Identities(airports), Identities(expectedAirports));
}

// Twelve megabytes of lines with every kind of line end, empty, blank and comment lines and
// switched-off entries. For each number in bad, the first entry from that line number on
// (counted from 1, every line included) has no aircraft number.
struct BigFile {
  explicit BigFile(const std::set<std::size_t>& bad) {
    static const char* const kEnds[] = {"\r\n", "\r", "\n", "\r\n\r\n", "\n\n\r"};
    static const std::size_t kLinesEnded[] = {1, 1, 1, 2, 3};
    static const char* const kGapLines[] = {"// title", " \t", "//#x"};
    std::mt19937 random(3);
    auto nextBad = bad.begin();
    for (std::size_t number = 1; Bytes.size() < (std::size_t{12} << 20);) {
      const std::size_t kind = random() % 16;
      const bool isBad = kind > 2 && nextBad != bad.end() && *nextBad <= number;
      if (isBad && nextBad++ == bad.begin())
        FirstBadLine = number;
      GoodBeforeFirstBad += FirstBadLine == 0 && kind > 2;
      Bytes += kind < 3 ? kGapLines[kind] : isBad ? "XY" : kind == 3 ? "//#" : "AC#";
      if (kind > 2 && !isBad)
        Bytes += std::to_string(random() % 5000) + ",N1,100%,WEEK";
      const std::size_t end = random() % 5;
      Bytes += kEnds[end];
      number += kLinesEnded[end];
    }
    Bytes += "AC#1,last line without an end";
  }
  std::string Bytes;
  std::size_t FirstBadLine = 0;
  std::size_t GoodBeforeFirstBad = 0;
};

// The lines of the gaps, each with the number of records before it and whether its gap holds a
// comment.
std::vector<std::tuple<std::size_t, const char*, bool>> GapLines(const std::vector<Gap>& gaps) {
  std::vector<std::tuple<std::size_t, const char*, bool>> lines;
  for (const Gap& gap : gaps) {
    for (const std::string_view line : fuzz::ReferenceLines(gap.Lines))
      lines.emplace_back(gap.Before, line.data(), gap.Comments);
  }
  return lines;
}

TEST(LargeFiles, ParsingFindsThePlainlySplitLinesAndNamesABadLineByItsNumber) {
  const std::string file = BigFile({}).Bytes;
  ACNumRecordList expected;
  expected.Records = {{-1, "a record read before"}};
  std::vector<std::tuple<std::size_t, const char*, bool>> expectedGaps;
  const auto lines = fuzz::ReferenceLines(file);
  auto isGapLine = [](std::string_view line) {
    return line.empty() || line == " \t" || line == "// title" || line == "//#x";
  };
  for (std::size_t k = 0; k < lines.size(); ++k) {
    if (!isGapLine(lines[k])) {
      expected.Records.push_back({std::stoi(std::string(lines[k].substr(3))), lines[k]});
      continue;
    }
    const auto end = std::find_if_not(lines.begin() + k, lines.end(), isGapLine);
    const bool comments = std::any_of(lines.begin() + k, end,
                                      [](std::string_view line) { return line.starts_with("//"); });
    for (; lines.begin() + k != end; ++k)
      expectedGaps.emplace_back(expected.Records.size(), lines[k].data(), comments);
    --k;
  }
  ACNumRecordList list;
  list.Records = {expected.Records.front()};
  ASSERT_TRUE(ParseACNumLines(file, list, "big.txt"));
  ASSERT_EQ(list.Records.size(), expected.Records.size());
  for (std::size_t i = 0; i < expected.Records.size(); ++i) {
    ASSERT_EQ(list.Records[i].Line.data(), expected.Records[i].Line.data()) << i;
    ASSERT_EQ(list.Records[i].Line.size(), expected.Records[i].Line.size()) << i;
    ASSERT_EQ(list.Records[i].ACNum, expected.Records[i].ACNum) << i;
  }
  EXPECT_TRUE(GapLines(list.Gaps) == expectedGaps);
  // In an airport file a switched-off entry is a comment.
  APRecordList airports;
  ParseAPLines(file, airports);
  std::erase_if(expected.Records, [](const ACNumRecord& r) { return r.Line.data()[0] != 'A'; });
  EXPECT_EQ(Identities(airports.Records), Identities(expected.Records));

  // Lines near the end lie in the second half, which another thread parses; of two bad lines,
  // one in each half, the first is named.
  for (const std::set<std::size_t>& bad :
       std::vector<std::set<std::size_t>>{{600'000}, {100, 600'000}, {599'990, 600'000}}) {
    const BigFile badFile(bad);
    list = ACNumRecordList();
    const Result<void> parsed = ParseACNumLines(badFile.Bytes, list, "big.txt");
    ASSERT_FALSE(parsed);
    EXPECT_EQ(parsed.error().Message, "line " + std::to_string(badFile.FirstBadLine) +
                                          " of \"big.txt\": \"XY\" has no aircraft number");
    EXPECT_EQ(list.Records.size(), badFile.GoodBeforeFirstBad);
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
