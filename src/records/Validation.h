#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "records/Operation.h"

namespace fw {

// Why the names or numbers given for an operation may not be used.
struct Invalid {
  enum class Reason {
    NoInputFile,          // no input name at all
    MissingInputFile,     // Name: an input that does not exist
    NoOutputFile,         // no output name
    MissingOutputFolder,  // Name: the output's folder, which does not exist
    NoFromNumber,         // the number to be changed is blank
    NoToNumber,           // the new number is blank
    BadNumber,            // a number is not a run of digits that fits 32 bits
  };
  Reason What;
  std::string Name;

  friend bool operator==(const Invalid&, const Invalid&) = default;
};

// Checks the names of an operation: the inputs as a box holds them (each may hold several names
// separated by CR LF; surrounding spaces do not count, blank ones are skipped), and the output,
// whose folder must exist (not checked for an operation without output). Nothing when they may be
// used.
std::optional<Invalid> ValidateFiles(Operation operation, std::span<const std::string> inputs,
                                     std::string_view output);

// Checks the two aircraft numbers of a number change, as typed: each must be a run of the digits
// 0-9, with nothing else, whose value fits a signed 32-bit integer.
std::optional<Invalid> ValidateACNumbers(std::string_view from, std::string_view to);

}  // namespace fw
