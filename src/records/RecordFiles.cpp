#include "records/RecordFiles.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "platform/WorkBeside.h"
#include "records/LineSet.h"
#include "records/PieceWriting.h"
#include "records/Texts.h"

namespace fw {
namespace {

using namespace detail;

// Runs of equal numbers up to this long find repeated lines by comparing each with the others.
constexpr std::size_t kShortRun = 16;

// The non-empty lines of part of a long run that seen did not hold yet, in order; seen gets them.
std::vector<std::string_view> NewLines(std::span<const ACNumRecord> records, LineSet& seen) {
  std::vector<std::string_view> lines;
  std::string_view previous;
  for (std::size_t i = 0; i < records.size(); ++i) {
    if (i + kPrefetchAhead < records.size())
      Prefetch(records[i + kPrefetchAhead].Line);
    const std::string_view line = records[i].Line;
    // A line equal to the one before it was already dealt with; this spares the hash in runs
    // of repeated lines.
    const bool repeat = line == previous;
    previous = line;
    if (!line.empty() && !repeat && seen.Insert(line))
      lines.push_back(line);
  }
  return lines;
}

// A long run's distinct lines. A very long one is taken in two halves on two threads: the second
// half's new lines are written after the first half's, if the first half did not have them.
template <typename Out>
Result<void> WriteLongRun(std::span<const ACNumRecord> run, Out& out) {
  // Sized for a few lines and grown as needed: a long run is often one line repeated, and a
  // table for all of its records would cost more than the run itself.
  constexpr std::size_t kFirstSize = 1024;
  constexpr std::size_t kParallelRun = std::size_t{1} << 16;
  LineSet seen(std::min(run.size(), kFirstSize));
  std::vector<std::string_view> firstLines;
  std::vector<std::string_view> secondLines;
  const std::size_t half = run.size() >= kParallelRun ? run.size() / 2 : run.size();
  LineSet secondSeen(half == run.size() ? 0 : kFirstSize);
  {
    const WorkBeside second([&] { secondLines = NewLines(run.subspan(half), secondSeen); },
                            half != run.size());
    firstLines = NewLines(run.first(half), seen);
  }
  for (const std::string_view line : firstLines) {
    if (auto appended = out.Line(line); !appended)
      return appended;
  }
  for (const std::string_view line : secondLines) {
    if (!seen.Insert(line))
      continue;
    if (auto appended = out.Line(line); !appended)
      return appended;
  }
  return {};
}

// Writes the distinct non-empty lines of one run of equal numbers, in list order. A line of a
// short run is compared with the run's earlier lines; long runs use a set.
template <typename Out>
Result<void> WriteRun(std::span<const ACNumRecord> run, Out& out) {
  if (run.size() > kShortRun)
    return WriteLongRun(run, out);
  for (std::size_t k = 0; k < run.size(); ++k) {
    const std::string_view line = run[k].Line;
    const auto earlier = run.first(k);
    if (line.empty() || std::any_of(earlier.begin(), earlier.end(),
                                    [line](const ACNumRecord& r) { return r.Line == line; }))
      continue;
    if (auto appended = out.Line(line); !appended)
      return appended;
  }
  return {};
}

// Writes the runs of equal numbers of a sorted list, loading lines ahead of their use.
template <typename Out>
Result<void> WriteRuns(std::span<const ACNumRecord> list, Out& out) {
  std::size_t prefetched = 0;
  for (std::size_t first = 0; first < list.size();) {
    std::size_t end = first + 1;
    while (end < list.size() && list[end].ACNum == list[first].ACNum)
      ++end;
    // A long run loads its own lines ahead.
    prefetched = std::max(prefetched, first);
    for (const std::size_t until =
             std::min(std::min(end, first + kShortRun) + kPrefetchAhead, list.size());
         prefetched < until; ++prefetched)
      Prefetch(list[prefetched].Line);
    if (auto written = WriteRun(list.subspan(first, end - first), out); !written)
      return written;
    first = end;
  }
  return {};
}

// A stretch of a sorted list, cut where a record does not depend on the one before it.
struct Piece {
  std::size_t First = 0;
  std::size_t End = 0;
  std::size_t Bytes = 0;  // with line ends, duplicates included
};

// An airport list cut into pieces anywhere: whether a record is written depends only on the
// record before it, which a piece can look at across the cut.
std::vector<Piece> AirportPieces(std::span<const APRecord> list) {
  std::vector<Piece> pieces;
  Piece piece;
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (piece.Bytes >= kPieceBytes) {
      piece.End = i;
      pieces.push_back(piece);
      piece = Piece{i, i, 0};
    }
    piece.Bytes += list[i].Line.size() + kLineEnd.size();
  }
  piece.End = list.size();
  pieces.push_back(piece);
  return pieces;
}

// Appends the pieces of list[first, end) to pieces, each ending with a run of equal numbers so
// that each finds its own repeated lines.
void CutRuns(std::span<const ACNumRecord> list, std::size_t first, std::size_t end,
             std::vector<Piece>& pieces) {
  Piece piece{first, first, 0};
  for (std::size_t i = first; i < end; ++i) {
    if (i != 0 && list[i].ACNum != list[i - 1].ACNum && piece.Bytes >= kPieceBytes) {
      piece.End = i;
      pieces.push_back(piece);
      piece = Piece{i, i, 0};
    }
    piece.Bytes += list[i].Line.size() + kLineEnd.size();
  }
  piece.End = end;
  if (piece.End != piece.First)
    pieces.push_back(piece);
}

// A list sorted by number cut into pieces. A long list is cut in two halves on two threads, the
// second starting with a run of its own.
std::vector<Piece> SortedPieces(std::span<const ACNumRecord> list) {
  constexpr std::size_t kParallelList = std::size_t{1} << 16;
  std::size_t middle = list.size() >= kParallelList ? list.size() / 2 : list.size();
  while (middle != list.size() && list[middle].ACNum == list[middle - 1].ACNum)
    ++middle;
  std::vector<Piece> pieces;
  std::vector<Piece> secondPieces;
  {
    const WorkBeside second([&] { CutRuns(list, middle, list.size(), secondPieces); },
                            middle != list.size());
    CutRuns(list, 0, middle, pieces);
  }
  pieces.insert(pieces.end(), secondPieces.begin(), secondPieces.end());
  return pieces;
}

// Reads the files in turn and parses each with parse(bytes, records, name) once the list has
// room for all of them; a file that cannot be read is reported after the ones before it parsed.
template <typename List, typename Parse>
Result<void> ReadFiles(List& list, std::span<const std::string> fileNames, FileSystem& fs,
                       Parse parse) {
  std::vector<Result<ByteBuffer>> files;
  std::size_t expected = 0;
  for (const std::string& name : fileNames) {
    files.push_back(fs.ReadFile(name));
    if (!files.back())
      break;
    expected += ExpectedLines(files.back().value().view());
  }
  list.Records.reserve(list.Records.size() + expected);
  for (std::size_t k = 0; k < files.size(); ++k) {
    if (!files[k])
      return files[k].error();
    list.Storage.push_back(std::move(files[k]).value());
    if (auto parsed = parse(list.Storage.back().view(), list, fileNames[k]); !parsed)
      return parsed;
  }
  return {};
}

}  // namespace

