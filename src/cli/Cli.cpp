#include "cli/Cli.h"

#include <CLI/CLI.hpp>
#include <optional>
#include <vector>

#include "platform/Paths.h"
#include "records/AircraftNumber.h"
#include "records/Messages.h"
#include "records/OperationTable.h"
#include "records/Operations.h"
#include "records/Texts.h"
#include "worldai/WorldAIConversion.h"

namespace fw {
namespace {

constexpr int kSuccess = 0;
constexpr int kFailed = 1;
constexpr int kInvalid = 2;
constexpr int kStrictErrors = 3;  // --strict: the evaluation's report lists an error

// A message box's text as printed: its CR LF line breaks become newlines.
std::string AsPrinted(std::string_view text) {
  std::string printed;
  printed.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
      continue;
    printed += text[i];
  }
  return printed;
}

// What the operation subcommands fill in.
struct Command {
  std::optional<Operation> Chosen;
  OperationRequest Request;
  std::string Input;  // the one input of a sort
  std::string From;   // the numbers as typed, checked before they are read
  std::string To;
  bool NoBackup = false;
  bool Strict = false;
};

void AddOperation(CLI::App& app, const OperationInfo& info, Command& command) {
  CLI::App* sub = app.add_subcommand(std::string(info.CommandName), std::string(info.CommandHelp));
  if (info.Code == Operation::EvaluateFlightPlans) {
    sub->add_flag("--strict", command.Strict, "exit with status 3 when the report lists an error");
    sub->add_option("REPORT", command.Request.Output, "the report file to write")->required();
    sub->add_option("INPUT", command.Request.Inputs, "flight-plan, aircraft and airport files")
        ->required();
  } else if (info.Input == Inputs::One) {
    sub->add_option("INPUT", command.Input, "the file to sort")->required();
    sub->add_option("OUTPUT", command.Request.Output, "the sorted file to write")->required();
  } else if (info.HasOutput) {
    sub->add_option("OUTPUT", command.Request.Output, "the merged file to write")->required();
    sub->add_option("INPUT", command.Request.Inputs, "the files to merge")->required();
  } else {
    sub->add_option("--from", command.From, "the aircraft number to be changed");
    sub->add_option("--to", command.To, "the new aircraft number");
    sub->add_flag("--no-backup", command.NoBackup, "do not copy each file to NAME.BAK first");
    sub->add_option("FILE", command.Request.Inputs, "aircraft and flight-plan files")->required();
  }
  sub->callback([&command, code = info.Code] { command.Chosen = code; });
}

int Present(const Message& message, std::ostream& out, std::ostream& err) {
  if (message.Icon == MessageIcon::Information) {
    out << AsPrinted(message.Text) << '\n';
    return kSuccess;
  }
  err << AsPrinted(message.Text) << '\n';
  return message.Icon == MessageIcon::Exclamation ? kInvalid : kFailed;
}

// A name as the operations see it: without surrounding spaces, and joined to the working folder
// when relative, as for every command-line tool; an empty name stays empty, to be refused.
std::string Absolute(std::string_view name) {
  return AbsoluteName(std::string(TrimSpaces(name)));
}

int RunCommand(Operation operation, Command& command, std::ostream& out, std::ostream& err,
               const CliEnvironment& environment) {
  OperationRequest& request = command.Request;
  if (InfoOf(operation).Input == Inputs::One)
    request.Inputs = {command.Input};
  for (std::string& input : request.Inputs)
    input = Absolute(input);
  request.Output = Absolute(request.Output);
  std::optional<Invalid> invalid = ValidateFiles(operation, request.Inputs, request.Output);
  if (!invalid && operation == Operation::ChangeACNumbers)
    invalid = ValidateACNumbers(command.From, command.To);
  if (invalid)
    return Present(InvalidMessage(*invalid), out, err);
  if (operation == Operation::ChangeACNumbers) {
    // Checked above: both are runs of digits that fit.
    request.From = ParseAircraftNumber(command.From).value_or(0);
    request.To = ParseAircraftNumber(command.To).value_or(0);
    request.ToText = command.To;
    request.Backup = !command.NoBackup;
  }
  const Progress progress = [&](Step step) {
    if (environment.ShowWaitTexts)
      err << WaitText(operation, step) << '\n' << std::flush;
  };
  const Result<Completed> outcome = RunOperation(operation, request, progress);
  const int status = Present(OutcomeMessage(operation, outcome), out, err);
  if (status == kSuccess && command.Strict && outcome.value().Errors > 0)
    return kStrictErrors;
  return status;
}

int ConvertWorldAI(const std::string& folder, std::ostream& out, std::ostream& err) {
  if (const Result<void> converted = ConvertWorldAIAircraftList(folder); !converted) {
    err << AsPrinted(converted.error().Message) << '\n';
    return kFailed;
  }
  out << kConversionSuccessText << '\n';
  return kSuccess;
}

}  // namespace

int RunCli(std::span<const std::string> args, std::ostream& out, std::ostream& err,
           const CliEnvironment& environment) {
  CLI::App app("Sorts, merges, renumbers and evaluates AI traffic files.", "fleetwright-cli");
  app.set_version_flag("--version", std::string("fleetwright-cli ") + FW_VERSION_STRING);
  app.require_subcommand(1);
  // Names such as /out.txt are names on every system, never options.
  app.allow_windows_style_options(false);

  Command command;
  for (const OperationInfo& info : kOperations) {
    if (!info.CommandName.empty())
      AddOperation(app, info, command);
  }
  std::string worldAIFolder;
  CLI::App* convert = app.add_subcommand(
      "convert-world-ai", "Convert AddToAircraft.txt into AC.txt with readable names");
  convert->add_option("--folder", worldAIFolder,
                      "the folder of the list and the code tables (default: the program's)");

  std::vector<const char*> argv{"fleetwright-cli"};
  for (const std::string& arg : args)
    argv.push_back(arg.c_str());
  try {
    app.parse(static_cast<int>(argv.size()), argv.data());
  } catch (const CLI::CallForHelp& help) {
    return app.exit(help, out, err);
  } catch (const CLI::CallForAllHelp& help) {
    return app.exit(help, out, err);
  } catch (const CLI::CallForVersion&) {
    out << "fleetwright-cli " << FW_VERSION_STRING << '\n';
    return kSuccess;
  } catch (const CLI::ParseError& error) {
    app.exit(error, err, err);
    return kInvalid;
  }
  if (convert->parsed()) {
    std::string folder = environment.AppFolder;
    // File names are appended to the folder; an empty --folder stands for the working one.
    if (convert->count("--folder") > 0)
      folder = Absolute(worldAIFolder);
    if (!folder.empty())
      folder = WithTrailingSeparator(folder);
    return ConvertWorldAI(folder, out, err);
  }
  return command.Chosen ? RunCommand(*command.Chosen, command, out, err, environment) : kInvalid;
}

}  // namespace fw
