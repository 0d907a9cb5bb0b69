#pragma once

#include <cstdint>

namespace fw::bench {

// A small, fully specified generator (splitmix64), so that generated files are the same with
// every standard library; std's distributions are not.
class Random {
 public:
  explicit Random(std::uint64_t seed) : m_state(seed) {}

  std::uint64_t Next() {
    std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }

  // A value in [0, bound); bound must be positive. The tiny bias of the modulo does not matter
  // for test data.
  std::uint64_t Below(std::uint64_t bound) { return Next() % bound; }

  // True with the given probability.
  bool Chance(double probability) {
    return static_cast<double>(Next() >> 11) * 0x1.0p-53 < probability;
  }

 private:
  std::uint64_t m_state;
};

// A well-mixed seed for item `index` of a stream seeded with `seed`.
inline std::uint64_t SeedFor(std::uint64_t seed, std::uint64_t index) {
  return Random(seed * 0x9E3779B97F4A7C15ull ^ (index + 0x632BE59BD9B4E019ull)).Next();
}

}  // namespace fw::bench
