// Every line is a pure function of (seed, index): a duplicate line regenerates the earlier line
// it copies instead of keeping it, so files of any size are written in constant memory.
#include "bench/DataGenerator.h"

#include <array>
#include <cstdio>
#include <string>

#include "bench/Random.h"

namespace fw::bench {
namespace {

constexpr std::uint64_t kDuplicateStream = 0x11;
constexpr std::uint64_t kKeyStream = 0x22;
constexpr std::uint64_t kBodyStream = 0x33;
constexpr std::uint64_t kAirportIdCount = 26ull * 26 * 26 * 26;

// A bijection on [0, 2^bits): scatters consecutive indexes over the whole range.
std::uint64_t Scatter(std::uint64_t x, int bits) {
  const std::uint64_t mask = (std::uint64_t{1} << bits) - 1;
  x ^= x >> (bits / 2);
  x = (x * 0x2C1B3C6Dull) & mask;
  x ^= x >> (bits / 2 - 1);
  x = (x * 0x297A2D39ull) & mask;
  x ^= x >> (bits / 2);
  return x;
}

class Generator {
 public:
  explicit Generator(const GeneratorSettings& settings) : m_settings(settings) {
    m_numberBits = settings.Lines < (1ull << 23) ? 24 : 30;
  }

  std::string_view Line(std::uint64_t index) {
    switch (m_settings.Mix) {
      case LineMix::Identical:
        return Body(0, Key(0));
      case LineMix::Distinct:
        return Body(index, Key(index));
      case LineMix::Mixed:
        break;
    }
    const std::uint64_t source = SourceOf(index);
    return Body(source, Key(KeySourceOf(source)));
  }

 private:
  // The line that `index` copies: itself, or for a duplicate the line its chosen earlier line
  // copies.
  std::uint64_t SourceOf(std::uint64_t index) const {
    for (;;) {
      Random random(SeedFor(m_settings.Seed ^ kDuplicateStream, index));
      if (index == 0 || !random.Chance(m_settings.DuplicateShare))
        return index;
      index = random.Below(index);
    }
  }

  // The new line whose own key the new line `index` takes: itself, or for a repeated key an
  // earlier new line's.
  std::uint64_t KeySourceOf(std::uint64_t index) const {
    for (;;) {
      Random random(SeedFor(m_settings.Seed ^ kKeyStream, index));
      if (index == 0 || !random.Chance(m_settings.RepeatShare))
        return index;
      index = SourceOf(random.Below(index));
    }
  }

  // Different indexes give different keys.
  std::uint64_t Key(std::uint64_t index) const {
    if (m_settings.Kind != FileKind::Airports)
      return Scatter(index, m_numberBits) + 1;
    if (index >= kAirportIdCount)
      return index;
    // Walks the cycle of the scattering until it lands among the four-letter IDs, which keeps it
    // a bijection on them.
    std::uint64_t id = Scatter(index, 20);
    while (id >= kAirportIdCount)
      id = Scatter(id, 20);
    return id;
  }

  std::string_view Body(std::uint64_t index, std::uint64_t key) {
    Random random(SeedFor(m_settings.Seed ^ kBodyStream, index));
    m_line.clear();
    switch (m_settings.Kind) {
      case FileKind::FlightPlans:
        FlightPlan(random, key);
        break;
      case FileKind::Aircraft:
        Aircraft(random, key);
        break;
      case FileKind::Airports:
        Airport(random, key);
        break;
    }
    return m_line;
  }

  void Add(const char* format, auto... values) {
    char text[96];
    const int length = std::snprintf(text, sizeof text, format, values...);
    m_line.append(text, static_cast<std::size_t>(length));
  }

  void AddIcao(Random& random) {
    for (int i = 0; i < 4; ++i)
      m_line += static_cast<char>('A' + random.Below(26));
  }

