// SPDX-License-Identifier: GPL-3.0-or-later
// The subcommands of morvit-cli; each receives the arguments after its name.
#pragma once

#include <iosfwd>
#include <string>

#include "cli/cli.h"
#include "term/compiler.h"
#include "term/var_table.h"

// A subcommand; its synopsis and description are in the command-line
// reference under its name.
struct TCliCommand {
  const char* Name;
  int (*Run)(const TCliArgs& args, std::ostream& out, std::ostream& err);
};

int CliParse(const TCliArgs& args, std::ostream& out, std::ostream& err);
int CliEval(const TCliArgs& args, std::ostream& out, std::ostream& err);
int CliDiff(const TCliArgs& args, std::ostream& out, std::ostream& err);
int CliIntegrate(const TCliArgs& args, std::ostream& out, std::ostream& err);
int CliDump(const TCliArgs& args, std::ostream& out, std::ostream& err);
int CliScene(const TCliArgs& args, std::ostream& out, std::ostream& err);
int CliRender(const TCliArgs& args, std::ostream& out, std::ostream& err);
int CliWrite(const TCliArgs& args, std::ostream& out, std::ostream& err);
int CliImport(const TCliArgs& args, std::ostream& out, std::ostream& err);
int CliExport(const TCliArgs& args, std::ostream& out, std::ostream& err);

struct TDocument;
class TStringGrid;
// The document as dump prints it: one JSON object and a line end; table is
// the evaluated data table.
std::string DocumentJson(const TDocument& document, const TStringGrid& table);

// Builds a variable table from NAME=VALUE assignments; VALUE is a term
// without variables. False (with a message on err) for a malformed one.
bool ReadAssignments(const TCliArgs& args, size_t first, TVarTable& table, std::ostream& err);

// Prints the usage of one subcommand (or all when name is empty).
void PrintUsage(std::ostream& stream, const std::string& name);
