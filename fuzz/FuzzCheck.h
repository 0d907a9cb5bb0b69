#pragma once

// What a fuzz target uses to say that a property does not hold: it prints the property and
// aborts, which libFuzzer reports as a crash and saves the input that caused it.

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace fw::fuzz {

[[noreturn]] inline void Broken(const char* property, const char* file, int line) {
  std::fprintf(stderr, "%s:%d: property does not hold: %s\n", file, line, property);
  std::abort();
}

// The bytes of a fuzz input as text.
inline std::string_view AsText(const unsigned char* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

}  // namespace fw::fuzz

#define FW_FUZZ_CHECK(condition)                          \
  do {                                                    \
    if (!(condition))                                     \
      ::fw::fuzz::Broken(#condition, __FILE__, __LINE__); \
  } while (false)
