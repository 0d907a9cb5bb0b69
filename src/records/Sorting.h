#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "records/Records.h"

namespace fw {

// Sorts by ACNum ascending with the program's quick pass (cutoff 4) and one insertion pass; the
// order among equal numbers is part of the result, because the writers keep the first of equals.
void SortACNumRecords(std::vector<ACNumRecord>& list);

// As SortACNumRecords, by APID in text order.
void SortAPRecords(std::vector<APRecord>& list);

// The quick pass over first..last: ranges of at most cutoff + 1 records are left alone.
void QuickSortACNumRecords(std::vector<ACNumRecord>& list, std::int32_t cutoff,
                           std::ptrdiff_t first, std::ptrdiff_t last);
void QuickSortAPRecords(std::vector<APRecord>& list, std::int32_t cutoff, std::ptrdiff_t first,
                        std::ptrdiff_t last);

// The insertion pass over first..last; keeps equal keys in the order it finds them.
void InsertionSortACNumRecords(std::vector<ACNumRecord>& list, std::ptrdiff_t first,
                               std::ptrdiff_t last);
void InsertionSortAPRecords(std::vector<APRecord>& list, std::ptrdiff_t first, std::ptrdiff_t last);

// The middle position of a quick pass: (first + last) / 2, a half rounded to the even neighbour.
std::ptrdiff_t MiddlePosition(std::ptrdiff_t first, std::ptrdiff_t last);

}  // namespace fw
