#include "records/Operations.h"

#include <vector>

#include "records/OperationCodes.h"
#include "records/RecordFiles.h"
#include "records/Sorting.h"
#include "records/Texts.h"

namespace fw {
namespace {

enum class Kind { ACNum, Airport };

// What sets the six sort and merge operations apart.
struct Member {
  Kind RecordKind;
  bool Merge;
  const char* SuccessText;
};

struct Texts {
  const char* Reading;
  const char* Sorting;
  const char* SuccessTitle;
  const char* FailureText;
};

constexpr Texts kSortTexts{"Please Wait. Reading input file...",
                           "Please Wait. Sorting input file...", "Sort Success",
                           "Error during sort."};
constexpr Texts kMergeTexts{"Please Wait. Reading input file(s)...",
                            "Please Wait. Sorting input file(s)...", "Merge Success",
                            "Error during merge."};
constexpr const char* kWriting = "Please Wait. Writing output file...";

std::vector<std::string> InputNames(const Member& member, std::string_view inputFiles) {
  std::vector<std::string> names;
  if (!member.Merge) {
    names.emplace_back(TrimSpaces(inputFiles));
    return names;
  }
  for (const std::string_view line : SplitAtCrLf(inputFiles)) {
    const std::string_view name = TrimSpaces(line);
    if (!name.empty())
      names.emplace_back(name);
  }
  return names;
}

template <typename List>
Result<void> ReadInto(List& list, std::span<const std::string> names, FileSystem& fs) {
  if constexpr (std::is_same_v<List, ACNumRecordList>) {
    return ReadACNumFiles(list, names, fs);
  } else {
    return ReadAPFiles(list, names, fs);
  }
}

template <typename List>
Result<void> SortAndWrite(List& list, const std::string& output, const WaitMessage& wait,
                          const Texts& texts, FileSystem& fs) {
  wait(texts.Sorting);
  if constexpr (std::is_same_v<List, ACNumRecordList>) {
    SortACNumRecords(list.Records);
    wait(kWriting);
    return WriteACNumFile(list.Records, output, fs);
  } else {
    SortAPRecords(list.Records);
    wait(kWriting);
    return WriteAPFile(list.Records, output, fs);
  }
}

template <typename List>
Result<void> ReadSortWrite(const Member& member, const OperationTexts& texts,
                           const WaitMessage& wait, const Texts& wording, FileSystem& fs) {
  List list;
  wait(wording.Reading);
  if (auto read = ReadInto(list, InputNames(member, texts.InputFiles), fs); !read)
    return read;
  return SortAndWrite(list, std::string(TrimSpaces(texts.OutputFile)), wait, wording, fs);
}

Message Run(const Member& member, const OperationTexts& texts, const WaitMessage& wait,
            FileSystem& fs) {
  const Texts& wording = member.Merge ? kMergeTexts : kSortTexts;
  const Result<void> done = member.RecordKind == Kind::ACNum
                                ? ReadSortWrite<ACNumRecordList>(member, texts, wait, wording, fs)
                                : ReadSortWrite<APRecordList>(member, texts, wait, wording, fs);
  if (!done) {
    return Message{MessageIcon::Critical, "Error",
                   std::string(wording.FailureText) + "\r\n" + done.error().Message};
  }
  return Message{MessageIcon::Information, wording.SuccessTitle, member.SuccessText};
}

}  // namespace

Message SortFlightPlans(const OperationTexts& texts, const WaitMessage& wait, FileSystem& fs) {
  return Run({Kind::ACNum, false, "Flight plans successfully sorted!"}, texts, wait, fs);
}
Message MergeFlightPlans(const OperationTexts& texts, const WaitMessage& wait, FileSystem& fs) {
  return Run({Kind::ACNum, true, "Flight plans successfully merged!"}, texts, wait, fs);
}
Message SortAirports(const OperationTexts& texts, const WaitMessage& wait, FileSystem& fs) {
  return Run({Kind::Airport, false, "Airports successfully sorted!"}, texts, wait, fs);
}
Message MergeAirports(const OperationTexts& texts, const WaitMessage& wait, FileSystem& fs) {
  return Run({Kind::Airport, true, "Airports successfully merged!"}, texts, wait, fs);
}
Message SortAircraft(const OperationTexts& texts, const WaitMessage& wait, FileSystem& fs) {
  return Run({Kind::ACNum, false, "Aircraft successfully sorted!"}, texts, wait, fs);
}
Message MergeAircraft(const OperationTexts& texts, const WaitMessage& wait, FileSystem& fs) {
  return Run({Kind::ACNum, true, "Aircraft successfully merged!"}, texts, wait, fs);
}

std::optional<Message> RunOperation(std::int32_t typeOfOperation, const OperationTexts& texts,
                                    const WaitMessage& wait, FileSystem& fs) {
  switch (typeOfOperation) {
    case op::SortFlightPlans:
      return SortFlightPlans(texts, wait, fs);
    case op::MergeFlightPlans:
      return MergeFlightPlans(texts, wait, fs);
    case op::SortAirports:
      return SortAirports(texts, wait, fs);
    case op::MergeAirports:
      return MergeAirports(texts, wait, fs);
    case op::SortAircraft:
      return SortAircraft(texts, wait, fs);
    case op::MergeAircraft:
      return MergeAircraft(texts, wait, fs);
    case op::ChangeACNumbers:
      return ChangeACNumbers(texts, wait, fs);
    default:
      return std::nullopt;
  }
}

}  // namespace fw
