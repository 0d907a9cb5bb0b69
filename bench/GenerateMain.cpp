// fw-generate: writes synthetic flight-plan, aircraft or airport files for the benchmarks.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "bench/DataGenerator.h"

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
  app.add_option("KIND", kindName, "flight-plans, aircraft or airports")->required();
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

  const auto kind = fw::bench::ParseFileKind(kindName);
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
  fw::bench::GenerateLines(settings, [&](std::string_view line) {
    std::FILE* file = files[next].get();
    next = next + 1 == files.size() ? 0 : next + 1;
    std::fwrite(line.data(), 1, line.size(), file);
    std::fwrite("\r\n", 1, 2, file);
  });
  for (std::size_t i = 0; i < files.size(); ++i) {
    if (std::fflush(files[i].get()) != 0 || std::ferror(files[i].get())) {
      std::perror(outputs[i].c_str());
      return 1;
    }
  }
  return 0;
}
