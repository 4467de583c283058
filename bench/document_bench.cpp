// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a one-megabyte document and evaluating its data table: the work of
// opening a file, and (the evaluation alone) of every drawing of a diagram.
#include <benchmark/benchmark.h>

#include <string>

#include "document/data_table.h"
#include "document/reader.h"

namespace {

constexpr int Rows = 20'000;

// About a megabyte: a table of 4 columns whose data cells are numbers and
// formulas over the columns to their left, plus one default display.
std::string TableDocument() {
  std::string text =
      "Morvit V1\r\n\r\n\r\n-1\r\n-1\r\n-1\r\n4\r\n" + std::to_string(Rows + 1) + "\r\n";
  auto column = [&](const std::string& header, auto cell) {
    text += header + "\r\n";
    for (int r = 1; r <= Rows; ++r) text += cell(r) + "\r\n";
  };
  column("", [](int r) { return "Row" + std::to_string(r); });
  column("Col1", [](int r) { return std::to_string(r) + ".25"; });
  column("Col2", [](int) { return std::string("Col1^2/1000"); });
  column("Col3", [](int) { return std::string("sqrt(Col2)+sin(Col1)"); });
  text += "-1\r\n-1\r\n-1\r\n-1\r\n";
  return text;
}

void ReadTableDocument(benchmark::State& state) {
  const std::string text = TableDocument();
  for (auto _ : state) {
    TDocument document;
    benchmark::DoNotOptimize(ReadDocument(std::string_view(text), document));
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(text.size()));
}
BENCHMARK(ReadTableDocument)->Unit(benchmark::kMillisecond);

void EvaluateTableDocument(benchmark::State& state) {
  TDocument document;
  ReadDocument(std::string_view(TableDocument()), document);
  for (auto _ : state) benchmark::DoNotOptimize(EvaluateTable(document.HiddenTable));
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * Rows * 3);  // data cells
}
BENCHMARK(EvaluateTableDocument)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
