// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the help file that the program shows: the help text of help/ with
// the command-line reference put in at its marker line, so that the manual
// and `morvit-cli --help` are made from one text; or, with --man, the manual
// page morvit-cli(1) from the same text.
//   morvit-help-file TEMPLATE OUT
//   morvit-help-file --man OUT
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "cli/cli_reference.h"

namespace {

constexpr const char* Marker = "<!-- command-line reference -->";

// Replaces OUT only when the whole text was written.
int WriteFile(const std::string& path, const std::string& text) {
  const std::string temporary = path + ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out << text;
    if (!out.flush()) {
      std::cerr << "morvit-help-file: cannot write " << temporary << "\n";
      return 1;
    }
  }
  if (std::rename(temporary.c_str(), path.c_str()) != 0) {
    std::cerr << "morvit-help-file: cannot write " << path << "\n";
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: morvit-help-file TEMPLATE OUT | --man OUT\n";
    return 2;
  }
  if (std::string(argv[1]) == "--man")
    return WriteFile(argv[2], CliReferenceManPage(CliReference(), CliCommandNames()));
  std::ifstream in(argv[1], std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  if (!in) {
    std::cerr << "morvit-help-file: cannot read " << argv[1] << "\n";
    return 1;
  }
  std::string help = text.str();
  const size_t at = help.find(Marker);
  if (at == std::string::npos) {
    std::cerr << "morvit-help-file: " << argv[1] << " has no line " << Marker << "\n";
    return 1;
  }
  help.replace(at, std::string(Marker).size(), CliReferenceHtml(CliReference(), CliCommandNames()));
  return WriteFile(argv[2], help);
}
