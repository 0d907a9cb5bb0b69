#pragma once

// The fields of one line of a code table, read so that what a person sees in the file is what the
// program takes from it:
//   - A field ends at a comma or at the end of the line. A line whose last character is a comma
//     ends in an empty field; an empty line holds one empty field.
//   - Spaces and tabs before and after a field are not part of it; those inside it are.
//   - A field whose first character (after the blanks) is a double quote is quoted: the quotes are
//     dropped, commas and blanks between them stay in the value, and two double quotes in a row
//     inside stand for one. A quote that is never closed runs to the end of the line.
//   - Quotes only protect what they enclose: text after the closing quote, up to the next comma,
//     still belongs to the field ("Quebec, Air" Cargo reads as: Quebec, Air Cargo).
//   - A double quote anywhere else in a field is an ordinary character (The "Jumbo").
// Which fields of a line make an entry is the table's business (see CodeTables.h).

#include <cstddef>
#include <span>
#include <string_view>

namespace fw {

// Walks the fields of one line, removing quotes in place: the views it returns point into the
// line's own bytes, which it rewrites as it goes, so reading a table allocates nothing per field.
class DelimitedFieldReader {
 public:
  // line: the bytes of one line, without its line end.
  explicit DelimitedFieldReader(std::span<char> line) : m_line(line) {}

  // The next field's value; false when the line holds no more fields.
  bool Next(std::string_view& field);

 private:
  std::span<char> m_line;
  std::size_t m_at = 0;
  bool m_done = false;
};

}  // namespace fw
