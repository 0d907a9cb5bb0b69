// fw-generate: writes synthetic flight-plan, aircraft or airport files for the benchmarks.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "bench/DataGenerator.h"
#include "bench/SetGenerator.h"

namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{
      "Writes synthetic traffic files: line i goes to output i modulo the number of "
      "outputs, so duplicates also fall across files."};
  std::string kindName;
  fw::bench::GeneratorSettings settings;
  std::vector<std::string> outputs;
  bool distinct = false;
  bool identical = false;
  app.add_option("KIND", kindName,
                 "flight-plans, aircraft or airports; or set: a flight-plan, an aircraft and an "
                 "airport file with planted problems, whose counts it prints")
      ->required();
  fw::bench::SetSettings set;
  app.add_option("--aircraft", set.Aircraft, "set: lines of the aircraft file");
  app.add_option("--airports", set.Airports, "set: lines of the airport file");
  app.add_option("--problems", set.ProblemShare, "set: share of lines with a planted problem")
      ->check(CLI::Range(0.0, 1.0));
  app.add_option("LINES", settings.Lines,
                 "entries (lines, without --grouped) in all outputs together")
      ->required();
  app.add_option("OUTPUT", outputs, "files to write")->required();
  app.add_option("--seed", settings.Seed, "seed; equal settings give equal files");
  app.add_option("--duplicates", settings.DuplicateShare,
                 "share of lines that repeat an earlier line")
      ->check(CLI::Range(0.0, 1.0));
  app.add_option("--repeats", settings.RepeatShare,
                 "share of new lines that take an earlier line's key")
      ->check(CLI::Range(0.0, 1.0));
  app.add_option("--grouped", settings.GroupSize,
                 "a header, then a blank line and a title before every N entries");
  auto* distinctFlag = app.add_flag("--distinct", distinct, "every line and key different");
  app.add_flag("--identical", identical, "one line repeated")->excludes(distinctFlag);
  CLI11_PARSE(app, argc, argv);

  const bool isSet = kindName == "set";
  if (isSet && (outputs.size() != 3 || set.Aircraft < 200 || set.Airports < 200)) {
    std::fprintf(stderr, "fw-generate: a set takes three outputs, 200 aircraft and airports\n");
    return 2;
  }
  const auto kind = isSet ? fw::bench::FileKind::FlightPlans : fw::bench::ParseFileKind(kindName);
  if (!kind) {
    std::fprintf(stderr, "fw-generate: unknown kind \"%s\"\n", kindName.c_str());
    return 2;
  }
  settings.Kind = *kind;
  settings.Mix = distinct    ? fw::bench::LineMix::Distinct
                 : identical ? fw::bench::LineMix::Identical
                             : fw::bench::LineMix::Mixed;

  std::vector<File> files;
  for (const std::string& name : outputs) {
    File file(std::fopen(name.c_str(), "wb"));
    if (!file) {
      std::perror(name.c_str());
      return 1;
    }
    std::setvbuf(file.get(), nullptr, _IOFBF, 1 << 20);
    files.push_back(std::move(file));
  }
  std::size_t next = 0;
  const auto sink = [&](std::string_view line) {
    std::FILE* file = files[next].get();
    std::fwrite(line.data(), 1, line.size(), file);
    std::fwrite("\r\n", 1, 2, file);
  };
  if (isSet) {
    set.FlightPlans = settings.Lines;
    set.Seed = settings.Seed;
    const auto to = [&](std::size_t k) {
      return [&, k](std::string_view line) {
        next = k;
        sink(line);
      };
    };
    const fw::bench::Planted planted = fw::bench::GenerateSet(set, to(0), to(1), to(2));
    std::printf("%llu errors, %llu warnings\n", static_cast<unsigned long long>(planted.Errors),
                static_cast<unsigned long long>(planted.Warnings));
  } else {
    fw::bench::GenerateLines(settings, [&](std::string_view line) {
      sink(line);
      next = next + 1 == files.size() ? 0 : next + 1;
    });
  }
  for (std::size_t i = 0; i < files.size(); ++i) {
    if (std::fflush(files[i].get()) != 0 || std::ferror(files[i].get())) {
      std::perror(outputs[i].c_str());
      return 1;
    }
  }
  return 0;
}
