#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "records/LineSet.h"

namespace fw {
namespace {

TEST(LineSet, TellsNewLinesFromEqualOnesAlsoAfterGrowingFarPastItsExpectedSize) {
  LineSet small(4);
  const std::string copy = "AC#5,X";
  EXPECT_TRUE(small.Insert("AC#5,X"));
  EXPECT_FALSE(small.Insert(copy));  // equal bytes elsewhere in memory
  for (const char* other : {"ac#5,X", "AC#5,X ", "AC#5,"})
    EXPECT_TRUE(small.Insert(other)) << '"' << other << '"';

  std::vector<std::string> lines;
  for (int i = 0; i < 50000; ++i)
    lines.push_back("AC#" + std::to_string(i) + ",x");
  LineSet grown(10);
  for (const std::string& line : lines)
    ASSERT_TRUE(grown.Insert(line)) << line;
  for (const std::string& line : lines)
    ASSERT_FALSE(grown.Insert(line)) << line;
}

}  // namespace
}  // namespace fw