Result<void> ReadACNumFiles(ACNumRecordList& list, std::span<const std::string> fileNames,
                            FileSystem& fs) {
  return ReadFiles(list, fileNames, fs, ParseACNumLines);
}

Result<void> ReadAPFiles(APRecordList& list, std::span<const std::string> fileNames,
                         FileSystem& fs) {
  return ReadFiles(list, fileNames, fs,
                   [](std::string_view bytes, APRecordList& into, std::string_view) {
                     ParseAPLines(bytes, into);
                     return Result<void>();
                   });
}

Result<void> ReadACNumFile(ACNumRecordList& list, const std::string& fileName, FileSystem& fs) {
  return ReadACNumFiles(list, std::span(&fileName, 1), fs);
}

Result<void> ReadAPFile(APRecordList& list, const std::string& fileName, FileSystem& fs) {
  return ReadAPFiles(list, std::span(&fileName, 1), fs);
}

Result<void> detail::AppendSortedRecords(std::span<const ACNumRecord> list,
                                         AtomicFileWriter& writer) {
  // Equal lines have equal numbers, so in a sorted list each line can only repeat inside the run
  // of its own number: no table over the whole file is needed.
  const std::vector<Piece> pieces = SortedPieces(list);
  return WritePieces(std::span<const Piece>(pieces), writer, [list](const Piece& piece, auto& out) {
    return WriteRuns(list.subspan(piece.First, piece.End - piece.First), out);
  });
}

Result<void> detail::AppendSortedRecords(std::span<const APRecord> list, AtomicFileWriter& writer) {
  // The IDs written so far are all smaller than the record's ID or equal to it, so a record is
  // written when its ID differs from the one before it, and pieces can be gathered apart. The
  // empty ID counts as written from the start.
  const std::vector<Piece> pieces = AirportPieces(list);
  return WritePieces(std::span<const Piece>(pieces), writer, [list](const Piece& piece, auto& out) {
    for (std::size_t i = piece.First; i < piece.End; ++i) {
      if (i + kPrefetchAhead < list.size())
        Prefetch(list[i + kPrefetchAhead].Line);
      const std::string_view before = i == 0 ? std::string_view() : list[i - 1].APID;
      if (list[i].APID == before)
        continue;
      if (auto appended = out.Line(list[i].Line); !appended)
        return appended;
    }
    return Result<void>();
  });
}

Result<void> WriteACNumFile(std::span<const ACNumRecord> list, const std::string& fileName,
                            FileSystem& fs) {
  auto writer = AtomicFileWriter::Create(fs, fileName);
  if (!writer)
    return writer.error();
  if (auto written = AppendSortedRecords(list, writer.value()); !written)
    return written;
  return writer.value().Commit();
}

Result<void> WriteAPFile(std::span<const APRecord> list, const std::string& fileName,
                         FileSystem& fs) {
  auto writer = AtomicFileWriter::Create(fs, fileName);
  if (!writer)
    return writer.error();
  if (auto written = AppendSortedRecords(list, writer.value()); !written)
    return written;
  return writer.value().Commit();
}

}  // namespace fw
