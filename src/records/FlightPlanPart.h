#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/ByteBuffer.h"
#include "records/AirportIds.h"
#include "records/Evaluation.h"
#include "records/FlatMap.h"
#include "records/FlightPlanChecks.h"
#include "records/FlightPlanCopies.h"
#include "records/NumberMarks.h"

namespace fw {

// The aircraft numbers and airport IDs of a set's aircraft and airport files; null where the set
// lists no such file. Only read while flight plans are checked, by any number of threads.
struct SetTables {
  const FlatMap<std::int32_t, bool, NumberHash>* Aircraft = nullptr;
  const AirportIds* Airports = nullptr;
};

// The checks of each flight-plan entry of one part of a file: on its own, and against the set's
// aircraft and airport files. What it finds is its own, so that two parts of a large file can be
// checked at once. Copies of earlier lines and shared registrations are FlightPlanCopies' work:
// the part hands its entries over, sorted by the follower that takes them.
class FlightPlanPart {
 public:
  // The part is text, whose lines start fewer than 2^32 bytes after its start.
  FlightPlanPart(std::uint32_t file, const SetTables& tables, std::string_view text)
      : Text(text), m_tables(tables) {
    Problems.File = file;
  }

  // Checks the lines of the part, which holds fewer than 2^32 lines (see SplitIntoParts), and
  // returns how many there are; about expectedLines, for the room of the lists handed over. Where
  // source, which holds the part, can copy its bytes out, the lines are read from copies of them,
  // a piece at a time.
  std::size_t CheckLines(const ByteBuffer* source, std::size_t expectedLines);

  std::string_view Text;
  ProblemList Problems;
  std::uint64_t Entries = 0;
  std::uint64_t Comments = 0;
  std::uint64_t Legs = 0;
  LinePlace DayLine;  // the first day line of the part; Line 0 for none
  std::string_view DayText;
  // The aircraft numbers used, each with 0 when it is in no aircraft file (of some).
  NumberMarks Numbers;
  // The entries, in order, for each follower (FlightPlanCopies::HalfOf their hash).
  std::array<FlightPlanCopies::Entries, 2> ToFollow;

 private:
  // Checks a line of the part, numbered from 1 in the part, in file order. The line may be a
  // copy: `from` is where it lies in the file, for what is kept of it. Some of the checks of an
  // entry wait for the next entry: Finish does them, at the latest before the line goes.
  void Check(std::string_view line, std::uint64_t number, const char* from);
  void Finish();

  // Asks the set's tables about the entry (of line Problems.Line).
  void LookUp(const FlightPlanEntry& entry);

  SetTables m_tables;
  FlightPlanEntry m_entries[2];  // one at hand, the other waiting for its look-ups
  unsigned m_current = 0;
  std::uint64_t m_waiting = 0;  // the line of the entry waiting; 0 for none
  // The airports of the entry looked up that are in no airport file, each with its leg.
  std::vector<std::pair<std::string_view, std::size_t>> m_missing;
};

// A flight-plan file cut at line ends into parts to be checked at once: one for a small file, two
// for a large one, and more where a part would be over 2 GiB, so that the offsets and numbers of
// a part's lines fit in 32 bits.
std::vector<std::string_view> SplitIntoParts(std::string_view bytes);

}  // namespace fw
