#pragma once

#include <array>
#include <cstddef>

#include "platform/WindowDesign.h"

namespace fw {

// The main window's controls, in the order of the design table.
enum class MainControl {
  fraFlightPlans,
  cmdSortFlightPlans,
  cmdMergeFlightPlans,
  cmdEvaluateFP,
  fraAirports,
  cmdSortAirports,
  cmdMergeAirports,
  fraAircraft,
  cmdSortAircraft,
  cmdMergeAircraft,
  cmdChangeACNum,
  cmdHelp,
  cmdChangeWorldAIAircraft,
  cmdEvaluateFlightPlans,
};

// The client area as designed, in twips: two rows more than the original panel, for the World AI
// conversion's button below the help button and the evaluation's below that.
inline constexpr int kMainWidthTwips = 2880;
inline constexpr int kMainHeightTwips = 4785 + 405 + 405;

namespace detail {
inline constexpr int kFlightPlans = static_cast<int>(MainControl::fraFlightPlans);
inline constexpr int kAirports = static_cast<int>(MainControl::fraAirports);
inline constexpr int kAircraft = static_cast<int>(MainControl::fraAircraft);
}  // namespace detail

inline constexpr std::array<ControlDesign, 14> kMainDesign{{
    {"fraFlightPlans", ControlKind::Frame, "Flight Plans", {}, {225, 90, 2400, 1140}, -1, -1},
    {"cmdSortFlightPlans",
     ControlKind::Button,
     "Sort Flight Plans",
     "Sorts flight plan files by aircraft # (also removes any duplicate flight plans)",
     {225, 315, 2000, 320},
     3,
     detail::kFlightPlans},
    {"cmdMergeFlightPlans",
     ControlKind::Button,
     "Merge Flight Plans",
     "Merges multiple flight plan files into a single, sorted flight plan file (also removes any "
     "duplicate flight plans)",
     {225, 720, 2000, 320},
     4,
     detail::kFlightPlans},
    // Never shown: it keeps its place in the focus order. The evaluation has its own button below.
    {"cmdEvaluateFP",
     ControlKind::Button,
     "Evaluate Flight Plans",
     {},
     {225, 1125, 2000, 320},
     5,
     detail::kFlightPlans,
     true},
    {"fraAirports", ControlKind::Frame, "Airports", {}, {225, 1350, 2400, 1140}, -1, -1},
    {"cmdSortAirports",
     ControlKind::Button,
     "Sort Airports",
     "Sorts airport files by airport ID (also removes any duplicate airports)",
     {225, 315, 2000, 320},
     6,
     detail::kAirports},
    {"cmdMergeAirports",
     ControlKind::Button,
     "Merge Airports",
     "Merges multiple airport files into a single, sorted airport file (also removes any "
     "duplicate airports)",
     {225, 720, 2000, 320},
     7,
     detail::kAirports},
    {"fraAircraft", ControlKind::Frame, "Aircraft", {}, {225, 2655, 2400, 1140}, -1, -1},
    {"cmdSortAircraft",
     ControlKind::Button,
     "Sort Aircraft",
     "Sorts aircraft files by aircraft # (also removes any duplicate aircraft)",
     {225, 315, 2000, 320},
     8,
     detail::kAircraft},
    {"cmdMergeAircraft",
     ControlKind::Button,
     "Merge Aircraft",
     "Merges multiple aircraft files into a single, sorted aircraft file (also removes any "
     "duplicate aircraft)",
     {225, 720, 2000, 320},
     9,
     detail::kAircraft},
    {"cmdChangeACNum",
     ControlKind::Button,
     "Change AC and/or FP #s",
     "Changes the aircraft # in aircraft and/or flight plan files to a new # (also sorts & "
     "removes any duplicate aircraft and/or flight plans)",
     {225, 3960, 2400, 320},
     10,
     -1},
    {"cmdHelp",
     ControlKind::Button,
     "View ReadMe.htm File",
     "View the help file",
     {225, 4365, 2400, 320},
     11,
     -1},
    {"cmdChangeWorldAIAircraft",
     ControlKind::Button,
     "Convert World AI Aircraft List",
     "Converts the World AI aircraft list to a more readable format",
     {225, 4770, 2400, 320},
     12,
     -1},
    {"cmdEvaluateFlightPlans",
     ControlKind::Button,
     "Evaluate Flight Plans",
     "Check flight plans, aircraft and airports for problems",
     {225, 5175, 2400, 320},
     13,
     -1},
}};

}  // namespace fw
