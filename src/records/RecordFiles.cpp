#include "records/RecordFiles.h"

#include <algorithm>
#include <charconv>

#include "platform/AtomicFile.h"
#include "records/AircraftNumber.h"
#include "records/LineSet.h"
#include "records/LineSplitter.h"
#include "records/Searching.h"
#include "records/Texts.h"

namespace fw {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::string_view FirstField(std::string_view line) {
  return line.substr(0, line.find(','));
}

// A field shown in a message, shortened so that a hostile line cannot flood the message box.
std::string Shown(std::string_view field) {
  constexpr std::size_t kMost = 60;
  if (field.size() <= kMost)
    return Quoted(field);
  return Quoted(std::string(field.substr(0, kMost)) + "...");
}

std::size_t LineCountEstimate(std::string_view bytes) {
  return static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 1;
}

}  // namespace

Result<void> ParseACNumLines(std::string_view bytes, std::vector<ACNumRecord>& records,
                             std::string_view fileName) {
  records.reserve(records.size() + LineCountEstimate(bytes));
  LineSplitter lines(bytes);
  std::string_view line;
  while (lines.Next(line)) {
    if (line.empty())
      continue;
    const std::string_view field = FirstField(line);
    const auto number =
        field.size() > 3 ? ParseAircraftNumber(field.substr(3)) : std::optional<std::int32_t>();
    if (!number) {
      return FormatError("line " + std::to_string(lines.LineNumber()) + " of " + Quoted(fileName) +
                         ": " + Shown(field) + " has no aircraft number");
    }
    records.push_back(ACNumRecord{*number, line});
  }
  return {};
}

void ParseAPLines(std::string_view bytes, std::vector<APRecord>& records) {
  records.reserve(records.size() + LineCountEstimate(bytes));
  LineSplitter lines(bytes);
  std::string_view line;
  while (lines.Next(line)) {
    if (!line.empty())
      records.push_back(APRecord{TrimSpaces(FirstField(line)), line});
  }
}

Result<void> ReadACNumFile(ACNumRecordList& list, const std::string& fileName, FileSystem& fs) {
  auto bytes = fs.ReadFile(fileName);
  if (!bytes)
    return bytes.error();
  list.Storage.push_back(std::move(bytes).value());
  return ParseACNumLines(list.Storage.back().view(), list.Records, fileName);
}

Result<void> ReadAPFile(APRecordList& list, const std::string& fileName, FileSystem& fs) {
  auto bytes = fs.ReadFile(fileName);
  if (!bytes)
    return bytes.error();
  list.Storage.push_back(std::move(bytes).value());
  ParseAPLines(list.Storage.back().view(), list.Records);
  return {};
}

Result<void> WriteACNumFile(std::span<const ACNumRecord> list, const std::string& fileName,
                            FileSystem& fs) {
  auto writer = AtomicFileWriter::Create(fs, fileName);
  if (!writer)
    return writer.error();
  LineSet written(list.size());
  for (const ACNumRecord& record : list) {
    // The empty line counts as written from the start, so it is never written.
    if (record.Line.empty() || !written.Insert(record.Line))
      continue;
    if (auto appended = writer.value().Append(record.Line); !appended)
      return appended;
    if (auto appended = writer.value().Append(kLineEnd); !appended)
      return appended;
  }
  return writer.value().Commit();
}

Result<void> WriteAPFile(std::span<const APRecord> list, const std::string& fileName,
                         FileSystem& fs) {
  auto writer = AtomicFileWriter::Create(fs, fileName);
  if (!writer)
    return writer.error();
  // The IDs written so far, ascending because the list is sorted; it starts with the empty ID,
  // which the first ID written replaces.
  std::vector<std::string_view> ids{std::string_view()};
  bool anyWritten = false;
  for (const APRecord& record : list) {
    if (FindString(std::span<const std::string_view>(ids), record.APID) >= 0)
      continue;
    if (auto appended = writer.value().Append(record.Line); !appended)
      return appended;
    if (auto appended = writer.value().Append(kLineEnd); !appended)
      return appended;
    if (anyWritten) {
      ids.push_back(record.APID);
    } else {
      ids.front() = record.APID;
      anyWritten = true;
    }
  }
  return writer.value().Commit();
}

}  // namespace fw
