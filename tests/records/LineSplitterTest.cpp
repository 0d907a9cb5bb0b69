#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "records/LineSplitter.h"

namespace fw {
namespace {

using Lines = std::vector<std::string>;
using namespace std::string_literals;

Lines SplitLines(std::string_view bytes) {
  LineSplitter splitter(bytes);
  Lines lines;
  std::string_view line;
  while (splitter.Next(line)) {
    lines.emplace_back(line);
    EXPECT_EQ(splitter.LineNumber(), lines.size());
  }
  return lines;
}

TEST(LineSplitter, EndsLinesAtCrLfLoneCrAndLoneLf) {
  EXPECT_EQ(SplitLines("a,1\r\nb,2\r\n"), (Lines{"a,1", "b,2"}));
  EXPECT_EQ(SplitLines("a\rb\rc"), (Lines{"a", "b", "c"}));
  EXPECT_EQ(SplitLines("a\nb\n"), (Lines{"a", "b"}));
  EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (Lines{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("a\n\rb"), (Lines{"a", "", "b"}));
}

TEST(LineSplitter, KeepsEmptyLinesAndALastLineWithoutEnd) {
  EXPECT_EQ(SplitLines(""), Lines{});
  EXPECT_EQ(SplitLines("\r\n"), Lines{""});
  EXPECT_EQ(SplitLines("last"), Lines{"last"});
  EXPECT_EQ(SplitLines("a\r"), Lines{"a"});
  EXPECT_EQ(SplitLines("a\r\r\nb"), (Lines{"a", "", "b"}));
  EXPECT_EQ(SplitLines("\r\n\r\na"), (Lines{"", "", "a"}));
}

TEST(LineSplitter, CarriesOtherBytesUnchanged) {
  EXPECT_EQ(SplitLines("AC#1,\xE9\t\0x\r\n"s), Lines{"AC#1,\xE9\t\0x"s});
}

}  // namespace
}  // namespace fw
