#pragma once

// Everything that sets the operations apart, in one table that the command line, both window
// programs and the tests read: what each works on, and the texts every front end shows for it.
// An empty text means there is none: a caption then keeps the dialog's design-time one.

#include <array>
#include <cstddef>
#include <string_view>

#include "records/Operation.h"

namespace fw {

enum class RecordKind { AircraftNumbers, Airports };
enum class Inputs { One, Many };

struct OperationInfo {
  Operation Code;
  RecordKind Kind;
  Inputs Input;
  bool HasOutput;
  // The operation dialog.
  std::string_view WindowTitle;
  std::string_view InputLabel;
  std::string_view OutputLabel;
  std::string_view ExecuteCaption;
  std::string_view InputDialogTitle;
  std::string_view OutputDialogTitle;
  // Keys of the settings file's InputFiles and OutputFiles sections.
  std::string_view InputFilesKey;
  std::string_view OutputFileKey;
  // Wait texts, shown before each step.
  std::string_view ReadingText;
  std::string_view SortingText;  // or evaluating
  std::string_view WritingText;
  // The outcome. A count of changed records goes before the success text when CountsChanges.
  std::string_view SuccessTitle;
  std::string_view SuccessText;
  bool CountsChanges;
  std::string_view FailureText;
  // fleetwright-cli's subcommand; none for an operation it does not offer.
  std::string_view CommandName;
  std::string_view CommandHelp;
};

namespace detail {

inline constexpr std::string_view kReadingOne = "Please Wait. Reading input file...";
inline constexpr std::string_view kSortingOne = "Please Wait. Sorting input file...";
inline constexpr std::string_view kReadingMany = "Please Wait. Reading input file(s)...";
inline constexpr std::string_view kSortingMany = "Please Wait. Sorting input file(s)...";
inline constexpr std::string_view kWriting = "Please Wait. Writing output file...";

// A sort or a merge of one kind of file.
constexpr OperationInfo SortOrMerge(Operation code, RecordKind kind, Inputs input,
                                    std::string_view title, std::string_view inputLabel,
                                    std::string_view outputLabel, std::string_view execute,
                                    std::string_view inputDialog, std::string_view outputDialog,
                                    std::string_view inputKey, std::string_view outputKey,
                                    std::string_view success, std::string_view command,
                                    std::string_view help) {
  const bool one = input == Inputs::One;
  return OperationInfo{code,
                       kind,
                       input,
                       true,
                       title,
                       inputLabel,
                       outputLabel,
                       execute,
                       inputDialog,
                       outputDialog,
                       inputKey,
                       outputKey,
                       one ? kReadingOne : kReadingMany,
                       one ? kSortingOne : kSortingMany,
                       kWriting,
                       one ? "Sort Success" : "Merge Success",
                       success,
                       false,
                       one ? "Error during sort." : "Error during merge.",
                       command,
                       help};
}

}  // namespace detail

// Indexed by the operation's number.
inline constexpr std::array<OperationInfo, 8> kOperations{{
    detail::SortOrMerge(
        Operation::SortFlightPlans, RecordKind::AircraftNumbers, Inputs::One, "Sort Flight Plans",
        "Flight Plan File To Be Sorted:", "Sorted Flight Plan File Name:", "Sort Flight Plan File",
        "Select The Flight Plan File To Be Sorted",
        "Enter or Select The Sorted Flight Plan File Name", "SortFPFile", "SortFPFile",
        "Flight plans successfully sorted!", "sort-flight-plans",
        "Sort a flight-plan file, dropping duplicate lines"),
    detail::SortOrMerge(Operation::MergeFlightPlans, RecordKind::AircraftNumbers, Inputs::Many,
                        "Merge Flight Plans", "Flight Plan Files To Be Merged:",
                        "Merged Flight Plan File Name:", "Merge Flight Plan Files",
                        "Select The Flight Plan Files To Be Merged",
                        "Enter or Select The Merged Flight Plan File Name", "MergeFPFiles",
                        "MergeFPFile", "Flight plans successfully merged!", "merge-flight-plans",
                        "Merge flight-plan files into one sorted file"),
    // The success text is made from the counts (see OutcomeMessage).
    OperationInfo{Operation::EvaluateFlightPlans,
                  RecordKind::AircraftNumbers,
                  Inputs::Many,
                  true,
                  "Evaluate Flight Plans",
                  "Flight Plan, Aircraft And Airport Files To Be Evaluated:",
                  "Evaluation Report File Name:",
                  "Evaluate Files",
                  "Select The Flight Plan Files To Be Evaluated",
                  "Enter or Select The Evaluation Report File",
                  "EvalFPFiles",
                  "EvalFPFile",
                  detail::kReadingMany,
                  "Please Wait. Evaluating...",
                  "Please Wait. Writing report file...",
                  "Evaluation Complete",
                  {},
                  false,
                  "Error during evaluation.",
                  "evaluate-flight-plans",
                  "Check flight-plan, aircraft and airport files for problems and write a report"},
    detail::SortOrMerge(
        Operation::SortAirports, RecordKind::Airports, Inputs::One, "Sort Airports",
        "Airport File To Be Sorted:", "Sorted Airport File Name:", "Sort Airport File",
        "Select The Airport File To Be Sorted", "Enter or Select The Sorted Airport File Name",
        "SortAPFile", "SortAPFile", "Airports successfully sorted!", "sort-airports",
        "Sort an airport file, one line per airport ID"),
    detail::SortOrMerge(
        Operation::MergeAirports, RecordKind::Airports, Inputs::Many, "Merge Airports",
        "Airport Files To Be Merged:", "Merged Airport File Name:", "Merge Airport Files",
        "Select The Airport Files To Be Merged", "Enter or Select The Merged Airport File Name",
        "MergeAPFiles", "MergeAPFile", "Airports successfully merged!", "merge-airports",
        "Merge airport files into one sorted file"),
    detail::SortOrMerge(
        Operation::SortAircraft, RecordKind::AircraftNumbers, Inputs::One, "Sort Aircraft",
        "Aircraft File To Be Sorted:", "Sorted Aircraft File Name:", "Sort Aircraft File",
        "Select The Aircraft File To Be Sorted", "Enter or Select The Sorted Aircraft File Name",
        "SortACFile", "SortACFile", "Aircraft successfully sorted!", "sort-aircraft",
        "Sort an aircraft file, dropping duplicate lines"),
    detail::SortOrMerge(
        Operation::MergeAircraft, RecordKind::AircraftNumbers, Inputs::Many, "Merge Aircraft",
        "Aircraft Files To Be Merged:", "Merged Aircraft File Name:", "Merge Aircraft Files",
        "Select The Aircraft Files To Be Merged", "Enter or Select The Merged Aircraft File Name",
        "MergeACFiles", "MergeACFile", "Aircraft successfully merged!", "merge-aircraft",
        "Merge aircraft files into one sorted file"),
    OperationInfo{Operation::ChangeACNumbers,
                  RecordKind::AircraftNumbers,
                  Inputs::Many,
                  false,
                  "Change Aircraft & Flight Plan Numbers",
                  "Aircraft and/or Flight Plan Files To Be Changed",
                  {},
                  "Change Aircraft and/or Flight Plan Numbers",
                  "Select The Aircraft and/or Flight Plan Files To Be Changed",
                  {},
                  "ChangeACNumsFiles",
                  {},
                  detail::kReadingMany,
                  detail::kSortingMany,
                  "Please Wait. Writing output file(s)...",
                  "Aircraft # Change Success",
                  " aircraft numbers successfully changed!",
                  true,
                  "Error during aircraft # change.",
                  "change-numbers",
                  "Give every entry of one aircraft number a new number, in place"},
}};

// The table's entry for an operation.
constexpr const OperationInfo& InfoOf(Operation operation) {
  return kOperations[static_cast<std::size_t>(operation)];
}

// The wait text an operation shows before a step.
constexpr std::string_view WaitText(Operation operation, Step step) {
  const OperationInfo& info = InfoOf(operation);
  switch (step) {
    case Step::Reading:
      return info.ReadingText;
    case Step::Sorting:
    case Step::Evaluating:
      return info.SortingText;
    case Step::Writing:
      return info.WritingText;
  }
  return {};
}

static_assert([] {
  for (std::size_t i = 0; i < kOperations.size(); ++i) {
    if (static_cast<std::size_t>(kOperations[i].Code) != i)
      return false;
  }
  return true;
}());

}  // namespace fw
