#include "records/TextOrder.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace fw {
namespace {

constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

char16_t Windows1252ToUnicode(unsigned char byte) {
  return byte >= 0x80 && byte <= 0x9F ? kHighControls[byte - 0x80] : char16_t{byte};
}

int CompareText(std::string_view a, std::string_view b) {
  const std::size_t common = std::min(a.size(), b.size());
  // The mapping is one to one, so equal bytes are equal characters: only the first differing
  // byte needs its Unicode value.
  const auto [left, right] = std::mismatch(a.begin(), a.begin() + common, b.begin());
  if (left != a.begin() + common) {
    const char16_t x = Windows1252ToUnicode(static_cast<unsigned char>(*left));
    const char16_t y = Windows1252ToUnicode(static_cast<unsigned char>(*right));
    return x < y ? -1 : 1;
  }
  if (a.size() == b.size())
    return 0;
  return a.size() < b.size() ? -1 : 1;
}

}  // namespace fw
