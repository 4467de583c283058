#include "cli/cli.h"

#include <iostream>

#include "cli/cli_commands.h"

namespace {

const TCliCommand Commands[] = {
    {"parse", "TERM", "Compiles TERM; prints ok or invalid, then the tree in prefix form.", CliParse},
    {"eval", "TERM [NAME=VALUE ...]",
     "Evaluates TERM with the variables given; VALUE is a term without variables.", CliEval},
    {"diff", "TERM VAR X0 [NAME=VALUE ...]",
     "Numerical derivative of TERM by VAR at X0, as the calculator computes it.", CliDiff},
    {"integrate", "TERM VAR LOW HIGH [NAME=VALUE ...]",
     "Numerical integral of TERM over VAR from LOW to HIGH, as the calculator computes it.",
     CliIntegrate},
    {"dump", "FILE", "Reads the document FILE and prints it as one JSON object.", CliDump},
    {"scene", "FILE [--display N]", "Plots display N of FILE and prints its scene, one segment per line.", CliScene},
    {"render", "FILE -o OUT.png|OUT.jpg|OUT.pdf|OUT.svg [--display N] [--size WxH] [--scale S]",
     "Draws display N of FILE as the drawing area of W x H pixels shows it, into a picture file; "
     "a PNG or JPEG at S device pixels per pixel (1 to 4) is W*S x H*S pixels.", CliRender},
    {"write", "FILE OUT", "Reads the document FILE and writes it to OUT in the normal form.", CliWrite},
};

const TCliCommand* FindCommand(const std::string& name) {
  for (const auto& command : Commands)
    if (name == command.Name) return &command;
  return nullptr;
}

}  // namespace

void PrintUsage(std::ostream& stream, const std::string& name) {
  if (const TCliCommand* command = FindCommand(name)) {
    stream << "usage: morvit-cli " << command->Name << " " << command->Usage << "\n  "
           << command->Help << "\n";
    return;
  }
  stream << "usage: morvit-cli SUBCOMMAND ARGUMENTS...\n"
            "       morvit-cli --help | SUBCOMMAND --help\n\nSubcommands:\n";
  for (const auto& command : Commands)
    stream << "  " << command.Name << " " << command.Usage << "\n      " << command.Help << "\n";
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
