#pragma once

// What an operation is asked to do and what it gives back. The operations themselves are in
// records/Operations.h; what every front end shows for one is in records/OperationTable.h.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace fw {

// The operations, numbered as the dialog's TypeOfOperation and the settings file know them.
enum class Operation : std::int32_t {
  SortFlightPlans = 0,
  MergeFlightPlans = 1,
  EvaluateFlightPlans = 2,
  SortAirports = 3,
  MergeAirports = 4,
  SortAircraft = 5,
  MergeAircraft = 6,
  ChangeACNumbers = 7,
};

// The long steps of an operation, each announced before it starts.
enum class Step { Reading, Sorting, Evaluating, Writing };

// Called before each long step.
using Progress = std::function<void(Step)>;

// An operation's input. Names are taken without their surrounding spaces, and blank ones are
// skipped; an operation of one input file takes Inputs' only element whole.
struct OperationRequest {
  std::vector<std::string> Inputs;
  std::string Output;
  // The number change: every entry of From gets To, written as ToText (digits as typed, so that
  // leading zeros stay in the rewritten lines); a copy NAME.BAK is made of each file first when
  // Backup is set.
  std::int32_t From = 0;
  std::int32_t To = 0;
  std::string ToText;
  bool Backup = true;
};

// What a successful operation reports.
struct Completed {
  long long Changed = 0;  // records renumbered by a number change
  // An evaluation's findings, the files it read and the report it wrote.
  long long Errors = 0;
  long long Warnings = 0;
  long long Files = 0;
  std::string Report;
};

}  // namespace fw
