#include <cstring>
#include <string>
#include <unordered_set>
#include <vector>

#include "platform/AtomicFile.h"
#include "records/AircraftNumber.h"
#include "records/Operations.h"
#include "records/RecordFiles.h"
#include "records/Searching.h"
#include "records/Sorting.h"
#include "records/Texts.h"

namespace fw {
namespace {

constexpr const char* kSortingText = "Please Wait. Sorting input file(s)...";

Message Failure(const std::string& description) {
  return Message{MessageIcon::Critical, "Error",
                 "Error during aircraft # change.\r\n" + description};
}

// Gives the records from..end of the run of number `from` the first field "AC#" + toText; the
// rebuilt lines share one block of storage owned by the list. Returns how many were changed.
std::size_t Renumber(ACNumRecordList& list, std::size_t first, std::int32_t from, std::int32_t to,
                     std::string_view toText) {
  std::vector<ACNumRecord>& records = list.Records;
  std::size_t end = first;
  std::size_t bytes = 0;
  const std::size_t prefixSize = 3 + toText.size();
  for (; end < records.size() && records[end].ACNum == from; ++end) {
    const std::string_view line = records[end].Line;
    const std::size_t comma = line.find(',');
    bytes += prefixSize + (comma == std::string_view::npos ? 0 : line.size() - comma);
  }
  ByteBuffer storage(bytes);
  char* out = storage.data();
  for (std::size_t i = first; i < end; ++i) {
    const std::string_view line = records[i].Line;
    const std::size_t comma = line.find(',');
    const std::string_view rest =
        comma == std::string_view::npos ? std::string_view() : line.substr(comma);
    char* start = out;
    std::memcpy(out, "AC#", 3);
    out += 3;
    std::memcpy(out, toText.data(), toText.size());
    out += toText.size();
    if (!rest.empty())
      std::memcpy(out, rest.data(), rest.size());
    out += rest.size();
    records[i] = ACNumRecord{to, std::string_view(start, static_cast<std::size_t>(out - start))};
  }
  list.Storage.push_back(std::move(storage));
  return end - first;
}

// Backs up, reads, renumbers and rewrites one file; adds the changed records to changed.
Result<void> ChangeFile(const std::string& name, const OperationTexts& texts, std::int32_t from,
                        std::int32_t to, std::string_view toText, const WaitMessage& wait,
                        FileSystem& fs, long long& changed,
                        std::unordered_set<std::string>& backedUp) {
  // A file listed twice is backed up once: a second copy would replace the backup of the
  // original with the already rewritten file.
  if (texts.Backup && backedUp.insert(name).second) {
    if (auto made = BackUpFile(fs, name, name + ".BAK"); !made)
      return made;
  }
  ACNumRecordList list;
  if (auto read = ReadACNumFile(list, name, fs); !read)
    return read;
  wait(kSortingText);
  SortACNumRecords(list.Records);
  const std::ptrdiff_t first = list.Records.empty() ? -1 : FindRecord(list.Records, from);
  if (first >= 0) {
    changed +=
        static_cast<long long>(Renumber(list, static_cast<std::size_t>(first), from, to, toText));
  }
  wait(kSortingText);
  SortACNumRecords(list.Records);
  wait("Please Wait. Writing output file(s)...");
  return WriteACNumFile(list.Records, name, fs);
}

}  // namespace

Message ChangeACNumbers(const OperationTexts& texts, const WaitMessage& wait, FileSystem& fs) {
  long long changed = 0;
  wait("Please Wait. Reading input file(s)...");
  const std::string_view fromText = TrimSpaces(texts.From);
  const std::string_view toText = TrimSpaces(texts.To);
  const auto from = ParseAircraftNumber(fromText);
  if (!from)
    return Failure(Quoted(fromText) + " is not an aircraft number");
  const auto to = ParseAircraftNumber(toText);
  if (!to)
    return Failure(Quoted(toText) + " is not an aircraft number");

  std::unordered_set<std::string> backedUp;
  for (const std::string_view line : SplitAtCrLf(texts.InputFiles)) {
    const std::string name(TrimSpaces(line));
    if (name.empty())
      continue;
    if (auto done = ChangeFile(name, texts, *from, *to, toText, wait, fs, changed, backedUp);
        !done) {
      return Failure(done.error().Message);
    }
  }
  return Message{MessageIcon::Information, "Aircraft # Change Success",
                 std::to_string(changed) + " aircraft numbers successfully changed!"};
}

}  // namespace fw
