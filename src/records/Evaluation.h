#pragma once

// The evaluation of a traffic set: its flight-plan, aircraft and airport files checked each on
// its own and against each other, for the problems that make a traffic compiler drop or mangle
// flight plans. One pass over every file, with look-ups in hash tables of views into the files.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/Result.h"
#include "records/Operation.h"

namespace fw {

enum class Severity { Error, Warning };

// What a file of a set holds, as its entries show.
enum class SetFileKind { Empty, FlightPlans, Aircraft, Airports };

struct Problem {
  std::uint32_t File = 0;  // its place in the list
  std::uint64_t Line = 0;  // counted from 1, every line of the file; 0: the file as a whole
  Severity Level = Severity::Error;
  std::string Text;
};

// The problems found while one line of one file is looked at.
struct ProblemList {
  std::vector<Problem> Problems;
  std::uint32_t File = 0;
  std::uint64_t Line = 0;

  void Add(Severity level, std::string text) {
    Problems.push_back(Problem{File, Line, level, std::move(text)});
  }
};

struct FileSummary {
  SetFileKind Kind = SetFileKind::Empty;
  std::uint64_t Entries = 0;
  std::uint64_t Duplicates = 0;  // entries that repeat an earlier line of the file exactly
  std::uint64_t Comments = 0;    // comment lines, switched-off entries among them
  std::string Days;              // the value of the first //FSXDAYS line as written; "" for none
  std::uint64_t Numbers = 0;     // distinct aircraft numbers
  std::int32_t Lowest = 0;
  std::int32_t Highest = 0;
  std::uint64_t Legs = 0;
};

struct Evaluation {
  std::vector<Problem> Problems;  // by file in list order, then by line
  std::vector<FileSummary> Files;
  std::uint64_t Errors = 0;
  std::uint64_t Warnings = 0;
};

// The problems and summaries of a set of files given whole (a byte-order mark may open each),
// in list order; names are the files' names as listed, for texts that point to another line.
// sources, where given, hold the files' bytes (files[k] is sources[k]->view()), so that large
// files can be read from copies (ByteBuffer::CopyOut).
Evaluation EvaluateSet(std::span<const std::string> names, std::span<const std::string_view> files,
                       std::span<const ByteBuffer* const> sources = {});

// The report of an evaluation, lines ending in CR LF: one line a problem ("NAME:LINE: error:
// TEXT"), a blank line, a summary line per file and the totals.
std::string EvaluationReport(const Evaluation& evaluation, std::span<const std::string> names);

// Reads the input files, evaluates them and writes the report to the output file; Completed
// holds the counts. Fails when a file cannot be read or the report cannot be written, leaving the
// report's file as it was.
Result<Completed> EvaluateFlightPlans(const OperationRequest& request, const Progress& progress,
                                      FileSystem& fs = NativeFileSystem());

}  // namespace fw
