// The evaluation of a whole set. Each file's kind is told from its first entries; aircraft and
// airport files are read first, so that each flight-plan entry is looked up as it is read. Lines
// are held as views into the files' bytes, in tables made once per file, so that a line costs a
// few hash look-ups and no allocation. A large flight-plan file is read by two threads at once:
// each checks the lines of one half of it, and then each follows half of the registrations, and
// copies of earlier lines, through the entries both halves handed over; what the checks found on
// copies is then dropped, as copies are checked as the lines they repeat.
#include <algorithm>
#include <iterator>
#include <optional>
#include <span>

#include "platform/WorkBeside.h"
#include "records/Evaluation.h"
#include "records/FlatMap.h"
#include "records/FlightPlanChecks.h"
#include "records/FlightPlanCopies.h"
#include "records/FlightPlanPart.h"
#include "records/LineKinds.h"
#include "records/LineSplitter.h"
#include "records/RecordFiles.h"
#include "records/SetFileKinds.h"
#include "records/Texts.h"

namespace fw {
namespace {

using Place = LinePlace;

struct AircraftEntry {
  Place At;
  std::int32_t Number = 0;
};

// A line of a file and its number.
struct NumberedLine {
  std::string_view Text;
  std::uint64_t Line = 0;
};

// Below this many flight-plan entries the followers' tables are made when they are needed.
constexpr std::uint64_t kLinesWorthAThread = 10000;

std::string_view WithoutByteOrderMark(std::string_view bytes) {
  return bytes.starts_with(kByteOrderMark) ? bytes.substr(kByteOrderMark.size()) : bytes;
}

class SetEvaluator {
 public:
  SetEvaluator(std::span<const std::string> names, std::span<const std::string_view> files,
               std::span<const ByteBuffer* const> sources)
      : m_names(names),
        m_files(files),
        m_sources(sources),
        m_summaries(files.size()),
        m_dayLines(files.size()) {}

  Evaluation Run() {
    bool any[4] = {};
    for (std::size_t k = 0; k < m_files.size(); ++k) {
      m_summaries[k].Kind = SetFileKindOf(WithoutByteOrderMark(m_files[k]));
      any[static_cast<int>(m_summaries[k].Kind)] = true;
    }
    m_anyAircraftFile = any[static_cast<int>(SetFileKind::Aircraft)];
    m_anyAirportFile = any[static_cast<int>(SetFileKind::Airports)];
    // The set's tables get their room at once: on some machines each new page of memory is dear.
    std::size_t aircraft = 0;
    for (std::uint32_t k = 0; k < m_files.size(); ++k) {
      if (m_summaries[k].Kind == SetFileKind::Aircraft)
        aircraft += ExpectedLines(m_files[k]);
    }
    m_aircraft = FlatMap<std::int32_t, bool, NumberHash>(aircraft);
    m_aircraftEntries.reserve(aircraft);
    std::uint64_t plans = 0;
    for (std::uint32_t k = 0; k < m_files.size(); ++k) {
      if (m_summaries[k].Kind == SetFileKind::FlightPlans)
        plans += ExpectedLines(m_files[k]);
    }
    {
      // The followers' tables are made while the other files are read: their new memory takes
      // long to clear on some machines, and the other core is idle meanwhile.
      const WorkBeside beside(
          [&] {
            for (FlightPlanCopies& half : m_copies)
              half.Expect(plans / 2);
          },
          plans >= kLinesWorthAThread);
      for (std::uint32_t k = 0; k < m_files.size(); ++k) {
        if (m_summaries[k].Kind != SetFileKind::FlightPlans)
          EvaluateFile(k);
      }
    }
    for (std::uint32_t k = 0; k < m_files.size(); ++k) {
      if (m_summaries[k].Kind == SetFileKind::FlightPlans)
        EvaluateFlightPlanFile(k);
    }
    if (any[static_cast<int>(SetFileKind::FlightPlans)])
      ReportUnusedAircraft();
    CompareDayLines();
    std::stable_sort(m_problems.Problems.begin(), m_problems.Problems.end(),
                     [](const Problem& a, const Problem& b) {
                       return a.File != b.File ? a.File < b.File : a.Line < b.Line;
                     });
    Evaluation evaluation{std::move(m_problems.Problems), std::move(m_summaries), 0, 0};
    for (const Problem& problem : evaluation.Problems)
      ++(problem.Level == Severity::Error ? evaluation.Errors : evaluation.Warnings);
    return evaluation;
  }

