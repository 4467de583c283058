// Any bytes as a document file: the reader, the table evaluation, the dump
// and the variable table operations on whatever lists the file left behind
// must neither crash nor reach outside an array.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "cli/cli_commands.h"
#include "document/data_table.h"
#include "document/reader.h"
#include "term/var_table.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TDocument document;
  CreateDocument(document);
  ReadDocument(std::string_view(reinterpret_cast<const char*>(data), size), document);
  TStringGrid table;
  EvaluateTable(document.HiddenTable, table);
  (void)DocumentJson(document, table);

  TVarTable& vars = document.VarTable;
  TComplex minimum, maximum, actual;
  for (size_t k = 0; k < vars.Names.size(); ++k) {
    const std::string name = vars.Names[k];
    GetVariable(vars, name, minimum, maximum, actual);
    SetVariable(vars, name, minimum, maximum, actual);
  }
  if (!vars.Names.empty()) DeleteVariable(vars, std::string(vars.Names.front()));
  return 0;
}
