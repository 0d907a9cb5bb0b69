// Prints AppPath, so that tests can copy this program to a drive's root and see what it reports.
#include <cstdio>

#include "platform/Paths.h"

int main() {
  std::fputs(fw::AppPath().c_str(), stdout);
  return 0;
}
