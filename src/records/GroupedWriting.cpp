// The writers of lists as their layout says: a byte-order mark and a merge's day line first,
// then for a list without comment lines its records as the writers of sorted lists write them.
// A grouped list of one block gets its header before and its trailer after them. A grouped list
// of more blocks was rid of repeated entries in advance (emptied, and so not written here): its
// kept gaps and its records are gathered in pieces cut anywhere, each holding the gaps that
// stand before its records.
#include <span>

#include "records/LineKinds.h"
#include "records/LineSplitter.h"
#include "records/PieceWriting.h"
#include "records/RecordFiles.h"

namespace fw {
namespace {

using namespace detail;

bool Written(const ACNumRecord& record) {
  return !record.Line.empty();
}
bool Written(const APRecord& record) {
  return !record.APID.empty();
}

// Writes the lines of a gap, without its day lines when they were moved.
template <typename Out>
Result<void> WriteGap(std::string_view gap, const Layout& layout, Out& out) {
  Result<void> written;
  ForEachLine(gap, [&](std::string_view line, std::size_t) {
    if (!layout.DayLinesMoved || !DayLineValue(line))
      written = out.Line(line);
    return written.ok();
  });
  return written;
}

// Writes the kept gaps from gap on that stand before record position; returns the first gap
// after them.
template <typename Out>
Result<std::size_t> WriteGaps(std::span<const Gap> gaps, std::size_t gap, std::size_t position,
                              const Layout& layout, Out& out) {
  for (; gap < gaps.size() && gaps[gap].Before <= position; ++gap) {
    if (!layout.KeptGaps[gap])
      continue;
    if (auto written = WriteGap(gaps[gap].Lines, layout, out); !written)
      return written.error();
  }
  return gap;
}

// Records First..End with the gaps from FirstGap on that stand before them.
struct GroupPiece {
  std::size_t First = 0;
  std::size_t End = 0;
  std::size_t FirstGap = 0;
  std::size_t Bytes = 0;  // at most; a gap's lines may end in one byte each instead of two
};

template <typename Record>
std::vector<GroupPiece> GroupPieces(const RecordList<Record>& list, const Layout& layout) {
  std::vector<GroupPiece> pieces;
  GroupPiece piece;
  std::size_t gap = 0;
  for (std::size_t i = 0; i < list.Records.size(); ++i) {
    if (piece.Bytes >= kPieceBytes) {
      piece.End = i;
      pieces.push_back(piece);
      piece = GroupPiece{i, i, gap, 0};
    }
    for (; gap < list.Gaps.size() && list.Gaps[gap].Before == i; ++gap) {
      if (layout.KeptGaps[gap])
        piece.Bytes += 2 * list.Gaps[gap].Lines.size() + kLineEnd.size();
    }
    if (Written(list.Records[i]))
      piece.Bytes += list.Records[i].Line.size() + kLineEnd.size();
  }
  piece.End = list.Records.size();
  if (piece.End != 0)
    pieces.push_back(piece);
  return pieces;
}

template <typename Record>
Result<void> AppendBlocks(const RecordList<Record>& list, const Layout& layout,
                          AtomicFileWriter& writer) {
  const std::vector<GroupPiece> pieces = GroupPieces(list, layout);
  const std::span<const Record> records(list.Records);
  return WritePieces(std::span<const GroupPiece>(pieces), writer,
                     [&](const GroupPiece& piece, auto& out) {
                       std::size_t gap = piece.FirstGap;
                       for (std::size_t i = piece.First; i < piece.End; ++i) {
                         auto after = WriteGaps(list.Gaps, gap, i, layout, out);
                         if (!after)
                           return Result<void>(after.error());
                         gap = after.value();
                         if (i + kPrefetchAhead < records.size())
                           Prefetch(records[i + kPrefetchAhead].Line);
                         if (!Written(records[i]))
                           continue;
                         if (auto written = out.Line(records[i].Line); !written)
                           return written;
                       }
                       return Result<void>();
                     });
}

template <typename Record>
Result<void> WriteList(const RecordList<Record>& list, const Layout& layout,
                       const std::string& fileName, FileSystem& fs) {
  auto writer = AtomicFileWriter::Create(fs, fileName);
  if (!writer)
    return writer.error();
  LineWriter out{writer.value()};
  if (layout.ByteOrderMark) {
    if (auto written = writer.value().Append(kByteOrderMark); !written)
      return written;
  }
  if (!layout.DayLine.empty()) {
    if (auto written = out.Line(layout.DayLine); !written)
      return written;
  }
  std::size_t gap = 0;
  if (layout.Blocks.size() > 1) {
    if (auto written = AppendBlocks(list, layout, writer.value()); !written)
      return written;
    gap = list.Gaps.size();
    while (gap > 0 && list.Gaps[gap - 1].Before == list.Records.size())
      --gap;
  } else {
    // Without comment lines no gap is kept: the header and the trailer are then empty.
    auto header = WriteGaps(list.Gaps, 0, 0, layout, out);
    if (!header)
      return header.error();
    gap = header.value();
    if (auto written = AppendSortedRecords(std::span<const Record>(list.Records), writer.value());
        !written)
      return written;
  }
  if (auto trailer = WriteGaps(list.Gaps, gap, list.Records.size(), layout, out); !trailer)
    return trailer.error();
  return writer.value().Commit();
}

}  // namespace

Result<void> WriteACNumFile(const ACNumRecordList& list, const Layout& layout,
                            const std::string& fileName, FileSystem& fs) {
  return WriteList(list, layout, fileName, fs);
}

Result<void> WriteAPFile(const APRecordList& list, const Layout& layout,
                         const std::string& fileName, FileSystem& fs) {
  return WriteList(list, layout, fileName, fs);
}

}  // namespace fw
