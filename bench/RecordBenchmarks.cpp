// Micro-benchmarks of the processing core on generated files. The argument is the number of
// lines; MB/s counts the bytes of the file.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "bench/DataGenerator.h"
#include "bench/MemoryFileSystem.h"
#include "records/Operations.h"
#include "records/RecordFiles.h"
#include "records/Sorting.h"

namespace fw::bench {
namespace {

std::string FlightPlans(std::int64_t lines, LineMix mix = LineMix::Mixed) {
  GeneratorSettings settings;
  settings.Lines = static_cast<std::uint64_t>(lines);
  settings.Mix = mix;
  return GenerateFile(settings);
}

std::string Airports(std::int64_t lines) {
  GeneratorSettings settings;
  settings.Kind = FileKind::Airports;
  settings.Lines = static_cast<std::uint64_t>(lines);
  return GenerateFile(settings);
}

std::vector<ACNumRecord> ParsedFlightPlans(const std::string& text) {
  ACNumRecordList list;
  if (!ParseACNumLines(text, list, "fp.txt"))
    std::abort();
  return list.Records;
}

std::vector<APRecord> ParsedAirports(const std::string& text) {
  APRecordList list;
  ParseAPLines(text, list);
  return list.Records;
}

void CountBytes(benchmark::State& state, std::size_t bytes) {
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}

void ReadFlightPlanFile(benchmark::State& state) {
  const std::string text = FlightPlans(state.range(0));
  const auto path = std::filesystem::temp_directory_path() / "fw-bench-read.txt";
  std::ofstream(path, std::ios::binary) << text;
  for (auto _ : state) {
    ACNumRecordList list;
    if (!ReadACNumFile(list, path.string()))
      state.SkipWithError("read failed");
    benchmark::DoNotOptimize(list.Records.data());
  }
  std::filesystem::remove(path);
  CountBytes(state, text.size());
}

void ParseFlightPlans(benchmark::State& state) {
  const std::string text = FlightPlans(state.range(0));
  for (auto _ : state) {
    ACNumRecordList list;
    benchmark::DoNotOptimize(ParseACNumLines(text, list, "fp.txt"));
  }
  CountBytes(state, text.size());
}

void SortFlightPlans(benchmark::State& state, LineMix mix) {
  const std::string text = FlightPlans(state.range(0), mix);
  const std::vector<ACNumRecord> unsorted = ParsedFlightPlans(text);
  std::vector<ACNumRecord> records;
  for (auto _ : state) {
    state.PauseTiming();
    records = unsorted;
    state.ResumeTiming();
    SortACNumRecords(records);
  }
  CountBytes(state, text.size());
}

void SortAirports(benchmark::State& state) {
  const std::string text = Airports(state.range(0));
  const std::vector<APRecord> unsorted = ParsedAirports(text);
  std::vector<APRecord> records;
  for (auto _ : state) {
    state.PauseTiming();
    records = unsorted;
    state.ResumeTiming();
    SortAPRecords(records);
  }
  CountBytes(state, text.size());
}

// The writers into memory: the duplicate test and the gathering of the lines, without the disk.
void WriteFlightPlans(benchmark::State& state, LineMix mix) {
  const std::string text = FlightPlans(state.range(0), mix);
  std::vector<ACNumRecord> records = ParsedFlightPlans(text);
  SortACNumRecords(records);
  MemoryFileSystem memory;
  for (auto _ : state) {
    if (!WriteACNumFile(records, "out.txt", memory))
      state.SkipWithError("write failed");
  }
  CountBytes(state, text.size());
}

void WriteAirports(benchmark::State& state) {
  const std::string text = Airports(state.range(0));
  std::vector<APRecord> records = ParsedAirports(text);
  SortAPRecords(records);
  MemoryFileSystem memory;
  for (auto _ : state) {
    if (!WriteAPFile(records, "out.txt", memory))
      state.SkipWithError("write failed");
  }
  CountBytes(state, text.size());
}

// The whole renumbering of one file in memory: read, sort, renumber, sort, write.
void ChangeNumbers(benchmark::State& state) {
  const std::string text = FlightPlans(state.range(0));
  const std::string from(text.substr(3, text.find(',') - 3));
  MemoryFileSystem memory;
  memory.Put("fp.txt", text);
  OperationRequest request;
  request.Inputs = {"fp.txt"};
  request.From = std::stoi(from);
  request.To = 99999999;
  request.Backup = false;
  for (auto _ : state) {
    const Result<Completed> changed = ChangeACNumbers(
        request, [](Step) {}, memory);
    if (!changed)
      state.SkipWithError(changed.error().Message.c_str());
  }
  CountBytes(state, text.size());
}

constexpr std::int64_t kSmall = 100'000;
constexpr std::int64_t kLarge = 1'000'000;

BENCHMARK(ReadFlightPlanFile)->Arg(kLarge)->Unit(benchmark::kMillisecond);
BENCHMARK(ParseFlightPlans)->Arg(kSmall)->Arg(kLarge)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SortFlightPlans, mixed, LineMix::Mixed)
    ->Arg(kSmall)
    ->Arg(kLarge)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SortFlightPlans, identical, LineMix::Identical)
    ->Arg(kLarge)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(SortAirports)->Arg(kSmall)->Arg(4 * kSmall)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WriteFlightPlans, mixed, LineMix::Mixed)
    ->Arg(kLarge)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WriteFlightPlans, distinct, LineMix::Distinct)
    ->Arg(kLarge)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WriteFlightPlans, identical, LineMix::Identical)
    ->Arg(kLarge)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(WriteAirports)->Arg(4 * kSmall)->Unit(benchmark::kMillisecond);
BENCHMARK(ChangeNumbers)->Arg(kSmall)->Arg(kLarge / 4)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace fw::bench

BENCHMARK_MAIN();
