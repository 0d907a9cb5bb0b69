#pragma once

// Plain, slow restatements of the file rules, written apart from the program's own code so that
// a fuzz target can compare the two.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fw::fuzz {

// The lines of bytes: CR LF, a lone CR and a lone LF each end one; a last line without a line
// end is still a line.
inline std::vector<std::string_view> ReferenceLines(std::string_view bytes) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  std::size_t at = 0;
  while (at < bytes.size()) {
    if (bytes[at] == '\r' || bytes[at] == '\n') {
      lines.push_back(bytes.substr(start, at - start));
      if (bytes[at] == '\r' && at + 1 < bytes.size() && bytes[at + 1] == '\n')
        ++at;
      start = at + 1;
    }
    ++at;
  }
  if (start < bytes.size())
    lines.push_back(bytes.substr(start));
  return lines;
}

inline std::string_view ReferenceTrimSpaces(std::string_view text) {
  while (!text.empty() && text.front() == ' ')
    text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ')
    text.remove_suffix(1);
  return text;
}

inline std::string_view ReferenceFirstField(std::string_view line) {
  std::size_t end = 0;
  while (end < line.size() && line[end] != ',')
    ++end;
  return line.substr(0, end);
}

// Optional spaces around an optional sign and decimal digits, in the signed 32-bit range.
inline std::optional<std::int32_t> ReferenceAircraftNumber(std::string_view text) {
  text = ReferenceTrimSpaces(text);
  bool negative = false;
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  if (text.empty())
    return std::nullopt;
  for (const char c : text) {
    if (c < '0' || c > '9')
      return std::nullopt;
  }
  while (text.size() > 1 && text[0] == '0')
    text.remove_prefix(1);
  if (text.size() > 10)
    return std::nullopt;
  const long long magnitude = std::stoll(std::string(text));
  const long long value = negative ? -magnitude : magnitude;
  if (value < INT32_MIN || value > INT32_MAX)
    return std::nullopt;
  return static_cast<std::int32_t>(value);
}

enum class ReferenceKind { Blank, Comment, Entry };

// Blank: nothing but spaces and tabs; comment: the first other character starts "//".
inline ReferenceKind ReferenceKindOf(std::string_view line) {
  std::size_t at = 0;
  while (at < line.size() && (line[at] == ' ' || line[at] == '\t'))
    ++at;
  if (at == line.size())
    return ReferenceKind::Blank;
  return line.substr(at, 2) == "//" ? ReferenceKind::Comment : ReferenceKind::Entry;
}

// The number of a switched-off entry ("//#13,..." or "//AC#13,..."), or nothing.
inline std::optional<std::int32_t> ReferenceSwitchedOff(std::string_view line) {
  for (const std::string_view prefix : {std::string_view("//#"), std::string_view("//AC#")}) {
    if (line.substr(0, prefix.size()) == prefix)
      return ReferenceAircraftNumber(ReferenceFirstField(line.substr(prefix.size())));
  }
  return std::nullopt;
}

}  // namespace fw::fuzz
