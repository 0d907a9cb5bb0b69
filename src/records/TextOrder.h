#pragma once

#include <string_view>

namespace fw {

// Orders texts character by character by the Unicode value of each byte read as Windows-1252
// (00-7F and A0-FF by their value, 80-9F as the code page maps them); a text that begins another
// comes first. Returns <0, 0 or >0.
int CompareText(std::string_view a, std::string_view b);

inline bool TextLess(std::string_view a, std::string_view b) {
  return CompareText(a, b) < 0;
}

// The Unicode value that Windows-1252 gives a byte.
char16_t Windows1252ToUnicode(unsigned char byte);

}  // namespace fw
