#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "records/LineSplitter.h"

namespace fw {
namespace {

using Lines = std::vector<std::string>;
using namespace std::string_literals;

TEST(ForEachLine, EndsLinesAtCrLfLoneCrAndLoneLfKeepingEmptyOnesAndOtherBytes) {
  const std::string wide(62, 'w');  // puts a CR LF across the first 64 bytes' end
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
      {"x" + wide + "\r\n" + wide + "\n\r" + wide, {"x" + wide, wide, "", wide}},
  };
  for (const auto& [bytes, expected] : cases) {
    SCOPED_TRACE(testing::PrintToString(bytes));
    Lines lines;
    const std::size_t count = ForEachLine(bytes, [&lines](std::string_view line, std::size_t n) {
      lines.emplace_back(line);
      return n == lines.size();
    });
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(count, expected.size());
  }
  // Stops at the line where visit says so.
  Lines seen;
  EXPECT_EQ(ForEachLine("a\nb\nc",
                        [&seen](std::string_view line, std::size_t) {
                          seen.emplace_back(line);
                          return line != "b";
                        }),
            2u);
  EXPECT_EQ(seen, (Lines{"a", "b"}));
}

}  // namespace
}  // namespace fw
