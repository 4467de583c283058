// SPDX-License-Identifier: GPL-3.0-or-later
// Document files from anywhere, written back: whatever the reader made of the
// bytes, a document the writer accepts must read back as the same document
// and write again to the same bytes. A difference aborts (a finding).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include "document/reader.h"
#include "document/writer.h"

namespace {

std::string Written(const TDocument& document, bool& ok) {
  std::ostringstream out;
  std::string error;
  ok = WriteDocument(out, document, error);
  return out.str();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TDocument document;
  CreateDocument(document);
  ReadDocument(std::string_view(reinterpret_cast<const char*>(data), size), document);
  bool ok = false;
  const std::string bytes = Written(document, ok);
  if (!ok) return 0;  // refused (a line break in a text, say): nothing to compare
  TDocument back;
  CreateDocument(back);
  if (!ReadDocument(std::string_view(bytes), back)) std::abort();
  if (!SameWork(document, back)) std::abort();
  for (size_t k = 0; k < document.Displays.size(); ++k)
    if (document.Displays[k] != back.Displays[k]) std::abort();  // origins included
  bool again = false;
  if (Written(back, again) != bytes || !again) std::abort();
  return 0;
}
