// Any bytes read as a flight-plan or aircraft file (what must hold is in ReaderChecks.h).
#include "ReaderChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  // The checks are the point; how the reading went is for the tests that call them too.
  (void)fw::fuzz::CheckACNumLines(fw::fuzz::AsText(data, size));
  return 0;
}
