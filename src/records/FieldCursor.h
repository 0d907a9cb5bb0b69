#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "records/LineSplitter.h"

namespace fw {

namespace detail {

// One bit for each comma of the 64 bytes of line from `from` on (fewer at its end), the lowest
// for line[from]. The last bytes of a line are read as the last 16 of it, so that no byte is
// looked at alone.
inline std::uint64_t CommaBits(std::string_view line, std::size_t from) {
  std::uint64_t bits = 0;
#ifdef FW_LINE_ENDS_SSE2
  const auto commasAt = [line](std::size_t at) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(line.data() + at));
    return static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(','))));
  };
  if (line.size() - from >= 64) {
    return std::uint64_t{commasAt(from)} | std::uint64_t{commasAt(from + 16)} << 16 |
           std::uint64_t{commasAt(from + 32)} << 32 | std::uint64_t{commasAt(from + 48)} << 48;
  }
  if (line.size() >= 16) {
    for (std::size_t lane = 0; from + lane < line.size(); lane += 16) {
      const std::size_t at = std::min(from + lane, line.size() - 16);
      bits |= std::uint64_t{commasAt(at) >> (from + lane - at)} << lane;
    }
    return bits;
  }
#endif
  for (std::size_t k = from; k < std::min(line.size(), from + 64); ++k) {
    if (line[k] == ',')
      bits |= std::uint64_t{1} << (k - from);
  }
  return bits;
}

}  // namespace detail

// Hands out the fields of a line in order: the texts between its commas. The commas of 64 bytes
// are found at once, and only as far as the fields are asked for.
class FieldCursor {
 public:
  explicit FieldCursor(std::string_view line) : m_line(line) {}

  // The next field, as it stands; empty past the last. Inline, so that the cursor stays in
  // registers.
  [[gnu::always_inline]] std::string_view Next() {
    while (m_commas == 0 && m_scanned < m_line.size()) {
      m_base = m_scanned;
      m_commas = detail::CommaBits(m_line, m_scanned);
      m_scanned += 64;
    }
    const std::size_t end = m_commas == 0
                                ? m_line.size()
                                : m_base + static_cast<std::size_t>(std::countr_zero(m_commas));
    m_commas &= m_commas - 1;
    const std::size_t start = std::min(m_start, m_line.size());
    const std::string_view field(m_line.data() + start, end - start);
    m_start = end + 1;
    return field;
  }

  // True once the line's last field was handed out.
  bool AtEnd() const { return m_start > m_line.size(); }

 private:
  std::string_view m_line;
  std::size_t m_start = 0;     // of the next field; past the line's end after its last
  std::size_t m_scanned = 0;   // bytes whose commas are known
  std::size_t m_base = 0;      // where the bytes of m_commas start
  std::uint64_t m_commas = 0;  // those not handed out yet
};

}  // namespace fw
