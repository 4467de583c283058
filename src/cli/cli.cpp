// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli.h"

#include <iostream>

#include "cli/cli_commands.h"
#include "cli/cli_reference.h"

namespace {

// The subcommands this program runs, in the order --help lists them; what
// each takes and does is told by the command-line reference.
const TCliCommand Commands[] = {
    {"parse", CliParse},         {"eval", CliEval},   {"diff", CliDiff},
    {"integrate", CliIntegrate}, {"dump", CliDump},   {"scene", CliScene},
    {"render", CliRender},       {"write", CliWrite}, {"import", CliImport},
    {"export", CliExport},
};

const TCliCommand* FindCommand(const std::string& name) {
  for (const auto& command : Commands)
    if (name == command.Name) return &command;
  return nullptr;
}

}  // namespace

std::vector<std::string> CliCommandNames() {
  std::vector<std::string> names;
  for (const auto& command : Commands) names.emplace_back(command.Name);
  return names;
}

namespace {

void PrintCommandUsage(std::ostream& stream, const char* name, const char* indent) {
  const TCliReferenceBlock* entry = FindCliReferenceCommand(CliReference(), name);
  stream << name;
  if (entry != nullptr) stream << " " << entry->Synopsis << "\n" << indent << entry->Summary;
  stream << "\n";
}

}  // namespace

void PrintUsage(std::ostream& stream, const std::string& name) {
  if (const TCliCommand* command = FindCommand(name)) {
    stream << "usage: morvit-cli ";
    PrintCommandUsage(stream, command->Name, "  ");
    return;
  }
  stream << "usage: morvit-cli SUBCOMMAND ARGUMENTS...\n"
            "       morvit-cli --help | SUBCOMMAND --help\n\nSubcommands:\n";
  for (const auto& command : Commands) {
    stream << "  ";
    PrintCommandUsage(stream, command.Name, "      ");
  }
}

int RunCli(const TCliArgs& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    PrintUsage(err, "");
    return ExitUsage;
  }
  if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    PrintUsage(out, "");
    return ExitOk;
  }
  const TCliCommand* command = FindCommand(args[0]);
  if (command == nullptr) {
    err << "morvit-cli: unknown subcommand '" << args[0] << "'\n";
    PrintUsage(err, "");
    return ExitUsage;
  }
  const TCliArgs rest(args.begin() + 1, args.end());
  for (const auto& arg : rest) {
    if (arg == "--help") {
      PrintUsage(out, command->Name);
      return ExitOk;
    }
  }
  return command->Run(rest, out, err);
}
