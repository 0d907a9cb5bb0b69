#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/LargeBlocks.h"

namespace fw {
namespace {

// Growing from heap blocks into mapped ones and between mapped ones of odd sizes: every element
// written stays readable, up to the last byte of the largest block.
TEST(LargeBlocks, GrowingVectorKeepsEveryElement) {
  std::vector<std::uint32_t, LargeBlockAllocator<std::uint32_t>> values;
  constexpr std::uint32_t kCount = 3'000'001;  // about 11.4 MiB, not a whole number of pages
  for (std::uint32_t k = 0; k < kCount; ++k)
    values.push_back(k * 7);
  values.resize(values.capacity(), 1);
  for (std::uint32_t k = 0; k < kCount; ++k)
    ASSERT_EQ(values[k], k * 7);
  EXPECT_EQ(values.back(), 1u);
}

}  // namespace
}  // namespace fw
