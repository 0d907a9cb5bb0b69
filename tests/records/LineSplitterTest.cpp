#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "records/LineSplitter.h"

namespace fw {
namespace {

using Lines = std::vector<std::string>;
using namespace std::string_literals;

TEST(LineSplitter, EndsLinesAtCrLfLoneCrAndLoneLfKeepingEmptyOnesAndOtherBytes) {
  const std::pair<std::string, Lines> cases[] = {
      {"a,1\r\nb,2\r\n", {"a,1", "b,2"}},
      {"a\rb\rc", {"a", "b", "c"}},
      {"a\nb\n", {"a", "b"}},
      {"a\r\nb\nc\rd", {"a", "b", "c", "d"}},
      {"a\n\rb", {"a", "", "b"}},
      {"", {}},
      {"\r\n", {""}},
      {"last", {"last"}},
      {"a\r", {"a"}},
      {"a\r\r\nb", {"a", "", "b"}},
      {"\r\n\r\na", {"", "", "a"}},
      {"AC#1,\xE9\t\0x\r\n"s, {"AC#1,\xE9\t\0x"s}},
  };
  for (const auto& [bytes, expected] : cases) {
    SCOPED_TRACE(testing::PrintToString(bytes));
    LineSplitter splitter(bytes);
    Lines lines;
    for (std::string_view line; splitter.Next(line);) {
      lines.emplace_back(line);
      EXPECT_EQ(splitter.LineNumber(), lines.size());
    }
    EXPECT_EQ(lines, expected);
  }
}

}  // namespace
}  // namespace fw
