#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/FileSystem.h"
#include "records/Evaluation.h"
#include "support/TempFolder.h"

namespace fw {
namespace {

using Lines = std::vector<std::string>;

// A problem as a case expects it: where, how bad, and a word of its text that names the check.
struct Expected {
  std::string File;
  std::uint64_t Line;
  Severity Level;
  std::string Word;
};

constexpr Severity E = Severity::Error;
constexpr Severity W = Severity::Warning;

const std::string kHead = "AC#1,EX-AAA,100%,WEEK,IFR";
const std::string kLegs = ",0/06:00,0/08:00,350,F,101,KBBB,0/10:00,0/12:00,350,F,102,KAAA";
const std::string kPlan = kHead + kLegs;
const Lines kAircraft{"AC#1,250,\"Jet 320\""};
const Lines kAirports{"KAAA,1", "KBBB,2"};

// The plan with the first `from` replaced by `to`.
std::string Plan(const std::string& from, const std::string& to) {
  std::string plan = kPlan;
  return plan.replace(plan.find(from), from.size(), to);
}

// A plan of n legs, 40 minutes apart, to the airports in turn.
std::string PlanOfLegs(int n, const Lines& to = {"KBBB", "KAAA"}) {
  std::string plan = kHead;
  for (int leg = 0; leg < n; ++leg) {
    const int m = 40 * leg;
    char text[64];
    std::snprintf(text, sizeof text, ",%d/%d:%02d,%d/%d:%02d,350,F,1,%s", m / 1440, m / 60 % 24,
                  m % 60, (m + 20) / 1440, (m + 20) / 60 % 24, (m + 20) % 60,
                  to[static_cast<std::size_t>(leg) % to.size()].c_str());
    plan += text;
  }
  return plan;
}

// The files listed (those with lines), in the order flight plans, aircraft, airports; read
// from files on disk a piece at a time when inPieces is set.
Evaluation Evaluate(const Lines& plans, const Lines& aircraft, const Lines& airports,
                    std::vector<std::string>& names, bool inPieces = false) {
  std::vector<std::string> texts;
  for (const auto& [name, lines] :
       {std::pair{"fp.txt", plans}, std::pair{"ac.txt", aircraft}, std::pair{"ap.txt", airports}}) {
    if (lines.empty())
      continue;
    names.emplace_back(name);
    texts.emplace_back();
    for (const std::string& line : lines)
      texts.back() += line + "\r\n";
  }
  if (!inPieces) {
    const std::vector<std::string_view> views(texts.begin(), texts.end());
    return EvaluateSet(names, views);
  }
  const test::TempFolder folder;
  std::vector<ByteBuffer> buffers;
  for (std::size_t k = 0; k < names.size(); ++k)
    buffers.push_back(
        NativeFileSystem().ReadFileInPieces(folder.Write(names[k], texts[k])).value());
  std::vector<std::string_view> views;
  std::vector<const ByteBuffer*> sources;
  for (const ByteBuffer& buffer : buffers) {
    views.push_back(buffer.view());
    sources.push_back(&buffer);
  }
  return EvaluateSet(names, views, sources);
}

// The problems found, in order, each in its file and line, of its severity and naming its check.
void ExpectProblems(const Evaluation& evaluation, const std::vector<std::string>& names,
                    const std::vector<Expected>& found) {
  ASSERT_EQ(evaluation.Problems.size(), found.size());
  for (std::size_t k = 0; k < found.size(); ++k) {
    const Problem& problem = evaluation.Problems[k];
    EXPECT_EQ(names[problem.File], found[k].File) << problem.Text;
    EXPECT_EQ(problem.Line, found[k].Line) << problem.Text;
    EXPECT_EQ(problem.Level, found[k].Level) << problem.Text;
    EXPECT_NE(problem.Text.find(found[k].Word), std::string::npos) << problem.Text;
  }
}

TEST(Evaluation, EachCheckFindsItsProblemAndNothingElse) {
  const struct {
    const char* Check;
    Lines Plans;
    std::vector<Expected> Found;
    Lines Aircraft = kAircraft;
    Lines Airports = kAirports;
  } cases[] = {
      {"a consistent set", {kPlan}, {}},
      {"arrivals may start with @ or TNG; nHR times carry no day",
       {Plan("0/08:00", "@0/08:00"), Plan("0/12:00", "TNG0/12:00"), Plan("WEEK", "24hr")},
       {{"fp.txt", 2, W, "registration"}, {"fp.txt", 3, W, "registration"}}},
      {"legs incomplete", {kPlan + ",0/14:00"}, {{"fp.txt", 1, E, "legs"}}},
      {"no legs", {kHead}, {{"fp.txt", 1, E, "legs"}}},
      {"legs incomplete, named first; their overlap is not judged",
       {"AC#1,EX-AAA,101%,WEEK,IFR,0/06:00,0/08:00,350,F,101,KBBB,0/07:00,0/09:00,350,F,102,KAAA,"
        "0/14:00"},
       {{"fp.txt", 1, E, "legs"}, {"fp.txt", 1, E, "percentage"}}},
      {"time form", {Plan("0/06:00", "0/6h00")}, {{"fp.txt", 1, E, "form"}}},
      {"uncommon time forms with spaces around them",
       {Plan("0/06:00,0/08:00", " 6:00 , @8:00 ")},
       {}},
      {"day", {Plan("0/06:00", "7/06:00")}, {{"fp.txt", 1, E, "day"}}},
      {"hour", {Plan("0/08:00", "0/24:00")}, {{"fp.txt", 1, E, "hour"}}},
      {"minutes", {Plan("0/06:00", "0/06:60")}, {{"fp.txt", 1, E, "minutes"}}},
      {"seconds", {Plan("0/06:00", "0/06:00:60")}, {{"fp.txt", 1, E, "seconds"}}},
      {"percentage", {Plan("100%", "101%")}, {{"fp.txt", 1, E, "percentage"}}},
      {"period", {Plan("WEEK", "25HR")}, {{"fp.txt", 1, E, "period"}}},
      {"flight rule",
       {kPlan, Plan("AAA,100%,WEEK,IFR", "AAB,100%,WEEK,XFR")},
       {{"fp.txt", 2, E, "rule"}}},
      {"flight level", {Plan("350", "3S0")}, {{"fp.txt", 1, E, "level"}}},
      {"legs overlapping a week",
       {Plan("0/10:00,0/12:00", "0/07:00,0/09:00")},
       {{"fp.txt", 1, E, "overlap"}}},
      {"legs overlapping 12 hours",
       {"AC#1,EX-AAA,100%,12HR,IFR,06:00,08:00,350,F,101,KBBB,10:00,19:00,350,F,102,KAAA"},
       {{"fp.txt", 1, E, "overlap"}}},
      {"legs of exactly 12 hours fit 12HR",
       {"AC#1,EX-AAA,100%,12HR,IFR,06:00,08:00,350,F,101,KBBB,10:00,18:00,350,F,102,KAAA"},
       {}},
      {"arrival at departure", {Plan("0/08:00", "0/06:00")}, {{"fp.txt", 1, E, "arrives"}}},
      {"leg to the airport it departs from",
       {kPlan + ",0/14:00,0/16:00,350,F,103,KAAA"},
       {{"fp.txt", 1, W, "departs from"}}},
      {"a one-leg plan departs from its destination",
       {kHead + kLegs.substr(0, 31)},
       {{"fp.txt", 1, W, "departs from"}}},
      {"registration of two entries",
       {kPlan, Plan("101", "201")},
       {{"fp.txt", 2, W, "registration"}}},
      {"more than 200 legs",
       {PlanOfLegs(200), PlanOfLegs(202).replace(5, 6, "EX-AAB")},
       {{"fp.txt", 2, W, "200"}}},
      {"aircraft number given two lines",
       {kPlan},
       {{"ac.txt", 2, E, "differently"}},
       {kAircraft[0], "AC#1,250,\"Jet 737\""}},
      {"airport ID given two lines",
       {kPlan},
       {{"ap.txt", 3, W, "differently"}},
       kAircraft,
       {"KAAA,1", "KBBB,2", "KAAA,3"}},
      {"duplicate lines, also among entries of a shared registration",
       {kPlan, kPlan, Plan("101", "201"), Plan("101", "201")},
       {{"fp.txt", 2, W, "repeats line 1"},
        {"fp.txt", 3, W, "registration"},
        {"fp.txt", 4, W, "repeats line 3"},
        {"ap.txt", 3, W, "repeats line 1"}},
       kAircraft,
       {"KAAA,1", "KBBB,2", "KAAA,1"}},
      {"aircraft missing and so unused",
       {Plan("AC#1", "AC#2")},
       {{"fp.txt", 1, E, "no aircraft file"}, {"ac.txt", 1, W, "no flight plan"}}},
      {"aircraft unused",
       {kPlan},
       {{"ac.txt", 2, W, "no flight plan"}},
       {kAircraft[0], "AC#2,250,\"Jet 737\""}},
      {"aircraft not looked up without an aircraft file", {kPlan}, {}, {}},
      {"airports missing, each once a line, in the order of the legs",
       {kPlan + ",0/14:00,0/16:00,350,F,103,KZZZ,0/18:00,0/20:00,350,F,104,KYYY" +
        ",0/22:00,0/23:00,350,F,105,KZZZ"},
       {{"fp.txt", 1, E, "KZZZ"}, {"fp.txt", 1, E, "KYYY"}},
       kAircraft,
       kAirports},
      {"airport IDs of each length, told apart by each byte",
       {PlanOfLegs(10, {"K", "KB", "KC", "KBB", "KCB", "KBC", "KBBBBBB", "KBBBBBC", "KBBBBBBB",
                        "KBBBBBBJ"})},
       {{"fp.txt", 1, E, "\"KC\""},
        {"fp.txt", 1, E, "\"KCB\""},
        {"fp.txt", 1, E, "\"KBC\""},
        {"fp.txt", 1, E, "\"KBBBBBC\""},
        {"fp.txt", 1, E, "\"KBBBBBBJ\""}},
       kAircraft,
       {"K,1", "KB,2", "KBB,3", "KBBBBBB,4", "KBBBBBBB,5"}},
      {"airports not looked up without an airport file", {kPlan}, {}, kAircraft, {}},
      {"day lines",
       {"//FSXDAYS=TRUE", kPlan},
       {{"ap.txt", 1, E, "FSXDAYS"}},
       {"//fsxdays=true", kAircraft[0]},
       {"//FSXDAYS=FALSE", "KAAA,1", "KBBB,2"}},
      {"unreadable entries, the evaluation going on",
       {"AC#x1,EX-ABC,100%,WEEK,IFR", Plan("100%", "50")},
       {{"fp.txt", 1, E, "unreadable"},
        {"fp.txt", 2, E, "percentage"},
        {"ac.txt", 1, E, "unreadable"},
        {"ap.txt", 1, E, "unreadable"}},
       {"AC#,1", kAircraft[0]},
       {" ,1", "KAAA,1", "KBBB,2"}},
      {"lines counted after a byte-order mark, comments and a switched-off entry",
       {"\xEF\xBB\xBF//Example Air", "", "//AC#9,EX-ZZZ,1%,DAY,IFR", Plan("100%", "101%")},
       {{"fp.txt", 4, E, "percentage"}}},
  };
  for (const auto& [check, plans, found, aircraft, airports] : cases) {
    SCOPED_TRACE(check);
    std::vector<std::string> names;
    ExpectProblems(Evaluate(plans, aircraft, airports, names), names, found);
  }
}

TEST(Evaluation, ReportListsProblemsByFileAndLineThenSummaries) {
  std::vector<std::string> names;
  const Evaluation evaluation = Evaluate(
      {"//FSXDAYS=TRUE", Plan("100%", "0%"), kPlan, Plan("0/10:00,0/12:00", "0/07:00,0/09:00"),
       "AC#2,EX-BBB,50%,1hr,VFR,00:10,00:50,10,R,7,KBBB,00:55,01:15,10,R,8,KCCC"},
      {"AC#1,250,\"Jet 320\"", "AC#3,100,\"Turbo 72\""}, {"//FSXDAYS=FALSE", "KAAA,1", "KBBB,2"},
      names);
  EXPECT_EQ(EvaluationReport(evaluation, names),
            "fp.txt:3: warning: registration \"EX-AAA\" is also used on line 2\r\n"
            "fp.txt:4: error: leg 2 ends more than one week after the first departure: the legs "
            "overlap\r\n"
            "fp.txt:4: warning: registration \"EX-AAA\" is also used on line 2\r\n"
            "fp.txt:5: error: leg 2 ends more than one hour after the first departure: the legs "
            "overlap\r\n"
            "fp.txt:5: error: aircraft number 2 is in no aircraft file\r\n"
            "fp.txt:5: error: airport \"KCCC\" is in no airport file\r\n"
            "ac.txt:2: warning: aircraft number 3 is used by no flight plan\r\n"
            "ap.txt:1: error: FSXDAYS=FALSE differs from FSXDAYS=TRUE on line 1 of \"fp.txt\": the "
            "files number days differently\r\n"
            "\r\n"
            "fp.txt: flight plans, 4 entries (4 distinct, 0 duplicate lines), 1 comment line, "
            "FSXDAYS=TRUE, 2 aircraft numbers (1 to 2), 8 legs\r\n"
            "ac.txt: aircraft, 2 entries (2 distinct, 0 duplicate lines), 0 comment lines, no "
            "FSXDAYS line, 2 aircraft numbers (1 to 3)\r\n"
            "ap.txt: airports, 2 entries (2 distinct, 0 duplicate lines), 1 comment line, "
            "FSXDAYS=FALSE\r\n"
            "Total: 3 files, 8 entries, 5 errors, 3 warnings\r\n");
}

// Registrations are followed from file to file, through a table that grows for a later file.
TEST(Evaluation, RegistrationsOfEarlierFilesAreKnownInLaterOnes) {
  std::vector<std::string> names{"a.txt", "b.txt"};
  std::string texts[2];
  for (int k = 1; k <= 3; ++k)
    texts[0] += "AC#1,R" + std::to_string(k) + ",100%,WEEK,IFR" + kLegs + "\r\n";
  for (int k = 1; k <= 23; ++k)
    texts[1] += "AC#1," + std::string(k <= 20 ? "X" : "R") + std::to_string(k <= 20 ? k : k - 20) +
                ",90%,WEEK,IFR" + kLegs + "\r\n";
  const std::vector<std::string_view> views(std::begin(texts), std::end(texts));
  ExpectProblems(EvaluateSet(names, views), names,
                 {{"b.txt", 21, W, "used on line 1 of \"a.txt\""},
                  {"b.txt", 22, W, "used on line 2 of \"a.txt\""},
                  {"b.txt", 23, W, "used on line 3 of \"a.txt\""}});
}

// A file of over a megabyte is read by two threads, each following half of the registrations
// and checking half of the lines: every problem is still found once, on the line it is on, and
// the second half's day line is known by its place in the file; the same where the file is read
// a piece at a time, and the lines read again are copies (some longer than a first copy).
TEST(Evaluation, LargeFileFindsEachProblemOnce) {
  for (const bool inPieces : {false, true}) {
    SCOPED_TRACE(inPieces ? "in pieces" : "in memory");
    constexpr std::uint64_t kLines = 16000;
    Lines plans;
    Lines aircraft;
    // The first eight lines are long, and repeated after line 15000, which is repeated last.
    const std::string longLegs = PlanOfLegs(40).substr(kHead.size());
    for (std::uint64_t k = 1; k <= kLines - 9; ++k) {
      plans.push_back("AC#" + std::to_string(k <= 100 ? k : 1) + ",R" + std::to_string(k) +
                      ",100%,WEEK,IFR" + (k <= 8 ? longLegs : kLegs));
    }
    for (int number = 1; number <= 100; ++number)
      aircraft.push_back("AC#" + std::to_string(number) + ",250,\"Jet 320\"");
    plans[2] = "AC#3,R3,101%,WEEK,IFR" + longLegs;
    plans[11999] = "AC#1,R12000,102%,WEEK,IFR" + kLegs;
    plans[12999] = "//FSXDAYS=FALSE";
    plans[13999] = "AC#1,R5,90%,WEEK,IFR" + kLegs;
    plans[14999] = "AC#1,R12000,90%,WEEK,IFR" + kLegs;
    for (std::uint64_t k = 0; k < 8; ++k)
      plans.push_back(plans[k]);
    plans.push_back(plans[14999]);
    std::vector<std::string> names;
    const Evaluation evaluation =
        Evaluate(plans, aircraft, {"//FSXDAYS=TRUE", "KAAA,1", "KBBB,2"}, names, inPieces);
    std::vector<Expected> found{{"fp.txt", 3, E, "percentage \"101%\""},
                                {"fp.txt", 12000, E, "percentage \"102%\""},
                                {"fp.txt", 14000, W, "is also used on line 5"},
                                {"fp.txt", 15000, W, "is also used on line 12000"}};
    for (std::uint64_t k = 1; k <= 8; ++k)
      found.push_back({"fp.txt", kLines - 9 + k, W, "repeats line " + std::to_string(k) + " "});
    found.push_back({"fp.txt", kLines, W, "repeats line 15000 "});
    found.push_back({"ap.txt", 1, E, "on line 13000 of \"fp.txt\""});
    ExpectProblems(evaluation, names, found);
    EXPECT_EQ(evaluation.Files[0].Entries, kLines - 1);
    EXPECT_EQ(evaluation.Files[0].Duplicates, 9u);
    EXPECT_EQ(evaluation.Files[0].Numbers, 100u);
    EXPECT_EQ(evaluation.Files[0].Legs, 2 * (kLines - 18) + 40 * 8);
    EXPECT_EQ(evaluation.Files[0].Days, "FSXDAYS=FALSE");
  }
}

}  // namespace
}  // namespace fw
