#include "worldai/DelimitedFields.h"

namespace fw {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

}  // namespace

bool DelimitedFieldReader::Next(std::string_view& field) {
  if (m_done)
    return false;
  char* const bytes = m_line.data();
  const std::size_t size = m_line.size();
  std::size_t at = m_at;
  while (at < size && IsBlank(bytes[at]))
    ++at;

  // Values are copied down over the quotes they lose; the write position never passes the read
  // position, so no byte is overwritten before it has been read.
  const std::size_t start = at;
  std::size_t out = at;
  std::size_t keep = start;  // blanks inside quotes survive the trimming at the end
  if (at < size && bytes[at] == '"') {
    ++at;
    while (at < size) {
      if (bytes[at] == '"') {
        if (at + 1 < size && bytes[at + 1] == '"') {
          bytes[out++] = '"';
          at += 2;
          continue;
        }
        ++at;
        break;
      }
      bytes[out++] = bytes[at++];
    }
    keep = out;
  }
  while (at < size && bytes[at] != ',')
    bytes[out++] = bytes[at++];
  while (out > keep && IsBlank(bytes[out - 1]))
    --out;

  field = std::string_view(bytes + start, out - start);
  if (at < size) {
    m_at = at + 1;  // past the comma
  } else {
    m_done = true;
  }
  return true;
}

}  // namespace fw
