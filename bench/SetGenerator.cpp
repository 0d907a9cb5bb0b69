// The last one percent (or the chosen share) of the aircraft and airport files holds their
// planted lines, so that the numbers and IDs before them, which the flight plans use, stay
// unambiguous; flight-plan lines are planted anywhere but on the first.
#include "bench/SetGenerator.h"

#include <cstdio>
#include <string>

#include "bench/Random.h"

namespace fw::bench {
namespace {

constexpr std::uint64_t kPlantStream = 0x44;
constexpr std::uint64_t kLineStream = 0x55;

// The kinds of planted flight-plan problem, each reported once.
enum Plant {
  kPercentage,
  kPeriod,
  kRule,
  kLevel,
  kHour,
  kIncomplete,
  kOverlap,
  kArrivalAtDeparture,
  kSameAirport,
  kMissingAircraft,
  kMissingAirport,
  kRegistration,
  kDuplicate,
  kPlantKinds
};

std::string AirportId(std::uint64_t index) {
  std::string id = "K";
  for (int k = 0; k < 3; ++k, index /= 26)
    id += static_cast<char>('A' + index % 26);
  return id;
}

std::string Time(int minute) {
  char text[16];
  std::snprintf(text, sizeof text, "%d/%02d:%02d:00", minute / 1440 % 7, minute / 60 % 24,
                minute % 60);
  return text;
}

class FlightPlanLines {
 public:
  FlightPlanLines(const SetSettings& settings, std::uint64_t numbers, std::uint64_t airports)
      : m_settings(settings), m_numbers(numbers), m_airports(airports) {}

  // Line index (from 0, the day line not counted), with the problem it carries, if any.
  const std::string& Line(std::uint64_t index, Planted& planted) {
    Random plant(SeedFor(m_settings.Seed ^ kPlantStream, index));
    const bool planted_ = index > 0 && plant.Chance(m_settings.ProblemShare);
    const int kind = planted_ ? static_cast<int>(plant.Below(kPlantKinds)) : -1;
    if (kind == kDuplicate) {
      ++planted.Warnings;
      return m_line;  // the line before, again
    }
    Random random(SeedFor(m_settings.Seed ^ kLineStream, index));
    const std::uint64_t number =
        kind == kMissingAircraft ? 900000 + index : 1 + random.Below(m_numbers);
    char head[96];
    std::snprintf(head, sizeof head, "AC#%llu,N%llX,%s,%s,%s",
                  static_cast<unsigned long long>(number),
                  static_cast<unsigned long long>(kind == kRegistration ? 0 : index),
                  kind == kPercentage ? "101%" : "25%", kind == kPeriod ? "DAY" : "WEEK",
                  kind == kRule ? "XFR" : "IFR");
    m_line = head;
    // Three to six legs between different airports, within five and a half days.
    const int legs = 3 + static_cast<int>(random.Below(4));
    const std::uint64_t firstAirport = random.Below(m_airports);
    int minute = static_cast<int>(random.Below(24 * 60));
    for (int leg = 0; leg < legs; ++leg) {
      const int arrival = minute + 30 + static_cast<int>(random.Below(600));
      std::string departs = Time(minute);
      std::string arrives = Time(arrival);
      const bool last = leg == legs - 1;
      if (kind == kHour && leg == 0)
        departs = "0/25:00:00";
      if (kind == kOverlap && last)
        arrives = Time(minute - 1);
      if (kind == kArrivalAtDeparture && leg == 1)
        arrives = departs;
      std::uint64_t airport = (firstAirport + static_cast<std::uint64_t>(leg)) % m_airports;
      if (kind == kSameAirport && last)
        airport = (firstAirport + static_cast<std::uint64_t>(leg) - 1) % m_airports;
      const std::string destination =
          kind == kMissingAirport && leg == 1 ? std::string("XQQQ") : AirportId(airport);
      m_line += "," + departs + ",@" + arrives + (kind == kLevel && leg == 0 ? ",3S0" : ",350") +
                ",F," + std::to_string(100 + leg) + "," + destination;
      minute = arrival + 30 + static_cast<int>(random.Below(240));
    }
    if (kind == kIncomplete)
      m_line.resize(m_line.rfind(','));
    if (kind >= 0)
      ++(kind == kSameAirport || kind == kRegistration ? planted.Warnings : planted.Errors);
    return m_line;
  }

 private:
  const SetSettings& m_settings;
  std::uint64_t m_numbers;
  std::uint64_t m_airports;
  std::string m_line;
};

}  // namespace

Planted GenerateSet(const SetSettings& settings, const LineSink& flightPlans,
                    const LineSink& aircraft, const LineSink& airports) {
  Planted planted;
  const auto share = [&](std::uint64_t lines) {
    return static_cast<std::uint64_t>(static_cast<double>(lines) * settings.ProblemShare);
  };
  // Aircraft: a day line, the numbers the flight plans use, then lines that give one of them a
  // second text, repeat one exactly, or give a number no flight plan uses.
  const std::uint64_t aircraftPlants = share(settings.Aircraft);
  const std::uint64_t numbers = settings.Aircraft - 1 - aircraftPlants;
  const auto aircraftLine = [](std::uint64_t number, const char* type) {
    return "AC#" + std::to_string(number) + ",250,\"AI " + type + " Northwind\"";
  };
  aircraft("//FSXDAYS=TRUE");
  for (std::uint64_t n = 1; n <= numbers; ++n)
    aircraft(aircraftLine(n, "Jet 320"));
  for (std::uint64_t k = 0; k < aircraftPlants; ++k) {
    const std::uint64_t n = 1 + k % numbers;
    aircraft(k % 3 == 0 ? aircraftLine(n, "Wide 777")
                        : aircraftLine(k % 3 == 1 ? n : 800000 + k, "Jet 320"));
    ++(k % 3 == 0 ? planted.Errors : planted.Warnings);
  }
  // Airports: the IDs the flight plans use, then lines that give one of them a second text or
  // repeat one exactly; the day line disagrees with the other files'.
  const std::uint64_t airportPlants = share(settings.Airports);
  const std::uint64_t ids = settings.Airports - 1 - airportPlants;
  airports("//FSXDAYS=FALSE");
  ++planted.Errors;
  for (std::uint64_t k = 0; k < ids; ++k)
    airports(AirportId(k) + ",N1* 00.00',E1* 00.00',100");
  for (std::uint64_t k = 0; k < airportPlants; ++k) {
    airports(AirportId(k % ids) +
             (k % 2 == 0 ? ",N1* 00.00',E1* 00.00',100" : ",N2* 00.00',E2* 00.00',200"));
    ++planted.Warnings;
  }
  flightPlans("//FSXDAYS=TRUE");
  FlightPlanLines lines(settings, numbers, ids);
  for (std::uint64_t k = 0; k + 1 < settings.FlightPlans; ++k)
    flightPlans(lines.Line(k, planted));
  return planted;
}

}  // namespace fw::bench