  void FlightPlan(Random& random, std::uint64_t number) {
    static constexpr std::array<int, 5> kShares = {100, 75, 50, 25, 10};
    static constexpr std::array<const char*, 3> kPeriods = {"WEEK", "DAY", "24Hr"};
    Add("AC#%llu,N%03llu%c%c,%d%%,%s,%s", static_cast<unsigned long long>(number),
        static_cast<unsigned long long>(random.Below(1000)), 'A' + int(random.Below(26)),
        'A' + int(random.Below(26)), kShares[random.Below(kShares.size())],
        kPeriods[random.Below(kPeriods.size())], random.Chance(0.9) ? "IFR" : "VFR");
    const int legs = 2 + static_cast<int>(random.Below(6));
    int minute = static_cast<int>(random.Below(7 * 24 * 60));
    for (int leg = 0; leg < legs; ++leg) {
      const int flight = 30 + static_cast<int>(random.Below(600));
      const int arrival = minute + flight;
      Add(",%d/%02d:%02d:00,@%d/%02d:%02d:00,%d,%c,%d,", minute / 1440 % 7, minute / 60 % 24,
          minute % 60, arrival / 1440 % 7, arrival / 60 % 24, arrival % 60,
          10 * (5 + static_cast<int>(random.Below(36))), random.Chance(0.8) ? 'F' : 'R',
          static_cast<int>(random.Below(10000)));
      AddIcao(random);
      minute = arrival + 30 + static_cast<int>(random.Below(240));
    }
  }

  void Aircraft(Random& random, std::uint64_t number) {
    static constexpr std::array<const char*, 6> kTypes = {
        "Jet 320", "Jet 737-800", "Turbo 72", "Regional 175", "Wide 777", "Wide 350"};
    static constexpr std::array<const char*, 6> kLiveries = {
        "Northwind", "Bluebird Air", "Coastal", "Sunline Express", "Polar Cargo", "Metro Link"};
    Add("AC#%llu,%d,\"AI %s %s\"", static_cast<unsigned long long>(number),
        150 + static_cast<int>(random.Below(350)), kTypes[random.Below(kTypes.size())],
        kLiveries[random.Below(kLiveries.size())]);
  }

  void Airport(Random& random, std::uint64_t id) {
    std::uint64_t rest = id;
    char name[16];
    int length = 0;
    do {
      name[length++] = static_cast<char>('A' + rest % 26);
      rest /= 26;
    } while (rest != 0 || length < 4);
    m_line.append(name, static_cast<std::size_t>(length));
    const int latitude = static_cast<int>(random.Below(90 * 6000));
    const int longitude = static_cast<int>(random.Below(180 * 6000));
    Add(",%c%d* %02d.%02d',%c%d* %02d.%02d',%d", random.Chance(0.5) ? 'N' : 'S', latitude / 6000,
        latitude / 100 % 60, latitude % 100, random.Chance(0.5) ? 'E' : 'W', longitude / 6000,
        longitude / 100 % 60, longitude % 100, static_cast<int>(random.Below(12000)) - 100);
  }

  GeneratorSettings m_settings;
  int m_numberBits = 24;
  std::string m_line;
};

}  // namespace

void GenerateLines(const GeneratorSettings& settings,
                   const std::function<void(std::string_view line)>& sink) {
  Generator generator(settings);
  if (settings.GroupSize != 0) {
    sink("//FSXDAYS=FALSE");
    sink("//Synthetic Air | SYN | \"SYNTHETIC\"");
    sink("//fw-generate, seed " + std::to_string(settings.Seed));
  }
  for (std::uint64_t index = 0; index < settings.Lines; ++index) {
    if (settings.GroupSize != 0 && index % settings.GroupSize == 0) {
      sink("");
      sink("//Group " + std::to_string(index / settings.GroupSize + 1));
    }
    sink(generator.Line(index));
  }
}

std::string GenerateFile(const GeneratorSettings& settings) {
  std::string text;
  GenerateLines(settings, [&text](std::string_view line) {
    text.append(line);
    text.append("\r\n");
  });
  return text;
}

std::optional<FileKind> ParseFileKind(std::string_view name) {
  if (name == "flight-plans")
    return FileKind::FlightPlans;
  if (name == "aircraft")
    return FileKind::Aircraft;
  if (name == "airports")
    return FileKind::Airports;
  return std::nullopt;
}

}  // namespace fw::bench
