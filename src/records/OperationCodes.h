#pragma once

#include <cstdint>

namespace fw::op {

// The operation codes the dialog keeps in TypeOfOperation.
inline constexpr std::int32_t SortFlightPlans = 0;
inline constexpr std::int32_t MergeFlightPlans = 1;
inline constexpr std::int32_t EvaluateFlightPlans = 2;  // settings keys and titles, no routine
inline constexpr std::int32_t SortAirports = 3;
inline constexpr std::int32_t MergeAirports = 4;
inline constexpr std::int32_t SortAircraft = 5;
inline constexpr std::int32_t MergeAircraft = 6;
inline constexpr std::int32_t ChangeACNumbers = 7;

}  // namespace fw::op
