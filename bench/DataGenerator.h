#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace fw::bench {

enum class FileKind { FlightPlans, Aircraft, Airports };

// How the lines of a generated file relate to each other.
enum class LineMix {
  Mixed,      // the chosen shares of duplicate lines and repeated keys
  Distinct,   // every line and every key different
  Identical,  // one line repeated
};

struct GeneratorSettings {
  FileKind Kind = FileKind::FlightPlans;
  std::uint64_t Lines = 0;
  std::uint64_t Seed = 1;
  LineMix Mix = LineMix::Mixed;
  double DuplicateShare = 0.05;  // lines that repeat an earlier line byte for byte
  double RepeatShare = 0.2;      // new lines that take the key of an earlier line
  // When not 0, the file is laid out as people keep theirs: a header of comment lines, then a
  // blank line and a title comment before every GroupSize entries. Lines counts the entries.
  std::uint64_t GroupSize = 0;
};

// Produces the lines of one synthetic file, in file order and without line ends. The same
// settings always give the same lines, on any platform: every line is derived from the seed and
// its own index alone.
void GenerateLines(const GeneratorSettings& settings,
                   const std::function<void(std::string_view line)>& sink);

// The whole file as text, each line followed by CR LF.
std::string GenerateFile(const GeneratorSettings& settings);

// The kind named "flight-plans", "aircraft" or "airports"; nothing for another name.
std::optional<FileKind> ParseFileKind(std::string_view name);

}  // namespace fw::bench
