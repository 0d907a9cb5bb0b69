// Any bytes read as a airport file (what must hold is in ReaderChecks.h).
#include "ReaderChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  fw::fuzz::CheckAPLines(fw::fuzz::AsText(data, size));
  return 0;
}
