#pragma once

// How the files read into a record list are written back. A list without comment lines is one
// block, sorted and written as the program always did. A grouped list (one with a comment line)
// keeps its header, its blocks under their titles and its trailer where they stood: a run of
// blank and comment lines that holds a comment (a kept gap) between two entries starts a block,
// and so does each file of a merge. Each block is sorted on its own, equal keys in input order,
// and an entry already written in an earlier block is dropped.

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Result.h"
#include "records/Records.h"

namespace fw {

// The records first..end of a list.
struct Block {
  std::size_t First = 0;
  std::size_t End = 0;
};

// Where a merge writes the day lines ("//FSXDAYS=TRUE") of its inputs.
enum class DayLines {
  InPlace,  // where each stands
  First,    // the first one as the output's first line, the others nowhere
};

struct Layout {
  bool Grouped = false;
  std::vector<Block> Blocks;   // none for a list without records
  bool ByteOrderMark = false;  // the output starts with one: its first file did
  // The line a merge writes first, when it moves the day lines; empty when there is none.
  std::string_view DayLine;
  bool DayLinesMoved = false;
  // For each gap of the list, whether it is written: the gaps of a run that holds a comment are.
  std::vector<bool> KeptGaps;
};

// The layout of the files read into a list, listed as names. Fails for DayLines::First when two
// files number their days differently ("\"A.txt\" numbers days as FSXDAYS=TRUE, \"B.txt\" as
// FSXDAYS=FALSE"); then nothing must be written.
Result<Layout> LayOut(std::size_t records, std::span<const Gap> gaps,
                      std::span<const ListedFile> files, std::span<const std::string> names,
                      DayLines dayLines);

template <typename Record>
Result<Layout> LayOut(const RecordList<Record>& list, std::span<const std::string> names,
                      DayLines dayLines) {
  return LayOut(list.Records.size(), list.Gaps, list.Files, names, dayLines);
}

// Puts a grouped list in the order it is written: drops every record whose line (aircraft
// numbers) or ID (airports) an earlier record has, by emptying it, when there is more than one
// block, then sorts each block by key, equal keys in input order.
void ArrangeBlocks(std::vector<ACNumRecord>& records, std::span<const Block> blocks);
void ArrangeBlocks(std::vector<APRecord>& records, std::span<const Block> blocks);

}  // namespace fw
