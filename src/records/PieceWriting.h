#pragma once

// What the writers share: lines copied with their CR LF into pieces of the output that two
// threads gather at once, or appended one by one.

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <span>
#include <string_view>

#include "platform/AtomicFile.h"
#include "records/Records.h"

namespace fw::detail {

inline constexpr std::string_view kLineEnd = "\r\n";

// In sorted order the lines lie all over the input, and waiting for each in turn would dominate
// the writing: loading starts this many records ahead.
inline constexpr std::size_t kPrefetchAhead = 12;

// Pieces are about half a block of lines.
inline constexpr std::size_t kPieceBytes = std::size_t{512} << 10;

// Loads every cache line a line touches (lines start anywhere in one), up to a few.
inline void Prefetch(std::string_view line) {
#if defined(__GNUC__) || defined(__clang__)
  constexpr std::uintptr_t kCacheLine = 64;
  constexpr std::uintptr_t kMost = 8 * kCacheLine;
  const auto start = reinterpret_cast<std::uintptr_t>(line.data());
  const std::uintptr_t end = start + std::min<std::uintptr_t>(line.size(), kMost);
  for (std::uintptr_t at = start & ~(kCacheLine - 1); at < end; at += kCacheLine)
    __builtin_prefetch(reinterpret_cast<const void*>(at));
#else
  (void)line;
#endif
}

// Appends lines with their line end.
struct LineWriter {
  AtomicFileWriter& Writer;
  Result<void> Line(std::string_view line) {
    if (auto appended = Writer.Append(line); !appended)
      return appended;
    return Writer.Append(kLineEnd);
  }
};

// Copies lines with their line end into memory known to hold them.
struct BytesWriter {
  char* At;
  Result<void> Line(std::string_view line) {
    std::memcpy(At, line.data(), line.size());
    std::memcpy(At + line.size(), kLineEnd.data(), kLineEnd.size());
    At += line.size() + kLineEnd.size();
    return {};
  }
};

// Writes pieces (each with the most Bytes it writes) gathered on two threads by write(piece,
// out), out a BytesWriter or a LineWriter. A piece far longer than planned goes to the writer
// line by line, so that no text ever holds it whole.
template <typename Piece, typename Write>
Result<void> WritePieces(std::span<const Piece> pieces, AtomicFileWriter& writer, Write write) {
  constexpr std::size_t kLongPiece = std::size_t{8} << 20;
  std::size_t from = 0;  // the first piece not yet written
  for (std::size_t k = 0; k <= pieces.size(); ++k) {
    const bool longPiece = k < pieces.size() && pieces[k].Bytes > kLongPiece;
    if (k < pieces.size() && !longPiece)
      continue;
    auto written = writer.AppendPieces(
        k - from, [&](std::size_t j) { return pieces[from + j].Bytes; },
        [&](std::size_t j, char* bytes) {
          BytesWriter out{bytes};
          (void)write(pieces[from + j], out);
          return static_cast<std::size_t>(out.At - bytes);
        });
    if (written && longPiece) {
      LineWriter out{writer};
      written = write(pieces[k], out);
    }
    if (!written)
      return written;
    from = k + 1;
  }
  return {};
}

// The writers of sorted lists, on a file being written: each distinct line once, and the first
// record of each airport ID.
Result<void> AppendSortedRecords(std::span<const ACNumRecord> list, AtomicFileWriter& writer);
Result<void> AppendSortedRecords(std::span<const APRecord> list, AtomicFileWriter& writer);

}  // namespace fw::detail