 private:
  // Where another line is, for a text about a line of file `from`: "line 3", or "line 3 of
  // "NAME"" in another file.
  std::string Where(Place place, std::uint32_t from) const {
    std::string text = "line " + std::to_string(place.Line);
    if (place.File != from)
      text += " of " + Quoted(m_names[place.File]);
    return text;
  }

  // What a thread that follows registrations finds in a flight-plan file.
  struct Copies {
    std::vector<Problem> Problems;
    std::vector<std::uint64_t> Lines;  // of the copies, in order
    std::uint64_t Legs = 0;            // of the copies that have a number
  };

  // The copies among the entries of one half of the registrations that were added since the
  // last call, followed in order.
  Copies Follow(std::uint32_t file, unsigned half) {
    Copies found;
    m_copies[half].FollowNew([&](const FlightPlanCopies::Use& use) {
      const std::uint64_t number = use.Here.Line;
      if (use.Copy) {
        found.Lines.push_back(number);
        // Five fields and then six a leg, as the entry checks count them.
        const auto commas =
            static_cast<std::uint64_t>(std::count(use.Line.begin(), use.Line.end(), ','));
        if (EntryNumber(use.Line) && commas >= 5)
          found.Legs += (commas - 4) / 6;
        found.Problems.push_back(Problem{
            file, number, Severity::Warning,
            "repeats " + Where({file, *use.Copy}, file) + " exactly (a sort would drop it)"});
      } else {
        found.Problems.push_back(Problem{file, number, Severity::Warning,
                                         "registration " + Quoted(use.Registration) +
                                             " is also used on " + Where(*use.Shared, file)});
      }
    });
    return found;
  }

  // What holds the file's bytes and may copy them out; null where the caller gave nothing.
  const ByteBuffer* SourceOf(std::uint32_t file) const {
    return file < m_sources.size() ? m_sources[file] : nullptr;
  }

  // Adds what a part found.
  void Take(FlightPlanPart& part) {
    FileSummary& summary = m_summaries[part.Problems.File];
    std::move(part.Problems.Problems.begin(), part.Problems.Problems.end(),
              std::back_inserter(m_problems.Problems));
    summary.Entries += part.Entries;
    summary.Comments += part.Comments;
    summary.Legs += part.Legs;
    if (m_dayLines[part.Problems.File].Line == 0 && part.DayLine.Line != 0)
      m_dayLines[part.Problems.File] = NumberedLine{part.DayText, part.DayLine.Line};
    part.Numbers.ForEach([&](std::int32_t number, char) {
      if (bool* used = m_aircraft.Find(number))
        *used = true;
      summary.Lowest = m_numbers.size() == 0 ? number : std::min(summary.Lowest, number);
      summary.Highest = m_numbers.size() == 0 ? number : std::max(summary.Highest, number);
      m_numbers.Insert(number, 0);
    });
  }

