// The core on inputs large enough for its threaded and run-by-run paths; each result is checked
// against the plain single-threaded rules.
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <vector>

#include "platform/AtomicFile.h"
#include "records/LineSplitter.h"
#include "records/RecordFiles.h"
#include "records/Sorting.h"
#include "support/FaultyFileSystem.h"
#include "support/TempFolder.h"

namespace fw {
namespace {

using test::ReadBytes;
using test::TempFolder;

// Past the size at which the sorts and the parser start threads.
constexpr std::size_t kManyRecords = 300'000;

// Record identity, not only the key: which of several equal keys comes first matters.
std::vector<const char*> Identities(const auto& records) {
  std::vector<const char*> identities;
  for (const auto& record : records)
    identities.push_back(record.Line.data());
  return identities;
}

TEST(LargeLists, SortACNumRecordsMatchesTheSingleThreadedPasses) {
  const std::string storage(kManyRecords, 'x');  // each record's line starts at its own byte
  std::mt19937 random(7);
  for (const std::int32_t range : {1, 3, 1000, 1 << 30}) {
    std::vector<ACNumRecord> records;
    for (std::size_t i = 0; i < kManyRecords; ++i)
      records.push_back({static_cast<std::int32_t>(random() % range) - range / 2,
                         std::string_view(storage.data() + i, 1)});
    std::vector<ACNumRecord> expected = records;
    const auto last = static_cast<std::ptrdiff_t>(expected.size()) - 1;
    QuickSortACNumRecords(expected, 4, 0, last);
    InsertionSortACNumRecords(expected, 0, last);
    SortACNumRecords(records);
    EXPECT_EQ(Identities(records), Identities(expected)) << "keys in a range of " << range;
  }
}

TEST(LargeLists, SortAPRecordsMatchesTheSingleThreadedPasses) {
  // IDs from a few characters whose byte order differs from their text order (0x80 is the euro
  // sign, 0x81 stays 0x81), of lengths around the eight characters packed for comparison.
  const std::string alphabet = std::string("A a0 ") + '\x80' + '\x81' + '\x9f' + '\xa0';
  std::mt19937 random(11);
  std::vector<std::string> ids;
  for (std::size_t i = 0; i < kManyRecords; ++i) {
    std::string id = "ABCDEF";  // a shared start, so that many IDs differ only late
    id.resize(random() % 12, 'B');
    while (id.size() < 12 && random() % 3 != 0)
      id += alphabet[random() % alphabet.size()];
    ids.push_back(id);
  }
  const std::string storage(kManyRecords, 'x');
  std::vector<APRecord> records;
  for (std::size_t i = 0; i < kManyRecords; ++i)
    records.push_back({ids[i], std::string_view(storage.data() + i, 1)});
  std::vector<APRecord> expected = records;
  const auto last = static_cast<std::ptrdiff_t>(expected.size()) - 1;
  QuickSortAPRecords(expected, 4, 0, last);
  InsertionSortAPRecords(expected, 0, last);
  SortAPRecords(records);
  EXPECT_EQ(Identities(records), Identities(expected));
}

// A file of many lines with every kind of line end and empty lines. For each number in bad, the
// first non-empty line from that line number on (counted from 1, empty lines included) has no
// aircraft number.
struct BigFile {
  std::string Bytes;
  std::size_t GoodLinesBeforeFirstBad = 0;
  std::size_t FirstBadLine = 0;
};

BigFile MakeBigFile(const std::set<std::size_t>& bad) {
  static const char* const kEnds[] = {"\r\n", "\r", "\n", "\r\n\r\n", "\n\n\r"};
  // Line ends of the last kind end three lines: the second and third are empty.
  static const std::size_t kLinesEnded[] = {1, 1, 1, 2, 3};
  BigFile file;
  std::mt19937 random(3);
  std::size_t number = 1;
  auto nextBad = bad.begin();
  while (file.Bytes.size() < (std::size_t{12} << 20)) {
    const bool isBad = nextBad != bad.end() && *nextBad <= number;
    if (isBad) {
      ++nextBad;
      if (file.FirstBadLine == 0)
        file.FirstBadLine = number;
    }
    if (file.FirstBadLine == 0)
      ++file.GoodLinesBeforeFirstBad;
    file.Bytes += isBad ? "XY" : "AC#" + std::to_string(random() % 5000) + ",N1,100%,WEEK";
    const std::size_t end = random() % 5;
    file.Bytes += kEnds[end];
    number += kLinesEnded[end];
  }
  file.Bytes += "AC#1,last line without an end";
  return file;
}

TEST(LargeFiles, ParseACNumLinesFindsTheLinesTheLineSplitterFinds) {
  const BigFile file = MakeBigFile({});
  std::vector<ACNumRecord> expected;
  LineSplitter lines(file.Bytes);
  for (std::string_view line; lines.Next(line);) {
    if (!line.empty())
      expected.push_back({std::stoi(std::string(line.substr(3))), line});
  }
  std::vector<ACNumRecord> records{{-1, "a record read before"}};
  ASSERT_TRUE(ParseACNumLines(file.Bytes, records, "big.txt"));
  ASSERT_EQ(records.size(), expected.size() + 1);
  EXPECT_EQ(records.front().Line, "a record read before");
  for (std::size_t i = 0; i < expected.size(); ++i) {
    ASSERT_EQ(records[i + 1].Line.data(), expected[i].Line.data()) << i;
    ASSERT_EQ(records[i + 1].Line.size(), expected[i].Line.size()) << i;
    ASSERT_EQ(records[i + 1].ACNum, expected[i].ACNum) << i;
  }

  std::vector<APRecord> airports;
  ParseAPLines(file.Bytes, airports);
  ASSERT_EQ(airports.size(), expected.size());
  EXPECT_EQ(Identities(airports), Identities(expected));
}

TEST(LargeFiles, ABadLineIsReportedByItsNumberInTheWholeFile) {
  // Lines near the end lie in the second half, which another thread parses.
  for (const std::set<std::size_t>& bad :
       std::vector<std::set<std::size_t>>{{600'000}, {100, 600'000}, {599'990, 600'000}}) {
    const BigFile file = MakeBigFile(bad);
    std::vector<ACNumRecord> records;
    const Result<void> parsed = ParseACNumLines(file.Bytes, records, "big.txt");
    ASSERT_GT(file.FirstBadLine, *bad.begin() - 3);
    ASSERT_FALSE(parsed);
    EXPECT_EQ(parsed.error().Message, "line " + std::to_string(*bad.begin()) +
                                          " of \"big.txt\": \"XY\" has no aircraft number");
    EXPECT_EQ(records.size(), file.GoodLinesBeforeFirstBad);
  }
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines)
    text += line + "\r\n";
  return text;
}

TEST(LargeLists, WriteACNumFileWritesEachDistinctLineOnceInListOrder) {
  // Sorted by number, with a long run in which equal lines lie apart; and the same records
  // unsorted. Either way the first of equal lines is written, empty lines never.
  std::vector<std::string> texts;
  std::vector<std::int32_t> numbers;
  for (int i = 0; i < 40; ++i) {
    texts.push_back(i % 7 == 3 ? "" : "AC#5,leg " + std::to_string(i % 9));
    numbers.push_back(5);
  }
  // Some megabytes of lines, so that the writing is shared out in pieces.
  const std::string padding(60, 'p');
  for (int n = 6; n < 40000; ++n) {
    for (int copy = 0; copy < n % 4; ++copy) {
      texts.push_back("AC#" + std::to_string(n) + "," + std::to_string(copy % 2) + padding);
      numbers.push_back(n);
    }
  }
  TempFolder folder;
  for (const bool sorted : {true, false}) {
    std::vector<ACNumRecord> records;
    for (std::size_t i = 0; i < texts.size(); ++i)
      records.push_back({numbers[i], texts[i]});
    if (!sorted)
      std::swap(records.front(), records.back());
    std::vector<std::string> expected;
    std::set<std::string_view> seen{""};
    for (const ACNumRecord& record : records) {
      if (seen.insert(record.Line).second)
        expected.emplace_back(record.Line);
    }
    const std::string name = folder.Name("out.txt");
    ASSERT_TRUE(WriteACNumFile(records, name));
    EXPECT_TRUE(ReadBytes(name) == Joined(expected)) << (sorted ? "sorted" : "unsorted");
  }
}

TEST(LargeLists, WriteAPFileOnAnUnsortedListSearchesTheIdsWrittenInTheirOrder) {
  // B, then A (not found among B), then B: the halving search over {B, A} meets B first.
  const std::vector<APRecord> records{{"B", "B,1"}, {"A", "A,2"}, {"B", "B,3"}};
  TempFolder folder;
  ASSERT_TRUE(WriteAPFile(records, folder.Name("ap.txt")));
  EXPECT_EQ(ReadBytes(folder.Name("ap.txt")), "B,1\r\nA,2\r\n");
}

TEST(AtomicFileWriterBlocks, ManyBlocksAndALargePieceKeepTheirOrder) {
  TempFolder folder;
  std::string expected;
  auto writer = AtomicFileWriter::Create(NativeFileSystem(), folder.Name("big.txt"));
  ASSERT_TRUE(writer);
  auto append = [&](const std::string& piece) {
    expected += piece;
    return writer.value().Append(piece);
  };
  for (int i = 0; i < 200'000; ++i)
    ASSERT_TRUE(append("line " + std::to_string(i) + "\r\n"));
  ASSERT_TRUE(append(std::string(3 << 20, 'z')));  // written at once, after the blocks before it
  for (int i = 0; i < 1000; ++i)
    ASSERT_TRUE(append("after " + std::to_string(i) + "\r\n"));
  ASSERT_TRUE(writer.value().Commit());
  EXPECT_TRUE(ReadBytes(folder.Name("big.txt")) == expected);
}

TEST(AtomicFileWriterBlocks, AFailedBlockWriteFailsTheWriterAndKeepsTheTarget) {
  for (const int failing : {1, 2, 5}) {
    TempFolder folder;
    const std::string target = folder.Write("out.txt", "old\r\n");
    test::FaultyFileSystem faulty;
    faulty.FailAt(test::FileStep::Write, failing);
    Result<void> result;
    {
      auto writer = AtomicFileWriter::Create(faulty, target);
      ASSERT_TRUE(writer);
      for (int i = 0; i < 500'000 && result; ++i)  // about eight blocks
        result = writer.value().Append("line " + std::to_string(i) + "\r\n");
      if (result)
        result = writer.value().Commit();
    }
    ASSERT_FALSE(result) << "write " << failing;
    EXPECT_EQ(result.error().Message, test::InjectedFault("cannot write", target));
    EXPECT_EQ(ReadBytes(target), "old\r\n");
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"out.txt"});
  }
}

}  // namespace
}  // namespace fw
