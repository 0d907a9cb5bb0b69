#include "dialog/OperationTables.h"

#include "records/OperationCodes.h"

namespace fw {

std::optional<OperationCaptions> CaptionsFor(std::int32_t typeOfOperation) {
  switch (typeOfOperation) {
    case op::SortFlightPlans:
      return OperationCaptions{"Sort Flight Plans", "Flight Plan File To Be Sorted:",
                               "Sorted Flight Plan File Name:", "Sort Flight Plan File"};
    case op::MergeFlightPlans:
      return OperationCaptions{"Merge Flight Plans", "Flight Plan Files To Be Merged:",
                               "Merged Flight Plan File Name:", "Merge Flight Plan Files"};
    case op::SortAirports:
      return OperationCaptions{"Sort Airports", "Airport File To Be Sorted:",
                               "Sorted Airport File Name:", "Sort Airport File"};
    case op::MergeAirports:
      return OperationCaptions{"Merge Airports", "Airport Files To Be Merged:",
                               "Merged Airport File Name:", "Merge Airport Files"};
    case op::SortAircraft:
      return OperationCaptions{"Sort Aircraft", "Aircraft File To Be Sorted:",
                               "Sorted Aircraft File Name:", "Sort Aircraft File"};
    case op::MergeAircraft:
      return OperationCaptions{"Merge Aircraft", "Aircraft Files To Be Merged:",
                               "Merged Aircraft File Name:", "Merge Aircraft Files"};
    case op::ChangeACNumbers:
      return OperationCaptions{"Change Aircraft & Flight Plan Numbers",
                               "Aircraft and/or Flight Plan Files To Be Changed", "",
                               "Change Aircraft and/or Flight Plan Numbers"};
    default:
      return std::nullopt;
  }
}

std::optional<OperationLayout> LayoutFor(std::int32_t typeOfOperation) {
  switch (typeOfOperation) {
    case op::SortFlightPlans:
    case op::SortAirports:
    case op::SortAircraft:
      return OperationLayout{285, 765, 990, 1440, 2310};
    case op::MergeFlightPlans:
    case op::MergeAirports:
    case op::MergeAircraft:
      return OperationLayout{1320, 1845, 2070, 2530, 3445};
    case op::ChangeACNumbers:
      return OperationLayout{1320, std::nullopt, std::nullopt, 2270, 3155};
    default:
      return std::nullopt;
  }
}

std::string_view FileDialogTitle(std::int32_t typeOfOperation, bool forOutput) {
  switch (typeOfOperation) {
    case op::SortFlightPlans:
      return forOutput ? "Enter or Select The Sorted Flight Plan File Name"
                       : "Select The Flight Plan File To Be Sorted";
    case op::MergeFlightPlans:
      return forOutput ? "Enter or Select The Merged Flight Plan File Name"
                       : "Select The Flight Plan Files To Be Merged";
    case op::EvaluateFlightPlans:
      return forOutput ? "Enter or Select The Evaluation Report File"
                       : "Select The Flight Plan Files To Be Evaluated";
    case op::SortAirports:
      return forOutput ? "Enter or Select The Sorted Airport File Name"
                       : "Select The Airport File To Be Sorted";
    case op::MergeAirports:
      return forOutput ? "Enter or Select The Merged Airport File Name"
                       : "Select The Airport Files To Be Merged";
    case op::SortAircraft:
      return forOutput ? "Enter or Select The Sorted Aircraft File Name"
                       : "Select The Aircraft File To Be Sorted";
    case op::MergeAircraft:
      return forOutput ? "Enter or Select The Merged Aircraft File Name"
                       : "Select The Aircraft Files To Be Merged";
    case op::ChangeACNumbers:
      return forOutput ? "" : "Select The Aircraft and/or Flight Plan Files To Be Changed";
    default:
      return {};
  }
}

bool IsSingleFileOperation(std::int32_t typeOfOperation) {
  return typeOfOperation == op::SortFlightPlans || typeOfOperation == op::SortAirports ||
         typeOfOperation == op::SortAircraft;
}

}  // namespace fw
