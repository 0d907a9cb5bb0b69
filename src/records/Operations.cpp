#include "records/Operations.h"

#include <string>
#include <vector>

#include "records/Evaluation.h"
#include "records/Layout.h"
#include "records/OperationTable.h"
#include "records/RecordFiles.h"
#include "records/Sorting.h"
#include "records/Texts.h"

namespace fw {
namespace {

template <typename List>
Result<void> ReadInto(List& list, std::span<const std::string> names, FileSystem& fs) {
  if constexpr (std::is_same_v<List, ACNumRecordList>) {
    return ReadACNumFiles(list, names, fs);
  } else {
    return ReadAPFiles(list, names, fs);
  }
}

// Sorts the list as its layout says and writes it.
template <typename List>
Result<void> SortAndWrite(List& list, const Layout& layout, const std::string& output,
                          const Progress& progress, FileSystem& fs) {
  constexpr bool kNumbers = std::is_same_v<List, ACNumRecordList>;
  progress(Step::Sorting);
  if (layout.Grouped) {
    ArrangeBlocks(list.Records, layout.Blocks);
  } else if constexpr (kNumbers) {
    SortACNumRecords(list.Records);
  } else {
    SortAPRecords(list.Records);
  }
  progress(Step::Writing);
  if constexpr (kNumbers)
    return WriteACNumFile(list, layout, output, fs);
  else
    return WriteAPFile(list, layout, output, fs);
}

template <typename List>
Result<Completed> ReadSortWrite(const OperationInfo& info, const OperationRequest& request,
                                const Progress& progress, FileSystem& fs) {
  List list;
  progress(Step::Reading);
  const std::vector<std::string> names = InputNames(info.Code, request);
  if (auto read = ReadInto(list, names, fs); !read)
    return read.error();
  // A merge writes one day line, first; a sort leaves it where it stands.
  const auto layout =
      LayOut(list, names, info.Input == Inputs::Many ? DayLines::First : DayLines::InPlace);
  if (!layout)
    return layout.error();
  if (auto written =
          SortAndWrite(list, layout.value(), std::string(TrimSpaces(request.Output)), progress, fs);
      !written) {
    return written.error();
  }
  return Completed{};
}

Result<Completed> SortOrMerge(Operation operation, const OperationRequest& request,
                              const Progress& progress, FileSystem& fs) {
  const OperationInfo& info = InfoOf(operation);
  return info.Kind == RecordKind::AircraftNumbers
             ? ReadSortWrite<ACNumRecordList>(info, request, progress, fs)
             : ReadSortWrite<APRecordList>(info, request, progress, fs);
}

}  // namespace

std::vector<std::string> InputNames(Operation operation, const OperationRequest& request) {
  std::vector<std::string> names;
  if (InfoOf(operation).Input == Inputs::One) {
    names.emplace_back(TrimSpaces(request.Inputs.empty() ? std::string() : request.Inputs.front()));
    return names;
  }
  for (const std::string& input : request.Inputs) {
    if (const std::string_view name = TrimSpaces(input); !name.empty())
      names.emplace_back(name);
  }
  return names;
}

Result<Completed> SortFlightPlans(const OperationRequest& request, const Progress& progress,
                                  FileSystem& fs) {
  return SortOrMerge(Operation::SortFlightPlans, request, progress, fs);
}
Result<Completed> MergeFlightPlans(const OperationRequest& request, const Progress& progress,
                                   FileSystem& fs) {
  return SortOrMerge(Operation::MergeFlightPlans, request, progress, fs);
}
Result<Completed> SortAirports(const OperationRequest& request, const Progress& progress,
                               FileSystem& fs) {
  return SortOrMerge(Operation::SortAirports, request, progress, fs);
}
Result<Completed> MergeAirports(const OperationRequest& request, const Progress& progress,
                                FileSystem& fs) {
  return SortOrMerge(Operation::MergeAirports, request, progress, fs);
}
Result<Completed> SortAircraft(const OperationRequest& request, const Progress& progress,
                               FileSystem& fs) {
  return SortOrMerge(Operation::SortAircraft, request, progress, fs);
}
Result<Completed> MergeAircraft(const OperationRequest& request, const Progress& progress,
                                FileSystem& fs) {
  return SortOrMerge(Operation::MergeAircraft, request, progress, fs);
}

Result<Completed> RunOperation(Operation operation, const OperationRequest& request,
                               const Progress& progress, FileSystem& fs) {
  switch (operation) {
    case Operation::ChangeACNumbers:
      return ChangeACNumbers(request, progress, fs);
    case Operation::EvaluateFlightPlans:
      return EvaluateFlightPlans(request, progress, fs);
    default:
      return SortOrMerge(operation, request, progress, fs);
  }
}

}  // namespace fw
