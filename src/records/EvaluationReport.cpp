#include <string>

#include "platform/AtomicFile.h"
#include "records/Evaluation.h"
#include "records/Operations.h"
#include "records/Texts.h"

namespace fw {
namespace {

// "1 entry", "2 entries".
std::string Counted(std::uint64_t count, std::string_view one, std::string_view many) {
  return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

std::string_view KindText(SetFileKind kind) {
  switch (kind) {
    case SetFileKind::FlightPlans:
      return "flight plans";
    case SetFileKind::Aircraft:
      return "aircraft";
    case SetFileKind::Airports:
      return "airports";
    case SetFileKind::Empty:
      break;
  }
  return "no entries";
}

std::string SummaryLine(const FileSummary& file) {
  std::string line(KindText(file.Kind));
  if (file.Kind != SetFileKind::Empty) {
    line += ", " + Counted(file.Entries, "entry", "entries") + " (" +
            std::to_string(file.Entries - file.Duplicates) + " distinct, " +
            Counted(file.Duplicates, "duplicate line", "duplicate lines") + ")";
  }
  line += ", " + Counted(file.Comments, "comment line", "comment lines") + ", ";
  line += file.Days.empty() ? std::string("no FSXDAYS line") : file.Days;
  if (file.Kind == SetFileKind::FlightPlans || file.Kind == SetFileKind::Aircraft) {
    line += ", " + Counted(file.Numbers, "aircraft number", "aircraft numbers");
    if (file.Numbers > 0)
      line += " (" + std::to_string(file.Lowest) + " to " + std::to_string(file.Highest) + ")";
  }
  if (file.Kind == SetFileKind::FlightPlans)
    line += ", " + Counted(file.Legs, "leg", "legs");
  return line;
}

}  // namespace

std::string EvaluationReport(const Evaluation& evaluation, std::span<const std::string> names) {
  constexpr std::string_view kLineEnd = "\r\n";
  // Room for the whole report at once: a report of many problems is a megabyte, and each new
  // page costs a fault.
  std::size_t size = 256 * (evaluation.Files.size() + 1);
  for (const Problem& problem : evaluation.Problems)
    size += names[problem.File].size() + problem.Text.size() + 40;
  std::string report;
  report.reserve(size);
  for (const Problem& problem : evaluation.Problems) {
    report += names[problem.File];
    if (problem.Line != 0) {
      report += ':';
      report += std::to_string(problem.Line);
    }
    report += problem.Level == Severity::Error ? ": error: " : ": warning: ";
    report += problem.Text;
    report += kLineEnd;
  }
  report += kLineEnd;
  std::uint64_t entries = 0;
  for (std::size_t k = 0; k < evaluation.Files.size(); ++k) {
    report += names[k] + ": " + SummaryLine(evaluation.Files[k]);
    report += kLineEnd;
    entries += evaluation.Files[k].Entries;
  }
  report += "Total: " + Counted(evaluation.Files.size(), "file", "files") + ", " +
            Counted(entries, "entry", "entries") + ", " +
            Counted(evaluation.Errors, "error", "errors") + ", " +
            Counted(evaluation.Warnings, "warning", "warnings");
  report += kLineEnd;
  return report;
}

Result<Completed> EvaluateFlightPlans(const OperationRequest& request, const Progress& progress,
                                      FileSystem& fs) {
  progress(Step::Reading);
  const std::vector<std::string> names = InputNames(Operation::EvaluateFlightPlans, request);
  std::vector<ByteBuffer> buffers;
  std::vector<std::string_view> files;
  buffers.reserve(names.size());
  for (const std::string& name : names) {
    Result<ByteBuffer> read = fs.ReadFileInPieces(name);
    if (!read)
      return read.error();
    buffers.push_back(std::move(read).value());
    files.push_back(buffers.back().view());
  }
  progress(Step::Evaluating);
  std::vector<const ByteBuffer*> sources;
  for (const ByteBuffer& buffer : buffers)
    sources.push_back(&buffer);
  const Evaluation evaluation = EvaluateSet(names, files, sources);
  progress(Step::Writing);
  const std::string output(TrimSpaces(request.Output));
  Result<AtomicFileWriter> writer = AtomicFileWriter::Create(fs, output);
  if (!writer)
    return writer.error();
  if (auto appended = writer.value().Append(EvaluationReport(evaluation, names)); !appended)
    return appended.error();
  if (auto committed = writer.value().Commit(); !committed)
    return committed.error();
  Completed completed;
  completed.Errors = static_cast<long long>(evaluation.Errors);
  completed.Warnings = static_cast<long long>(evaluation.Warnings);
  completed.Files = static_cast<long long>(names.size());
  completed.Report = output;
  return completed;
}

}  // namespace fw
