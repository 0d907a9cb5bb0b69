#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "records/LineSet.h"

namespace fw {
namespace {

TEST(LineSet, TellsNewLinesFromEqualOnes) {
  LineSet set(4);
  const std::string copy = "AC#5,X";
  EXPECT_TRUE(set.Insert("AC#5,X"));
  EXPECT_FALSE(set.Insert(copy));  // equal bytes elsewhere in memory
  EXPECT_TRUE(set.Insert("ac#5,X"));
  EXPECT_TRUE(set.Insert("AC#5,X "));
  EXPECT_TRUE(set.Insert("AC#5,"));
  EXPECT_TRUE(set.Insert(""));
  EXPECT_FALSE(set.Insert(""));
}

TEST(LineSet, StillFindsEveryLineAfterGrowingFarPastItsExpectedSize) {
  std::vector<std::string> lines;
  for (int i = 0; i < 50000; ++i)
    lines.push_back("AC#" + std::to_string(i) + ",x");
  LineSet set(10);
  for (const std::string& line : lines)
    ASSERT_TRUE(set.Insert(line)) << line;
  for (const std::string& line : lines)
    ASSERT_FALSE(set.Insert(line)) << line;
}

}  // namespace
}  // namespace fw
