// SPDX-License-Identifier: GPL-3.0-or-later
// import and export: the diagram data editor's delimited text without a
// window. Both run the editor's own form, so the command line lands data and
// writes it exactly as the editor does.
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <ostream>
#include <string>
#include <utility>

#include "cli/cli_commands.h"
#include "document/delimited_text.h"
#include "document/document.h"
#include "document/reader.h"
#include "document/writer.h"
#include "forms/diagram_input_form.h"

namespace {

// Every box the editor would show becomes a line on stderr.
class TStderrPrompts : public Prompts {
 public:
  explicit TStderrPrompts(std::ostream& err) : err_(err) {}
  TMessageButton Message(TMessageKind, const std::string& text, uint8_t, int) override {
    err_ << text << "\n";
    return mbOk;
  }
  bool InputText(const std::string&, const std::string&, std::string&) override { return false; }
  bool ChooseColor(int32_t&) override { return false; }
  bool ChooseOpenFile(const std::string&, std::string&) override { return false; }

 private:
  std::ostream& err_;
};

// The editor's window around the form: display 1 is current, and there is
// nothing to redraw.
class TQuietHost : public TDialogHost {
 public:
  int CurrentDisplay() const override { return 0; }
  void Redraw() override {}
  void OpenVariableTable() override {}
};

template <typename T>
bool ReadChoice(const std::string& word, std::initializer_list<std::pair<const char*, T>> words,
                T& value) {
  for (const auto& [name, choice] : words)
    if (word == name) {
      value = choice;
      return true;
    }
  return false;
}

int Usage(const char* command, const std::string& problem, std::ostream& err) {
  err << "morvit-cli " << command << ": " << problem << "\n";
  PrintUsage(err, command);
  return ExitUsage;
}

// A separator by its option word, among those the command offers.
bool ReadSeparator(const std::string& word, std::initializer_list<TSeparator> offered,
                   TSeparator& value) {
  for (const TSeparator separator : offered)
    if (word == SeparatorName(separator)) {
      value = separator;
      return true;
    }
  return false;
}

constexpr std::initializer_list<TSeparator> ExportSeparators = {
    TSeparator::Comma, TSeparator::Semicolon, TSeparator::Tab};

// Reads DATA, -o OUT and the choices; ExitOk, or the usage error's code
// after its message on err.
int ParseImportArgs(const TCliArgs& args, std::string& data, std::string& output,
                    TImportOptions& options, std::ostream& err) {
  for (size_t k = 0; k < args.size(); ++k) {
    const std::string& arg = args[k];
    const bool hasValue = k + 1 < args.size();
    if (arg == "-o" && hasValue) {
      output = args[++k];
    } else if (arg == "--separator" && hasValue) {
      if (!ReadSeparator(args[++k],
                         {TSeparator::Auto, TSeparator::Comma, TSeparator::Semicolon,
                          TSeparator::Tab, TSeparator::Blank},
                         options.Separator))
        return Usage("import", "unknown separator '" + args[k] + "'", err);
    } else if (arg == "--decimal" && hasValue) {
      if (!ReadChoice(args[++k],
                      {{"auto", TDecimalChoice::Auto},
                       {"point", TDecimalChoice::Point},
                       {"comma", TDecimalChoice::Comma}},
                      options.Decimal))
        return Usage("import", "unknown decimal choice '" + args[k] + "'", err);
    } else if (arg == "--header" && hasValue) {
      if (!ReadChoice(args[++k],
                      {{"auto", THeaderChoice::Auto},
                       {"yes", THeaderChoice::Yes},
                       {"no", THeaderChoice::No}},
                      options.Header))
        return Usage("import", "unknown header choice '" + args[k] + "'", err);
    } else if (data.empty() && !arg.empty() && arg[0] != '-') {
      data = arg;
    } else {
      return Usage("import", "unexpected argument '" + arg + "'", err);
    }
  }
  if (data.empty() || output.empty()) return Usage("import", "expects DATA and -o OUT.mvf", err);
  return ExitOk;
}

}  // namespace

int CliImport(const TCliArgs& args, std::ostream& out, std::ostream& err) {
  (void)out;
  std::string data, output;
  TImportOptions options;
  if (const int code = ParseImportArgs(args, data, output, options, err); code != ExitOk)
    return code;

  std::string bytes, error;
  TDelimitedData table;
  if (!ReadDelimitedFile(data, bytes, error) || !ParseDelimitedText(bytes, options, table, error)) {
    err << error << "\n";
    return ExitFailed;
  }
  bytes.clear();
  bytes.shrink_to_fit();

  TDocument document;
  CreateDocument(document);
  TStderrPrompts prompts(err);
  TQuietHost host;
  TDiagramInputForm editor(document, prompts, host);
  editor.FormShow();
  editor.TableClick({1, 1, 1, 1});
  if (!editor.ImportData(table) || !editor.bOkClick()) return ExitFailed;
  if (!SaveDocument(output, document, error)) {
    err << "morvit-cli import: " << error << "\n";
    return ExitFailed;
  }
  return ExitOk;
}

int CliExport(const TCliArgs& args, std::ostream& out, std::ostream& err) {
  (void)out;
  std::string file, output;
  TExportChoice choice;
  for (size_t k = 0; k < args.size(); ++k) {
    const std::string& arg = args[k];
    if (arg == "-o" && k + 1 < args.size()) {
      output = args[++k];
    } else if (arg == "--separator" && k + 1 < args.size()) {
      if (!ReadSeparator(args[++k], ExportSeparators, choice.Separator))
        return Usage("export", "unknown separator '" + args[k] + "'", err);
    } else if (arg == "--texts") {
      choice.Texts = true;
    } else if (arg == "--header") {
      choice.Header = true;
    } else if (file.empty() && !arg.empty() && arg[0] != '-') {
      file = arg;
    } else {
      return Usage("export", "unexpected argument '" + arg + "'", err);
    }
  }
  if (file.empty() || output.empty())
    return Usage("export", "expects FILE.mvf and -o OUT.csv", err);

  TDocument document;
  CreateDocument(document);
  std::ifstream in(file, std::ios::binary);
  std::error_code ignored;
  if (!in.is_open() || std::filesystem::is_directory(file, ignored) ||
      !ReadDocument(in, document)) {
    err << InvalidFileMessage << "\n";
    return ExitFailed;
  }
  // The editor shows the table with its headers written afresh; the values
  // are what it shows.
  TStderrPrompts prompts(err);
  TQuietHost host;
  TDiagramInputForm editor(document, prompts, host);
  editor.FormShow();
  std::string error;
  if (!ReplaceFile(output, editor.ExportText(choice), error)) {
    err << "morvit-cli export: " << error << "\n";
    return ExitFailed;
  }
  return ExitOk;
}
