// SPDX-License-Identifier: GPL-3.0-or-later
// The command-line reference: one text, compiled into the program, from
// which the usage that --help prints and the manual's command-line page are
// both made, so that the two can never tell different stories.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// One part of the reference: a general section ("# Title") or a subcommand
// ("## NAME SYNOPSIS" followed by its summary line).
struct TCliReferenceBlock {
  bool IsCommand = false;
  std::string Title;              // the section title, or the subcommand's name
  std::string Synopsis;           // the arguments after the name; empty for a section
  std::string Summary;            // the line --help prints; empty for a section
  std::vector<std::string> Body;  // the lines after the heading (and summary)
};

using TCliReference = std::vector<TCliReferenceBlock>;

// Reads the reference format (described at the top of cli_reference.txt).
TCliReference ParseCliReference(const std::string& text);

// The reference compiled into this program, read once.
const TCliReference& CliReference();

// The subcommand of that name, or null.
const TCliReferenceBlock* FindCliReferenceCommand(const TCliReference& reference,
                                                  const std::string& name);

// The whole reference as a part of an HTML page: the first section is an
// <h2> with the anchor "cli", every other section and subcommand an <h3>
// with the anchor "cli-NAME". Only the subcommands in commands are shown
// (all of them when commands is empty).
std::string CliReferenceHtml(const TCliReference& reference,
                             const std::vector<std::string>& commands = {});

// The whole reference as the manual page morvit-cli(1), in roff: the first
// section is the description, the other sections follow under their titles,
// the subcommands under SUBCOMMANDS.
std::string CliReferenceManPage(const TCliReference& reference,
                                const std::vector<std::string>& commands = {});

// The names of the subcommands this morvit-cli runs, in the order of --help.
std::vector<std::string> CliCommandNames();
