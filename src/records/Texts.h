#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace fw {

// text without its leading and trailing space characters (only U+0020; tabs stay).
std::string_view TrimSpaces(std::string_view text);

// True when nothing but spaces is in text.
inline bool IsBlank(std::string_view text) {
  return TrimSpaces(text).empty();
}

// The parts of text between CR LF pairs (a lone CR or LF stays inside its part); an empty text
// gives no parts, a text ending in CR LF an empty last part.
std::vector<std::string_view> SplitAtCrLf(std::string_view text);

// True when a and b hold the same text, ASCII letters compared in any case. Inline, for it is
// asked of every entry's short fields.
inline bool EqualInAnyCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size())
    return false;
  for (std::size_t k = 0; k < a.size(); ++k) {
    const char x = a[k] >= 'a' && a[k] <= 'z' ? static_cast<char>(a[k] - 'a' + 'A') : a[k];
    const char y = b[k] >= 'a' && b[k] <= 'z' ? static_cast<char>(b[k] - 'a' + 'A') : b[k];
    if (x != y)
      return false;
  }
  return true;
}

// A field of a file quoted for a message, cut to its first `most` bytes and "..." when longer,
// so that a hostile line cannot flood the message box or report.
std::string ShownField(std::string_view field, std::size_t most);

// The parts joined with CR LF: the text of a multi-line box.
std::string JoinWithCrLf(const std::vector<std::string>& parts);

}  // namespace fw
