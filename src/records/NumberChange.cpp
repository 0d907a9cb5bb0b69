#include <cstring>
#include <optional>
#include <span>
#include <string>
#include <unordered_set>
#include <vector>

#include "platform/AtomicFile.h"
#include "platform/WorkBeside.h"
#include "records/Operations.h"
#include "records/RecordFiles.h"
#include "records/Searching.h"
#include "records/Sorting.h"
#include "records/Texts.h"

namespace fw {
namespace {

// Gives the records from..end of the run of number `from` the first field "AC#" + toText; the
// rebuilt lines share one block of storage owned by the list. Returns how many were changed, or
// nothing when a rebuilt line would be too long to hold.
std::optional<std::size_t> Renumber(ACNumRecordList& list, std::size_t first, std::int32_t from,
                                    std::int32_t to, std::string_view toText) {
  std::vector<ACNumRecord>& records = list.Records;
  std::size_t end = first;
  std::size_t bytes = 0;
  const std::size_t prefixSize = 3 + toText.size();
  for (; end < records.size() && records[end].ACNum == from; ++end) {
    const std::string_view line = records[end].Line;
    const std::size_t comma = line.find(',');
    const std::size_t size =
        prefixSize + (comma == std::string_view::npos ? 0 : line.size() - comma);
    if (size > PackedLine::kMostBytes)
      return std::nullopt;
    bytes += size;
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

// A file read, renumbered and sorted again, ready to be written.
struct RenumberedFile {
  ACNumRecordList List;
  long long Changed = 0;
};

Result<RenumberedFile> ReadAndRenumber(const std::string& name, std::int32_t from, std::int32_t to,
                                       std::string_view toText, const Progress& progress,
                                       FileSystem& fs) {
  RenumberedFile file;
  if (auto read = ReadACNumFile(file.List, name, fs); !read)
    return read.error();
  progress(Step::Sorting);
  SortACNumRecords(file.List.Records);
  const std::ptrdiff_t first = file.List.Records.empty() ? -1 : FindRecord(file.List.Records, from);
  if (first >= 0) {
    const auto changed = Renumber(file.List, static_cast<std::size_t>(first), from, to, toText);
    if (!changed)
      return FormatError(Quoted(name) + ": a renumbered line would be longer than 4 GiB");
    file.Changed = static_cast<long long>(*changed);
  }
  progress(Step::Sorting);
  SortACNumRecords(file.List.Records);
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
  std::vector<std::string> names;
  for (const std::string& input : request.Inputs) {
    if (const std::string_view name = TrimSpaces(input); !name.empty())
      names.emplace_back(name);
  }
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
    if (auto written = WriteACNumFile(file->value().List.Records, name, fs); !written)
      return written.error();
  }
  return completed;
}

}  // namespace fw
