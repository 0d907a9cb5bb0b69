#include "records/Messages.h"

#include <string>

#include "records/OperationTable.h"

namespace fw {

Message OutcomeMessage(Operation operation, const Result<Completed>& outcome) {
  const OperationInfo& info = InfoOf(operation);
  if (!outcome) {
    return Message{MessageIcon::Critical, "Error",
                   std::string(info.FailureText) + "\r\n" + outcome.error().Message};
  }
  if (operation == Operation::EvaluateFlightPlans) {
    const Completed& done = outcome.value();
    return Message{MessageIcon::Information, std::string(info.SuccessTitle),
                   std::to_string(done.Errors) + " errors and " + std::to_string(done.Warnings) +
                       " warnings in " + std::to_string(done.Files) +
                       " files.\r\nReport written to " + Quoted(done.Report) + "."};
  }
  std::string text = info.CountsChanges ? std::to_string(outcome.value().Changed) : std::string();
  text += info.SuccessText;
  return Message{MessageIcon::Information, std::string(info.SuccessTitle), std::move(text)};
}

Message InvalidMessage(const Invalid& invalid) {
  const auto warning = [](const char* title, std::string text) {
    return Message{MessageIcon::Exclamation, title, std::move(text)};
  };
  constexpr const char* kNumberTitle = "Invalid Aircraft Number";
  switch (invalid.What) {
    case Invalid::Reason::NoInputFile:
      return warning("Invalid Input File", "Please select an input file.");
    case Invalid::Reason::MissingInputFile:
      return warning("Invalid Input File",
                     "The input file: \"" + invalid.Name +
                         "\" does not exist.  Please select a valid input file.");
    case Invalid::Reason::NoOutputFile:
      return warning("Invalid Output File", "Please select an output file.");
    case Invalid::Reason::MissingOutputFolder:
      return warning("Invalid Output File Folder",
                     "The output file folder: \"" + invalid.Name +
                         "\" does not exist.  Please enter a valid output file folder location.");
    case Invalid::Reason::NoFromNumber:
      return warning(kNumberTitle, "Please enter the aircraft number to be changed.");
    case Invalid::Reason::NoToNumber:
      return warning(kNumberTitle, "Please enter the new aircraft number.");
    case Invalid::Reason::BadNumber:
      // Both boxes share one text for a number that is not valid.
      return warning(kNumberTitle, "Please enter a valid aircraft number to be changed.");
  }
  return {};
}

}  // namespace fw
