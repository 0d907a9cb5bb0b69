#pragma once

// The sorts as the plain algorithm reads: a median-of-three quick pass with cutoff 4 that
// recurses into the left part and then the right part, then one insertion pass.

#include <cstddef>
#include <utility>
#include <vector>

#include "records/Sorting.h"

namespace fw::fuzz {

template <typename Record, typename Less>
void ReferenceQuickPass(std::vector<Record>& a, std::ptrdiff_t l, std::ptrdiff_t r, Less less) {
  if (r - l <= 4)
    return;
  const std::ptrdiff_t m = MiddlePosition(l, r);
  if (less(a[m], a[l]))
    std::swap(a[l], a[m]);
  if (less(a[r], a[l]))
    std::swap(a[l], a[r]);
  if (less(a[r], a[m]))
    std::swap(a[m], a[r]);
  std::swap(a[m], a[r - 1]);
  const Record pivot = a[r - 1];
  std::ptrdiff_t i = l;
  std::ptrdiff_t j = r - 1;
  for (;;) {
    do
      ++i;
    while (less(a[i], pivot));
    do
      --j;
    while (less(pivot, a[j]));
    if (j < i)
      break;
    std::swap(a[i], a[j]);
  }
  std::swap(a[i], a[r - 1]);
  ReferenceQuickPass(a, l, j, less);
  ReferenceQuickPass(a, i + 1, r, less);
}

template <typename Record, typename Less>
void ReferenceSort(std::vector<Record>& a, Less less) {
  const auto last = static_cast<std::ptrdiff_t>(a.size()) - 1;
  ReferenceQuickPass(a, 0, last, less);
  for (std::ptrdiff_t i = 1; i <= last; ++i) {
    const Record held = a[i];
    std::ptrdiff_t j = i;
    while (j > 0 && less(held, a[j - 1])) {
      a[j] = a[j - 1];
      --j;
    }
    a[j] = held;
  }
}

}  // namespace fw::fuzz
