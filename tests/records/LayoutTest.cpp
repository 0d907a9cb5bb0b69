// Hand-kept files through every kind of operation: headers, titled blocks, trailers, switched-off
// entries, byte-order marks and day lines; and files without comment lines against a plain
// restatement of how they were always sorted.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "ReferenceLines.h"
#include "SortReference.h"
#include "records/Operations.h"
#include "records/TextOrder.h"
#include "support/TempFolder.h"

namespace fw {
namespace {

using test::ReadBytes;
using test::TempFolder;
const Operation kSortFP = Operation::SortFlightPlans, kMergeFP = Operation::MergeFlightPlans,
                kSortAP = Operation::SortAirports, kMergeAP = Operation::MergeAirports,
                kSortAC = Operation::SortAircraft, kChange = Operation::ChangeACNumbers;

// Runs an operation on files holding the inputs (named 1.txt, 2.txt...); the output's bytes (the
// first input's after a number change of 5 to 8), or the failure's description with the input
// names as <1>, <2>...
std::string Outcome(Operation operation, const std::vector<std::string>& inputs) {
  TempFolder folder;
  OperationRequest request;
  for (std::size_t k = 0; k < inputs.size(); ++k)
    request.Inputs.push_back(folder.Write(std::to_string(k + 1) + ".txt", inputs[k]));
  request.Output = folder.Name("out.txt");
  request.From = 5;
  request.To = 8;
  request.Backup = false;
  const Result<Completed> outcome = RunOperation(operation, request, [](Step) {});
  if (!outcome) {
    std::string description = outcome.error().Message;
    for (std::size_t k = 0; k < inputs.size(); ++k) {
      std::string marker = "<";
      marker += std::to_string(k + 1) + '>';
      for (std::size_t at; (at = description.find(request.Inputs[k])) != std::string::npos;)
        description.replace(at, request.Inputs[k].size(), marker);
    }
    EXPECT_FALSE(std::filesystem::exists(request.Output));
    return description;
  }
  if (operation == kChange)
    return std::to_string(outcome.value().Changed) + " changed: " + ReadBytes(request.Inputs[0]);
  return ReadBytes(request.Output);
}

TEST(GroupedFiles, KeepTheirLayoutAndSortEachBlock) {
  const struct {
    const char* Name;
    Operation Routine;
    std::vector<std::string> Inputs;
    std::string Output;
  } rows[] = {
      {"header, titles, entries out of order, a switched-off entry",
       kSortFP,
       {"//FSXDAYS=FALSE\n//Example Air\n\n//A320\nAC#12,a\nAC#11,b\n//#13,c\n\n//B738\nAC#20,d\n"},
       "//FSXDAYS=FALSE\r\n//Example Air\r\n\r\n//A320\r\nAC#11,b\r\nAC#12,a\r\n//#13,c\r\n\r\n"
       "//B738\r\nAC#20,d\r\n"},
      {"byte-order mark, every line end, blank lines, repeats, a trailer",
       kSortFP,
       {"\xEF\xBB\xBF// head\rAC#5,x\nAC#3,y\r\nAC#5,a\r \t \n//AC#4,off\r\n// b\nAC#5,x\r\n"
        "AC#1,z\r\nAC#1,z\n\n// end\r\n"},
       "\xEF\xBB\xBF// head\r\nAC#3,y\r\n//AC#4,off\r\nAC#5,x\r\nAC#5,a\r\n// b\r\nAC#1,z\r\n"
       "\r\n// end\r\n"},
      {"equal keys in input order in a block",
       kSortAC,
       {"  // title\nAC#9,a\nAC#9,b\nAC#9,c\nAC#9,d\nAC#9,e\nAC#9,f"},
       "  // title\r\nAC#9,a\r\nAC#9,b\r\nAC#9,c\r\nAC#9,d\r\nAC#9,e\r\nAC#9,f\r\n"},
      {"equal keys in the quick pass order without comments",
       kSortAC,
       {"AC#9,a\nAC#9,b\n \t\nAC#9,c\nAC#9,d\n\t\nAC#9,e\nAC#9,f\n//#9,g"},
       "AC#9,a\r\nAC#9,e\r\nAC#9,f\r\nAC#9,d\r\nAC#9,b\r\nAC#9,c\r\n//#9,g\r\n"},
      {"airports: one line an ID across blocks, no empty ID",
       kSortAP,
       {"// airports\nKXYZ,1\n ABCD ,2\nKXYZ,3\n\n// west\nKLAX,4\nABCD,5\n,6\n//#1,7\n//KSFO,8"},
       "// airports\r\n ABCD ,2\r\nKXYZ,1\r\n\r\n// west\r\nKLAX,4\r\n//#1,7\r\n//KSFO,8\r\n"},
      {"airports without comments: a line of tabs is blank",
       kSortAP,
       {"KXYZ,1\r\n\t\t\r\nABCD,2"},
       "ABCD,2\r\nKXYZ,1\r\n"},
      {"a file of comments only",
       kSortFP,
       {"//only\r\n\r\n//comments"},
       "//only\r\n\r\n//comments\r\n"},
      {"a sort leaves the day line, a merge puts it first",
       kSortFP,
       {"// head\n//FSXDAYS=TRUE\n\nAC#2,b\nAC#1,a"},
       "// head\r\n//FSXDAYS=TRUE\r\n\r\nAC#1,a\r\nAC#2,b\r\n"},
      {"a merge of one file",
       kMergeFP,
       {"// head\n//FSXDAYS=TRUE\n\nAC#2,b\nAC#1,a"},
       "//FSXDAYS=TRUE\r\n// head\r\n\r\nAC#1,a\r\nAC#2,b\r\n"},
      {"a merge of grouped files: one day line, each file a block",
       kMergeFP,
       {"//FSXDAYS=FALSE\n//Air A\nAC#2,a\nAC#1,b\n",
        "\xEF\xBB\xBF  //fsxdays= false \n//Air B\nAC#1,b\nAC#0,c"},
       "//FSXDAYS=FALSE\r\n//Air A\r\nAC#1,b\r\nAC#2,a\r\n//Air B\r\nAC#0,c\r\n"},
      {"a merge of a grouped file and a plain one",
       kMergeFP,
       {"\xEF\xBB\xBF// A\nAC#3,x\nAC#1,y\n", "AC#2,z\nAC#1,y\nAC#0,w\n"},
       "\xEF\xBB\xBF// A\r\nAC#1,y\r\nAC#3,x\r\nAC#0,w\r\nAC#2,z\r\n"},
      {"a merge of airports",
       kMergeAP,
       {"KXYZ,1\nABCD,2", "//b\nABCD,3\nKAAA,4"},
       "ABCD,2\r\nKXYZ,1\r\n//b\r\nKAAA,4\r\n"},
      {"two files numbering days differently",
       kMergeFP,
       {"//FSXDAYS=TRUE\nAC#1,a", "AC#2,b", "// c\n  //FSXDays=False \nAC#3,c"},
       "\"<1>\" numbers days as FSXDAYS=TRUE, \"<3>\" as FSXDays=False "},
      {"a number change inside titled blocks",
       kChange,
       {"// type A\nAC#5,a\nAC#7,b\n//#5,off\n// type B\nAC#6,c\nAC#5,d\n"},
       "2 changed: // type A\r\n//#5,off\r\nAC#7,b\r\nAC#8,a\r\n// type B\r\nAC#6,c\r\nAC#8,d\r\n"},
      {"a number change without comments",
       kChange,
       {"AC#5,a\n//#5,off\nAC#1,z\n"},
       "1 changed: AC#1,z\r\n//#5,off\r\nAC#8,a\r\n"},
      {"an unreadable number counts every line",
       kSortFP,
       {"\xEF\xBB\xBF//c\r\n\r\n \t\rAC#x,1"},
       "line 4 of \"<1>\": \"AC#x\" has no aircraft number"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.Name);
    EXPECT_EQ(Outcome(row.Routine, row.Inputs), row.Output);
  }
}

// A random file without comment lines: entries of few numbers or IDs, repeated lines,
// switched-off entries, blank lines and every line end.
std::string PlainFile(std::mt19937& random, bool airports) {
  static const char* const kEnds[] = {"\r\n", "\r", "\n"};
  static const char* const kBlanks[] = {"", " ", "\t \t"};
  std::string bytes;
  for (std::size_t n = random() % 40; n > 0; --n) {
    const unsigned kind = random() % 10;
    if (kind == 0) {
      bytes += kBlanks[random() % 3];
    } else {
      const std::string key = std::to_string(random() % 5);
      bytes += (airports ? " K" + key + " " : kind == 1 ? "//#" + key : "AC#" + key) + ",";
      bytes += std::to_string(random() % 3);
    }
    bytes += kEnds[random() % 3];
  }
  return bytes;
}

// What the program always wrote for files without comment lines: the entries sorted by the plain
// quick pass and insertion pass, each distinct line once, or the first line of each ID.
std::string PlainSorted(const std::vector<std::string>& files, bool airports) {
  struct Entry {
    std::int32_t ACNum;
    std::string_view APID;
    std::string_view Line;
  };
  std::vector<Entry> entries;
  for (const std::string& file : files) {
    for (const std::string_view line : fuzz::ReferenceLines(file)) {
      if (line.find_first_not_of(" \t") == std::string_view::npos)
        continue;
      const std::string_view field = fuzz::ReferenceFirstField(line);
      entries.push_back({airports ? 0 : fuzz::ReferenceAircraftNumber(field.substr(3)).value(),
                         fuzz::ReferenceTrimSpaces(field), line});
    }
  }
  fuzz::ReferenceSort(entries, [airports](const Entry& a, const Entry& b) {
    return airports ? TextLess(a.APID, b.APID) : a.ACNum < b.ACNum;
  });
  std::string bytes;
  std::vector<std::string_view> written{""};
  for (const Entry& entry : entries) {
    const std::string_view key = airports ? entry.APID : entry.Line;
    if ((airports && key == written.back()) ||
        (!airports && std::find(written.begin(), written.end(), key) != written.end()))
      continue;
    written.push_back(key);
    bytes += std::string(entry.Line) + "\r\n";
  }
  return bytes;
}

TEST(PlainFiles, AreSortedAndMergedAsTheyAlwaysWere) {
  std::mt19937 random(15);
  for (int round = 0; round < 300; ++round) {
    const bool airports = round % 2 == 1;
    std::vector<std::string> files{PlainFile(random, airports)};
    if (round % 3 == 0)
      files.push_back(PlainFile(random, airports));
    const Operation operation =
        files.size() == 1 ? (airports ? kSortAP : kSortFP) : (airports ? kMergeAP : kMergeFP);
    ASSERT_EQ(Outcome(operation, files), PlainSorted(files, airports))
        << "round " << round << ": " << testing::PrintToString(files);
  }
}

}  // namespace
}  // namespace fw
