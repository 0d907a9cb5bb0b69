#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

namespace fw::bench {

struct SetSettings {
  std::uint64_t FlightPlans = 0;  // lines of each file, day line included
  std::uint64_t Aircraft = 0;
  std::uint64_t Airports = 0;
  std::uint64_t Seed = 1;
  double ProblemShare = 0.01;  // lines that carry one planted problem each
};

// How many problems of each severity the evaluation must report for a generated set.
struct Planted {
  std::uint64_t Errors = 0;
  std::uint64_t Warnings = 0;
};

using LineSink = std::function<void(std::string_view line)>;

// Produces a consistent traffic set (every flight plan's aircraft and airports listed, schedules
// that fit a week, registrations of their own) in which a share of the lines carries exactly one
// problem each, of every kind the evaluation knows but the 200 legs; the airport file's day line
// disagrees with the others'. Returns what was planted.
Planted GenerateSet(const SetSettings& settings, const LineSink& flightPlans,
                    const LineSink& aircraft, const LineSink& airports);

}  // namespace fw::bench
