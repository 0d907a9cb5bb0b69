#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>

namespace fw {

// Walks the lines of a file's bytes. CR LF, a lone CR and a lone LF each end a line; a last line
// without a line end is still a line. Lines are returned without their line end.
class LineSplitter {
 public:
  explicit LineSplitter(std::string_view bytes) : m_rest(bytes) {}

  // The next line and its 1-based number; false at the end of the bytes.
  bool Next(std::string_view& line) {
    if (m_rest.empty())
      return false;
    ++m_number;
    const char* begin = m_rest.data();
    const std::size_t size = m_rest.size();
    const void* lf = std::memchr(begin, '\n', size);
    const std::size_t lfAt =
        lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - begin) : size;
    // A CR before the LF ends the line earlier; lone CRs are rare, so this scan is short.
    const void* cr = std::memchr(begin, '\r', lfAt);
    std::size_t end = lfAt;
    std::size_t next = lf ? lfAt + 1 : size;
    if (cr) {
      end = static_cast<std::size_t>(static_cast<const char*>(cr) - begin);
      next = end + 1 < size && begin[end + 1] == '\n' ? end + 2 : end + 1;
    }
    line = std::string_view(begin, end);
    m_rest.remove_prefix(next);
    return true;
  }

  std::size_t LineNumber() const { return m_number; }

 private:
  std::string_view m_rest;
  std::size_t m_number = 0;
};

}  // namespace fw
