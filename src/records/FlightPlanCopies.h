#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "records/FlatMap.h"

namespace fw {

// A line of one of the files of a set.
struct LinePlace {
  std::uint32_t File = 0;
  std::uint64_t Line = 0;
  friend bool operator==(const LinePlace&, const LinePlace&) = default;
};

// Follows the registrations of a set's flight-plan entries, file after file and line after line:
// which entries repeat an earlier line of their file, and which share a registration with an
// earlier entry. Only entries of one registration can be equal, so a line is looked up among
// earlier lines only when its registration was seen before: one hash look-up for most lines.
// Entries of different registrations never meet, so the registrations can be shared out by
// their hash among followers that run at once, each seeing its own in file order.
class FlightPlanCopies {
 public:
  explicit FlightPlanCopies(std::size_t expectedEntries = 0) : m_first(expectedEntries) {}

  // An entry's registration (its second field without surrounding spaces) and its hash.
  struct Key {
    std::string_view Registration;
    std::uint64_t Hash = 0;
  };

  // The key of a flight-plan entry's line.
  static Key KeyOf(std::string_view line);

  // Which of two followers follows the entries of key.
  static unsigned HalfOf(const Key& key) { return static_cast<unsigned>(key.Hash >> 63); }

  struct Use {
    std::string_view Registration;      // the second field without surrounding spaces
    std::optional<std::uint64_t> Copy;  // the earlier line of the file that the entry repeats
    std::optional<LinePlace> Shared;    // else an earlier entry of its (non-empty) registration
  };

  // Starts fetching from memory what noting an entry of key will look at; returns at once.
  void Fetch(const Key& key) const { m_first.Fetch(key.Hash); }

  // What is known of the entry on line `here`, of the given key, from the entries noted before it.
  Use Note(std::string_view line, const Key& key, LinePlace here);

 private:
  struct FirstUse {
    LinePlace At;
    std::string_view Line;
  };
  FlatMap<std::string_view, FirstUse> m_first;
  // The lines of entries whose registration an earlier entry had, each with its last place.
  FlatMap<std::string_view, LinePlace> m_shared;
};

}  // namespace fw
