// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_reference.h"

#include <algorithm>
#include <sstream>

#include "cli/cli_reference_text.h"

namespace {

bool StartsWith(const std::string& text, const std::string& prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

std::string TrimRight(std::string text) {
  while (!text.empty() && (text.back() == ' ' || text.back() == '\r' || text.back() == '\t'))
    text.pop_back();
  return text;
}

// The text with HTML's special characters escaped and `code` set in <tt>.
std::string InlineHtml(const std::string& text) {
  std::string html;
  bool code = false;
  for (char c : text) {
    switch (c) {
      case '&': html += "&amp;"; break;
      case '<': html += "&lt;"; break;
      case '>': html += "&gt;"; break;
      case '`':
        html += code ? "</tt>" : "<tt>";
        code = !code;
        break;
      default: html += c;
    }
  }
  if (code) html += "</tt>";
  return html;
}

std::string Escaped(const std::string& text) {
  std::string html;
  for (char c : text) {
    if (c == '&')
      html += "&amp;";
    else if (c == '<')
      html += "&lt;";
    else if (c == '>')
      html += "&gt;";
    else
      html += c;
  }
  return html;
}

// Paragraphs, lists and example lines of a block's body.
void BodyHtml(const std::vector<std::string>& body, std::ostream& html) {
  enum class TOpen { None, Paragraph, List, Example } open = TOpen::None;
  auto close = [&] {
    if (open == TOpen::Paragraph) html << "</p>\n";
    if (open == TOpen::List) html << "</li>\n</ul>\n";
    if (open == TOpen::Example) html << "</pre>\n";
    open = TOpen::None;
  };
  for (const std::string& line : body) {
    if (line.empty()) {
      close();
    } else if (StartsWith(line, "    ")) {
      if (open != TOpen::Example) {
        close();
        html << "<pre>";
        open = TOpen::Example;
      } else {
        html << "\n";
      }
      html << Escaped(line.substr(4));
    } else if (StartsWith(line, "- ")) {
      if (open == TOpen::List) {
        html << "</li>\n";
      } else {
        close();
        html << "<ul>\n";
        open = TOpen::List;
      }
      html << "<li>" << InlineHtml(line.substr(2));
    } else {
      if (open == TOpen::Example) close();
      if (open == TOpen::None) {
        html << "<p>";
        open = TOpen::Paragraph;
      } else {
        html << "\n";
      }
      const size_t first = line.find_first_not_of(' ');
      html << InlineHtml(line.substr(first));
    }
  }
  close();
}

// Roff text: a backslash and a hyphen escaped, a line that would start with
// a control character guarded, `code` set in bold.
std::string InlineRoff(const std::string& text) {
  std::string roff = (!text.empty() && (text[0] == '.' || text[0] == '\'')) ? "\\&" : "";
  bool code = false;
  for (char c : text) {
    switch (c) {
      case '\\': roff += "\\e"; break;
      case '-': roff += "\\-"; break;
      case '`':
        roff += code ? "\\fR" : "\\fB";
        code = !code;
        break;
      default: roff += c;
    }
  }
  if (code) roff += "\\fR";
  return roff;
}

void BodyRoff(const std::vector<std::string>& body, std::ostream& roff) {
  bool example = false;
  bool paragraph = false;
  for (const std::string& line : body) {
    const bool exampleLine = StartsWith(line, "    ");
    if (example && !exampleLine) {
      roff << ".fi\n.RE\n";
      example = false;
    }
    if (line.empty()) {
      paragraph = false;
    } else if (exampleLine) {
      if (!example) roff << ".PP\n.RS\n.nf\n";
      example = true;
      roff << InlineRoff(line.substr(4)) << "\n";
    } else if (StartsWith(line, "- ")) {
      roff << ".IP \\(bu 2\n" << InlineRoff(line.substr(2)) << "\n";
      paragraph = true;
    } else {
      if (!paragraph) roff << ".PP\n";
      paragraph = true;
      roff << InlineRoff(line.substr(line.find_first_not_of(' '))) << "\n";
    }
  }
  if (example) roff << ".fi\n.RE\n";
}

std::string Upper(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

bool Shown(const TCliReferenceBlock& block, const std::vector<std::string>& commands) {
  return !block.IsCommand || commands.empty() ||
         std::find(commands.begin(), commands.end(), block.Title) != commands.end();
}

}  // namespace

TCliReference ParseCliReference(const std::string& text) {
  TCliReference reference;
  std::istringstream lines(text);
  std::string line;
  bool wantSummary = false;
  while (std::getline(lines, line)) {
    line = TrimRight(line);
    if (StartsWith(line, "%")) continue;
    if (StartsWith(line, "## ")) {
      TCliReferenceBlock block;
      block.IsCommand = true;
      const std::string heading = line.substr(3);
      const size_t blank = heading.find(' ');
      block.Title = heading.substr(0, blank);
      if (blank != std::string::npos) block.Synopsis = heading.substr(blank + 1);
      reference.push_back(block);
      wantSummary = true;
    } else if (StartsWith(line, "# ")) {
      TCliReferenceBlock block;
      block.Title = line.substr(2);
      reference.push_back(block);
      wantSummary = false;
    } else if (!reference.empty()) {
      if (wantSummary && !line.empty()) {
        reference.back().Summary = line;
        wantSummary = false;
      } else if (!wantSummary && !(line.empty() && reference.back().Body.empty())) {
        reference.back().Body.push_back(line);
      }
    }
  }
  return reference;
}

const TCliReference& CliReference() {
  static const TCliReference reference = ParseCliReference(CliReferenceText);
  return reference;
}

const TCliReferenceBlock* FindCliReferenceCommand(const TCliReference& reference,
                                                  const std::string& name) {
  for (const auto& block : reference)
    if (block.IsCommand && block.Title == name) return &block;
  return nullptr;
}

std::string CliReferenceHtml(const TCliReference& reference,
                             const std::vector<std::string>& commands) {
  std::ostringstream html;
  bool first = true;
  for (const auto& block : reference) {
    if (!Shown(block, commands)) continue;
    if (first) {
      html << "<h2><a name=\"cli\"></a>" << InlineHtml(block.Title) << "</h2>\n";
    } else if (block.IsCommand) {
      html << "<h3><a name=\"cli-" << block.Title << "\"></a>" << Escaped(block.Title)
           << "</h3>\n<p><tt>morvit-cli " << Escaped(block.Title) << " " << Escaped(block.Synopsis)
           << "</tt></p>\n<p>" << InlineHtml(block.Summary) << "</p>\n";
    } else {
      html << "<h3>" << InlineHtml(block.Title) << "</h3>\n";
    }
    first = false;
    BodyHtml(block.Body, html);
  }
  return html.str();
}

std::string CliReferenceManPage(const TCliReference& reference,
                                const std::vector<std::string>& commands) {
  std::ostringstream roff;
  roff << ".TH MORVIT-CLI 1 \"\" \"Morvit\" \"User Commands\"\n"
          ".SH NAME\nmorvit-cli \\- Morvit's term engine and drawing on the command line\n"
          ".SH SYNOPSIS\n.B morvit-cli\n.I SUBCOMMAND\n[\\fIARGUMENTS\\fR...]\n";
  bool first = true;
  bool commandsOpened = false;
  for (const auto& block : reference) {
    if (!Shown(block, commands)) continue;
    if (block.IsCommand) {
      if (!commandsOpened) roff << ".SH SUBCOMMANDS\n";
      commandsOpened = true;
      roff << ".SS " << InlineRoff(block.Title + " " + block.Synopsis) << "\n"
           << InlineRoff(block.Summary) << "\n";
    } else {
      roff << ".SH " << (first ? "DESCRIPTION" : InlineRoff(Upper(block.Title))) << "\n";
    }
    first = false;
    BodyRoff(block.Body, roff);
  }
  return roff.str();
}
