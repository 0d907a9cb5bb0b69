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
#include "records/Sorting.h"
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

TEST(LargeLists, SortsMatchTheSingleThreadedPasses) {
  std::mt19937 random(7);
  const auto last = static_cast<std::ptrdiff_t>(kManyRecords) - 1;
  for (const std::int32_t range : {1, 3, 1000, 1 << 30}) {
    std::vector<ACNumRecord> records;
    for (std::size_t i = 0; i < kManyRecords; ++i)
      records.push_back({static_cast<std::int32_t>(random() % range) - range / 2,
                         std::string_view(kStorage.data() + i, 1)});
    std::vector<ACNumRecord> expected = records;
    QuickSortACNumRecords(expected, 4, 0, last);
    InsertionSortACNumRecords(expected, 0, last);
    SortACNumRecords(records);
    EXPECT_EQ(Identities(records), Identities(expected)) << "keys in a range of " << range;
  }
  // IDs of characters whose byte order differs from their text order (0x80 is the euro sign,
  // 0x81 stays 0x81), of lengths around the eight characters packed for comparison, many
  // differing only late.
  const std::string alphabet = "A a0 \x80\x81\x9f\xa0";
  std::vector<std::string> ids;
  std::vector<APRecord> records;
  for (std::size_t i = 0; i < kManyRecords; ++i) {
    std::string id = "ABCDEF";
    id.resize(random() % 12, 'B');
    while (id.size() < 12 && random() % 3 != 0)
      id += alphabet[random() % alphabet.size()];
    ids.push_back(id);
  }
  for (std::size_t i = 0; i < kManyRecords; ++i)
    records.push_back({ids[i], std::string_view(kStorage.data() + i, 1)});
  std::vector<APRecord> expected = records;
  QuickSortAPRecords(expected, 4, 0, last);
  InsertionSortAPRecords(expected, 0, last);
  SortAPRecords(records);
  EXPECT_EQ(Identities(records), Identities(expected));
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

TEST(LargeLists, WriteACNumFileWritesEachDistinctLineOnceInListOrder) {
  // A long run of one number in which equal lines lie apart, then some megabytes of short runs,
  // so that the writing is shared out in pieces, and the list is cut for two threads inside a run
  // that the cut must not split. The first of equal lines is written, empty lines never.
  std::vector<std::string> texts;
  std::vector<std::int32_t> numbers;
  for (int i = 0; i < 40; ++i) {
    texts.push_back(i % 7 == 3 ? "" : "AC#5,leg " + std::to_string(i % 9));
    numbers.push_back(5);
  }
  const std::string padding(60, 'p');
  for (int n = 6; n < 40000; ++n) {
    for (int copy = 0; copy < n % 4; ++copy) {
      texts.push_back("AC#" + std::to_string(n) + "," + std::to_string(copy % 2) + padding);
      numbers.push_back(n);
    }
  }
  // One number on more than eight megabytes of lines, most of them distinct: too long to gather
  // as one piece.
  for (int i = 0; i < 120'000; ++i) {
    texts.push_back("AC#50000,leg " + std::to_string(i % 100'000) + padding);
    numbers.push_back(50000);
  }
  std::vector<ACNumRecord> records;
  std::string expected;
  std::set<std::string_view> seen{""};
  for (std::size_t i = 0; i < texts.size(); ++i) {
    records.push_back({numbers[i], texts[i]});
    if (seen.insert(texts[i]).second)
      expected += texts[i] + "\r\n";
  }
  test::TempFolder folder;
  ASSERT_TRUE(WriteACNumFile(records, folder.Name("out.txt")));
  EXPECT_TRUE(test::ReadBytes(folder.Name("out.txt")) == expected);
}

TEST(LargeLists, WriteAPFileWritesTheFirstLineOfEachIdAcrossPieces) {
  // Megabytes of sorted airports, so that the writing is shared out in pieces: groups of one to
  // three lines an ID, and one ID on more lines than a piece holds.
  std::vector<std::string> ids;
  std::vector<std::string> lines;
  const std::string padding(60, 'p');
  for (int n = 0; n < 30000; ++n) {
    const std::string id = "K" + std::to_string(100000 + n);
    const int copies = n == 15000 ? 40000 : 1 + n % 3;
    for (int copy = 0; copy < copies; ++copy) {
      ids.push_back(id);
      lines.push_back(id + "," + std::to_string(copy) + padding);
    }
  }
  std::vector<APRecord> records;
  std::string expected;
  for (std::size_t i = 0; i < ids.size(); ++i) {
    records.push_back({ids[i], lines[i]});
    if (i == 0 || ids[i] != ids[i - 1])
      expected += lines[i] + "\r\n";
  }
  test::TempFolder folder;
  ASSERT_TRUE(WriteAPFile(records, folder.Name("ap.txt")));
  EXPECT_TRUE(test::ReadBytes(folder.Name("ap.txt")) == expected);
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
