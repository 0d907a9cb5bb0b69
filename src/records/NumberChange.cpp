#include <cstring>
#include <optional>
#include <span>
#include <string>
#include <unordered_set>
#include <vector>

#include "platform/AtomicFile.h"
#include "platform/WorkBeside.h"
#include "records/Layout.h"
#include "records/LineKinds.h"
#include "records/Operations.h"
#include "records/RecordFiles.h"
#include "records/Searching.h"
#include "records/Sorting.h"
#include "records/Texts.h"

namespace fw {
namespace {

// Gives the entries of number `from` among records first..end the first field "AC#" + toText;
// switched-off entries keep theirs. The rebuilt lines share one block of storage owned by the
// list. Returns how many were changed, or nothing when a rebuilt line would be too long to hold.
std::optional<std::size_t> Renumber(ACNumRecordList& list, std::size_t first, std::size_t end,
                                    std::int32_t from, std::int32_t to, std::string_view toText) {
  std::vector<ACNumRecord>& records = list.Records;
  auto renumbered = [&](const ACNumRecord& record) {
    return record.ACNum == from && !IsSwitchedOff(record.Line);
  };
  auto rest = [](std::string_view line) {
    const std::size_t comma = line.find(',');
    return comma == std::string_view::npos ? std::string_view() : line.substr(comma);
  };
  const std::size_t prefixSize = 3 + toText.size();
  std::size_t bytes = 0;
  for (std::size_t i = first; i < end; ++i) {
    if (!renumbered(records[i]))
      continue;
    const std::size_t size = prefixSize + rest(records[i].Line).size();
    if (size > PackedLine::kMostBytes)
      return std::nullopt;
    bytes += size;
  }
  ByteBuffer storage(bytes);
  char* out = storage.data();
  std::size_t changed = 0;
  for (std::size_t i = first; i < end; ++i) {
    if (!renumbered(records[i]))
      continue;
    const std::string_view tail = rest(records[i].Line);
    char* start = out;
    std::memcpy(out, "AC#", 3);
    out += 3;
    std::memcpy(out, toText.data(), toText.size());
    out += toText.size();
    if (!tail.empty())
      std::memcpy(out, tail.data(), tail.size());
    out += tail.size();
    records[i] = ACNumRecord{to, std::string_view(start, static_cast<std::size_t>(out - start))};
    ++changed;
  }
  list.Storage.push_back(std::move(storage));
  return changed;
}

// A file read, renumbered and sorted again, ready to be written.
struct RenumberedFile {
  ACNumRecordList List;
  Layout FileLayout;
  long long Changed = 0;
};

// Reads a file and renumbers it. A file without comment lines is sorted, its run of `from`
// renumbered and sorted again, as always; a grouped one is renumbered where its entries stand
// and then arranged, so that renumbered entries move within their block.
Result<RenumberedFile> ReadAndRenumber(const std::string& name, std::int32_t from, std::int32_t to,
                                       std::string_view toText, const Progress& progress,
                                       FileSystem& fs) {
  RenumberedFile file;
  if (auto read = ReadACNumFile(file.List, name, fs); !read)
    return read.error();
  auto layout = LayOut(file.List, std::span(&name, 1), DayLines::InPlace);
  if (!layout)
    return layout.error();
  file.FileLayout = std::move(layout).value();
  std::vector<ACNumRecord>& records = file.List.Records;
  progress(Step::Sorting);
  std::size_t first = 0;
  std::size_t end = records.size();
  if (!file.FileLayout.Grouped) {
    SortACNumRecords(records);
    const std::ptrdiff_t found = records.empty() ? -1 : FindRecord(records, from);
    first = found < 0 ? end : static_cast<std::size_t>(found);
    for (end = first; end < records.size() && records[end].ACNum == from;)
      ++end;
  }
  const auto changed = Renumber(file.List, first, end, from, to, toText);
  if (!changed)
    return FormatError(Quoted(name) + ": a renumbered line would be longer than 4 GiB");
  file.Changed = static_cast<long long>(*changed);
  progress(Step::Sorting);
  if (file.FileLayout.Grouped)
    ArrangeBlocks(records, file.FileLayout.Blocks);
  else
    SortACNumRecords(records);
  return file;
}

// The next file, read and renumbered beside the writing of the one before it. Only reading happens
// ahead: the file is backed up, and a failure reported, in its turn.
class FileAhead {
 public:
  // Starts on names[index] when writing names[index - 1] cannot change what it reads.
  void Start(std::span<const std::string> names, std::size_t index, std::int32_t from,
             std::int32_t to, std::string_view toText, FileSystem& fs) {
    if (index >= names.size() || fs.MayBeOneFile(names[index - 1], names[index]))
      return;
    m_index = index;
    m_reading.emplace([=, this, &fs, name = names[index]] {
      m_file = ReadAndRenumber(
          name, from, to, toText, [](Step) {}, fs);
    });
  }

  // The file names[index], when it was taken ahead; returns once nothing reads it any more.
  std::optional<Result<RenumberedFile>> Take(std::size_t index) {
    if (!m_reading || index != m_index)
      return std::nullopt;
    m_reading.reset();
    return std::move(m_file);
  }

 private:
  std::size_t m_index = 0;
  Result<RenumberedFile> m_file = RenumberedFile{};
  std::optional<WorkBeside> m_reading;  // last, so that it ends before the file it fills goes
};

}  // namespace

Result<Completed> ChangeACNumbers(const OperationRequest& request, const Progress& progress,
                                  FileSystem& fs) {
  progress(Step::Reading);
  const std::string toText =
      request.ToText.empty() ? std::to_string(request.To) : std::string(TrimSpaces(request.ToText));
  const std::vector<std::string> names = InputNames(Operation::ChangeACNumbers, request);
  Completed completed;
  // A file listed twice is backed up once: a second copy would replace the backup of the
  // original with the already rewritten file.
  std::unordered_set<std::string> backedUp;
  FileAhead ahead;
  for (std::size_t k = 0; k < names.size(); ++k) {
    const std::string& name = names[k];
    // The read ahead ends before the backup: on Windows a file being read cannot be renamed, and
    // the backup renames a second name of it into place.
    std::optional<Result<RenumberedFile>> file = ahead.Take(k);
    if (request.Backup && backedUp.insert(name).second) {
      if (auto made = BackUpFile(fs, name, name + ".BAK"); !made)
        return made.error();
    }
    if (file) {
      progress(Step::Sorting);
      progress(Step::Sorting);
    } else {
      file = ReadAndRenumber(name, request.From, request.To, toText, progress, fs);
    }
    if (!*file)
      return file->error();
    completed.Changed += file->value().Changed;
    ahead.Start(names, k + 1, request.From, request.To, toText, fs);
    progress(Step::Writing);
    if (auto written = WriteACNumFile(file->value().List, file->value().FileLayout, name, fs);
        !written)
      return written.error();
  }
  return completed;
}

}  // namespace fw