  void EvaluateFlightPlanFile(std::uint32_t file) {
    const std::string_view bytes = WithoutByteOrderMark(m_files[file]);
    std::vector<Problem>& problems = m_problems.Problems;
    const std::size_t from = problems.size();
    const std::vector<std::string_view> texts = SplitIntoParts(bytes);
    const SetTables tables{m_anyAircraftFile ? &m_aircraft : nullptr,
                           m_anyAirportFile ? &m_airports : nullptr};
    std::vector<FlightPlanPart> parts;
    for (const std::string_view text : texts)
      parts.emplace_back(file, tables, text);
    std::vector<std::uint64_t> lines(texts.size());
    {
      // The parts are of about one size; the file's lines are counted from its start only, as
      // reading elsewhere in a mapped file brings pages in that are read again through copies.
      const std::size_t expected = ExpectedLines(bytes) / texts.size();
      // Each thread checks every other part.
      const auto check = [&](std::size_t first) {
        for (std::size_t k = first; k < texts.size(); k += 2)
          lines[k] = parts[k].CheckLines(SourceOf(file), expected);
      };
      const WorkBeside beside([&] { check(1); }, texts.size() > 1);
      check(0);
    }
    // The parts' lines were numbered from their starts.
    std::uint64_t before = 0;
    for (std::size_t k = 0; k < parts.size(); ++k) {
      for (Problem& problem : parts[k].Problems.Problems)
        problem.Line += before;
      if (parts[k].DayLine.Line != 0)
        parts[k].DayLine.Line += before;
      for (const unsigned half : {0u, 1u}) {
        m_copies[half].Add(std::move(parts[k].ToFollow[half]), file, before, texts[k],
                           SourceOf(file));
      }
      before += lines[k];
    }
    Copies halves[2];
    {
      const WorkBeside beside([&] { halves[1] = Follow(file, 1); }, texts.size() > 1);
      halves[0] = Follow(file, 0);
    }
    std::vector<std::uint64_t> copies;
    std::merge(halves[0].Lines.begin(), halves[0].Lines.end(), halves[1].Lines.begin(),
               halves[1].Lines.end(), std::back_inserter(copies));
    m_numbers = FlatMap<std::int32_t, char, NumberHash>();
    for (FlightPlanPart& part : parts)
      Take(part);
    FileSummary& summary = m_summaries[file];
    summary.Numbers = m_numbers.size();
    if (m_dayLines[file].Line != 0)
      summary.Days = std::string(ShownDayLine(m_dayLines[file].Text));
    auto copy = copies.begin();
    const auto onCopy = [&](const Problem& problem) {
      while (copy != copies.end() && *copy < problem.Line)
        ++copy;
      return copy != copies.end() && *copy == problem.Line;
    };
    problems.erase(std::remove_if(problems.begin() + static_cast<std::ptrdiff_t>(from),
                                  problems.end(), onCopy),
                   problems.end());
    for (Copies& half : halves) {
      problems.insert(problems.end(), std::make_move_iterator(half.Problems.begin()),
                      std::make_move_iterator(half.Problems.end()));
      summary.Legs -= half.Legs;
    }
    summary.Duplicates = copies.size();
  }

  void EvaluateFile(std::uint32_t file) {
    const std::string_view bytes = WithoutByteOrderMark(m_files[file]);
    FileSummary& summary = m_summaries[file];
    const std::size_t expected = ExpectedLines(bytes);
    const bool ofAircraft = summary.Kind == SetFileKind::Aircraft;
    FlatMap<std::string_view, std::uint64_t> seen(expected);
    FlatMap<std::int32_t, NumberedLine, NumberHash> aircraft(ofAircraft ? expected : 0);
    FlatMap<std::string_view, NumberedLine> airports(ofAircraft ? 0 : expected);
    m_problems.File = file;
    ForEachLine(bytes, [&](std::string_view line, std::size_t number) {
      m_problems.Line = number;
      if (!IsEntryLine(line)) {
        if (GapLineKind(line) == GapLine::Comment) {
          ++summary.Comments;
          if (m_dayLines[file].Line == 0 && DayLineValue(line))
            m_dayLines[file] = NumberedLine{line, number};
        }
        return true;
      }
      ++summary.Entries;
      if (const auto [first, isNew] = seen.Insert(line, number); !isNew) {
        ++summary.Duplicates;
        m_problems.Add(Severity::Warning, "repeats " + Where({file, *first}, file) +
                                              " exactly (a sort would drop it)");
        return true;
      }
      if (!ofAircraft) {
        Airport(line, airports);
      } else if (const std::optional<std::int32_t> given = Aircraft(line, aircraft)) {
        const bool first = aircraft.size() == 1;
        summary.Lowest = first ? *given : std::min(summary.Lowest, *given);
        summary.Highest = first ? *given : std::max(summary.Highest, *given);
      }
      return true;
    });
    summary.Numbers = aircraft.size();
    if (m_dayLines[file].Line != 0)
      summary.Days = std::string(ShownDayLine(m_dayLines[file].Text));
  }

