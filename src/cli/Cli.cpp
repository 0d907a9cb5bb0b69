#include "cli/Cli.h"

#include <CLI/CLI.hpp>
#include <optional>
#include <vector>

#include "dialog/Validation.h"
#include "records/OperationCodes.h"
#include "records/Operations.h"
#include "records/Texts.h"
#include "shell/Paths.h"
#include "worldai/WorldAIConversion.h"

namespace fw {
namespace {

constexpr int kSuccess = 0;
constexpr int kFailed = 1;
constexpr int kInvalid = 2;

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

// What the operation subcommands fill in: the texts of the dialog's boxes.
struct Request {
  std::int32_t TypeOfOperation = -1;
  std::string Input;
  std::vector<std::string> Inputs;
  std::string Output;
  std::string From;
  std::string To;
  bool NoBackup = false;
};

void AddSort(CLI::App& app, const char* name, const char* what, std::int32_t code,
             Request& request) {
  CLI::App* command = app.add_subcommand(name, what);
  command->add_option("INPUT", request.Input, "the file to sort")->required();
  command->add_option("OUTPUT", request.Output, "the sorted file to write")->required();
  command->callback([&request, code] { request.TypeOfOperation = code; });
}

void AddMerge(CLI::App& app, const char* name, const char* what, std::int32_t code,
              Request& request) {
  CLI::App* command = app.add_subcommand(name, what);
  command->add_option("OUTPUT", request.Output, "the merged file to write")->required();
  command->add_option("INPUT", request.Inputs, "the files to merge")->required();
  command->callback([&request, code] { request.TypeOfOperation = code; });
}

int Present(const Message& message, std::ostream& out, std::ostream& err) {
  if (message.Icon == MessageIcon::Information) {
    out << message.Text << '\n';
    return kSuccess;
  }
  err << AsPrinted(message.Text) << '\n';
  return kFailed;
}

int RunOperationRequest(const Request& request, std::ostream& out, std::ostream& err,
                        const CliEnvironment& environment) {
  OperationTexts texts;
  texts.InputFiles = request.TypeOfOperation == op::SortFlightPlans ||
                             request.TypeOfOperation == op::SortAirports ||
                             request.TypeOfOperation == op::SortAircraft
                         ? request.Input
                         : JoinWithCrLf(request.Inputs);
  texts.OutputFile = request.Output;
  texts.From = request.From;
  texts.To = request.To;
  texts.Backup = !request.NoBackup;

  std::optional<Message> invalid =
      ValidateFiles(request.TypeOfOperation, texts.InputFiles, texts.OutputFile);
  if (!invalid && request.TypeOfOperation == op::ChangeACNumbers) {
    invalid = ValidateACNumbers(texts.From, texts.To);
  }
  if (invalid) {
    err << AsPrinted(invalid->Text) << '\n';
    return kInvalid;
  }
  const WaitMessage wait = [&](std::string_view text) {
    if (environment.ShowWaitTexts)
      err << text << '\n' << std::flush;
  };
  const std::optional<Message> outcome = RunOperation(request.TypeOfOperation, texts, wait);
  return outcome ? Present(*outcome, out, err) : kSuccess;
}

}  // namespace

int RunCli(std::span<const std::string> args, std::ostream& out, std::ostream& err,
           const CliEnvironment& environment) {
  CLI::App app("Sorts, merges and renumbers AI traffic files.", "fleetwright-cli");
  app.set_version_flag("--version", std::string("fleetwright-cli ") + FW_VERSION_STRING);
  app.require_subcommand(1);

  Request request;
  AddSort(app, "sort-flight-plans", "Sort a flight-plan file, dropping duplicate lines",
          op::SortFlightPlans, request);
  AddMerge(app, "merge-flight-plans", "Merge flight-plan files into one sorted file",
           op::MergeFlightPlans, request);
  AddSort(app, "sort-airports", "Sort an airport file, one line per airport ID", op::SortAirports,
          request);
  AddMerge(app, "merge-airports", "Merge airport files into one sorted file", op::MergeAirports,
           request);
  AddSort(app, "sort-aircraft", "Sort an aircraft file, dropping duplicate lines", op::SortAircraft,
          request);
  AddMerge(app, "merge-aircraft", "Merge aircraft files into one sorted file", op::MergeAircraft,
           request);

  CLI::App* change = app.add_subcommand(
      "change-numbers", "Give every entry of one aircraft number a new number, in place");
  change->add_option("--from", request.From, "the aircraft number to be changed");
  change->add_option("--to", request.To, "the new aircraft number");
  change->add_flag("--no-backup", request.NoBackup, "do not copy each file to NAME.BAK first");
  change->add_option("FILE", request.Inputs, "aircraft and flight-plan files")->required();
  change->callback([&request] { request.TypeOfOperation = op::ChangeACNumbers; });

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
    // File names are appended to the folder; an empty --folder stands for the current one.
    if (convert->count("--folder") > 0)
      folder = worldAIFolder.empty() ? worldAIFolder : WithTrailingSeparator(worldAIFolder);
    return Present(ConvertWorldAIAircraftList(folder), out, err);
  }
  return RunOperationRequest(request, out, err, environment);
}

}  // namespace fw
