// SPDX-License-Identifier: GPL-3.0-or-later
// write: reads a document and writes it back, the normal form of a file.
#include <fstream>
#include <ostream>
#include <string>

#include "cli/cli_commands.h"
#include "document/document.h"
#include "document/reader.h"
#include "document/writer.h"

int CliWrite(const TCliArgs& args, std::ostream& out, std::ostream& err) {
  (void)out;
  if (args.size() != 2) {
    err << "morvit-cli write: expects FILE and OUT\n";
    PrintUsage(err, "write");
    return ExitUsage;
  }
  TDocument document;
  CreateDocument(document);
  std::ifstream in(args[0], std::ios::binary);
  std::error_code ignored;
  // A file that reads only in part would be written back as a different
  // document: nothing is written then.
  if (!in.is_open() || std::filesystem::is_directory(args[0], ignored) ||
      !ReadDocument(in, document)) {
    err << InvalidFileMessage << "\n";
    return ExitFailed;
  }
  std::string error;
  if (!SaveDocument(args[1], document, error)) {
    err << "morvit-cli write: " << error << "\n";
    return ExitFailed;
  }
  return ExitOk;
}
