#pragma once

// What the fuzz targets of the readers check of the gaps (runs of blank and comment lines).

#include <string_view>
#include <vector>

#include "FuzzCheck.h"
#include "ReferenceLines.h"
#include "records/Records.h"

namespace fw::fuzz {

// A blank or comment line and how many records of the list stand before it.
struct GapLine {
  std::size_t Before;
  std::string_view Line;
};

// The list's gaps hold exactly the expected lines, the file's own bytes, one gap a run, each
// telling whether it holds a comment.
inline void CheckGaps(const std::vector<fw::Gap>& gaps, const std::vector<GapLine>& expected) {
  std::size_t next = 0;
  for (std::size_t g = 0; g < gaps.size(); ++g) {
    FW_FUZZ_CHECK(g == 0 || gaps[g - 1].Before < gaps[g].Before);
    bool comments = false;
    for (const std::string_view line : ReferenceLines(gaps[g].Lines)) {
      FW_FUZZ_CHECK(next < expected.size());
      FW_FUZZ_CHECK(expected[next].Before == gaps[g].Before);
      FW_FUZZ_CHECK(expected[next].Line.data() == line.data() &&
                    expected[next].Line.size() == line.size());
      comments = comments || ReferenceKindOf(line) == ReferenceKind::Comment;
      ++next;
    }
    FW_FUZZ_CHECK(gaps[g].Comments == comments);
  }
  FW_FUZZ_CHECK(next == expected.size());
}

// The bytes of a file without the byte-order mark that may open it.
inline std::string_view WithoutMark(std::string_view bytes) {
  return bytes.substr(0, 3) == "\xEF\xBB\xBF" ? bytes.substr(3) : bytes;
}

}  // namespace fw::fuzz