  // Notes an aircraft entry; its number when no earlier line of its file gave that number.
  std::optional<std::int32_t> Aircraft(std::string_view line,
                                       FlatMap<std::int32_t, NumberedLine, NumberHash>& lines) {
    const std::optional<std::int32_t> number = EntryNumber(line);
    if (!number) {
      m_problems.Add(Severity::Error, NoNumberText(line));
      return std::nullopt;
    }
    const auto [first, isNew] = lines.Insert(*number, NumberedLine{line, m_problems.Line});
    if (!isNew) {
      m_problems.Add(Severity::Error, "aircraft number " + std::to_string(*number) +
                                          " is also given by " +
                                          Where({m_problems.File, first->Line}, m_problems.File) +
                                          ", differently: the compiler takes only one of them");
    }
    m_aircraft.Insert(*number, false);
    m_aircraftEntries.push_back(AircraftEntry{{m_problems.File, m_problems.Line}, *number});
    return isNew ? number : std::nullopt;
  }

  void Airport(std::string_view line, FlatMap<std::string_view, NumberedLine>& lines) {
    const std::string_view id = TrimSpaces(line.substr(0, line.find(',')));
    if (id.empty()) {
      m_problems.Add(Severity::Error, "unreadable entry: no airport ID before its first comma");
      return;
    }
    const auto [first, isNew] = lines.Insert(id, NumberedLine{line, m_problems.Line});
    if (!isNew) {
      m_problems.Add(Severity::Warning, "airport " + Quoted(id) + " is also given by " +
                                            Where({m_problems.File, first->Line}, m_problems.File) +
                                            ", differently: the compiler takes only one of them");
    }
    m_airports.Insert(id);
  }

  void ReportUnusedAircraft() {
    for (const AircraftEntry& entry : m_aircraftEntries) {
      if (!*m_aircraft.Find(entry.Number)) {
        m_problems.Problems.push_back(Problem{
            entry.At.File, entry.At.Line, Severity::Warning,
            "aircraft number " + std::to_string(entry.Number) + " is used by no flight plan"});
      }
    }
  }

  // Each file's first day line against the first file's that has one.
  void CompareDayLines() {
    const auto first = std::find_if(m_dayLines.begin(), m_dayLines.end(),
                                    [](const NumberedLine& day) { return day.Line != 0; });
    if (first == m_dayLines.end())
      return;
    const std::string_view expected = DayLineValue(first->Text).value_or("");
    const Place reference{static_cast<std::uint32_t>(first - m_dayLines.begin()), first->Line};
    for (std::uint32_t k = reference.File + 1; k < m_dayLines.size(); ++k) {
      if (m_dayLines[k].Line == 0 ||
          EqualInAnyCase(DayLineValue(m_dayLines[k].Text).value_or(""), expected))
        continue;
      m_problems.File = k;
      m_problems.Line = m_dayLines[k].Line;
      m_problems.Add(Severity::Error,
                     std::string(ShownDayLine(m_dayLines[k].Text)) + " differs from " +
                         std::string(ShownDayLine(first->Text)) + " on " + Where(reference, k) +
                         ": the files number days differently");
    }
  }

  std::span<const std::string> m_names;
  std::span<const std::string_view> m_files;
  std::span<const ByteBuffer* const> m_sources;
  std::vector<FileSummary> m_summaries;
  std::vector<NumberedLine> m_dayLines;  // each file's first; Line 0 for none
  ProblemList m_problems;
  bool m_anyAircraftFile = false;
  bool m_anyAirportFile = false;
  FlatMap<std::int32_t, char, NumberHash> m_numbers;  // those of the flight-plan file at hand
  // Every aircraft file's numbers, each with whether a flight plan uses it, and every aircraft
  // entry, to be reported when no flight plan uses its number.
  FlatMap<std::int32_t, bool, NumberHash> m_aircraft;
  std::vector<AircraftEntry> m_aircraftEntries;
  AirportIds m_airports;
  // Each half of the registrations, followed by one thread through every flight-plan file.
  FlightPlanCopies m_copies[2];
};

}  // namespace

Evaluation EvaluateSet(std::span<const std::string> names, std::span<const std::string_view> files,
                       std::span<const ByteBuffer* const> sources) {
  return SetEvaluator(names, files, sources).Run();
}

}  // namespace fw
