#pragma once

// What a line of a traffic file is. A blank line holds nothing but spaces and tabs; a comment's
// first character other than those starts "//"; in an aircraft-number file "//#13,..." or
// "//AC#13,..." is an entry switched off, which sorts and counts as an entry but is never
// renumbered; every other line is an entry.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace fw {

// The three bytes that may open a file without belonging to its first line.
inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// True for a line that may be blank or a comment: only these start with one of the bytes
// tested, so that an ordinary entry costs one look at its first byte.
inline bool MayBeGapLine(std::string_view line) {
  constexpr std::uint64_t kFirstBytes =
      std::uint64_t{1} << '\t' | std::uint64_t{1} << ' ' | std::uint64_t{1} << '/';
  const auto first = static_cast<unsigned char>(line.empty() ? '/' : line[0]);
  return first <= '/' && (kFirstBytes >> first & 1) != 0;
}

enum class GapLine { No, Blank, Comment };

// Whether a line is blank, a comment or neither.
inline GapLine GapLineKind(std::string_view line) {
  const std::size_t text = line.find_first_not_of(" \t");
  if (text == std::string_view::npos)
    return GapLine::Blank;
  return line.substr(text).starts_with("//") ? GapLine::Comment : GapLine::No;
}

// True when a line is an entry: neither blank nor a comment.
inline bool IsEntryLine(std::string_view line) {
  return !MayBeGapLine(line) || GapLineKind(line) == GapLine::No;
}

// The number of a switched-off entry; nothing for any other line.
std::optional<std::int32_t> SwitchedOffNumber(std::string_view line);

// True for the line of an entry of an aircraft-number file that is switched off.
inline bool IsSwitchedOff(std::string_view entry) {
  return entry.starts_with("//");
}

// A day line's value ("TRUE" of "  //FSXDAYS= TRUE"), to be compared in any case; nothing for
// any other line.
std::optional<std::string_view> DayLineValue(std::string_view line);

// A day line as a message shows it: without its leading blanks and "//".
std::string_view ShownDayLine(std::string_view line);

}  // namespace fw
