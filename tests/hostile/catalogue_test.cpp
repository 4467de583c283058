// SPDX-License-Identifier: GPL-3.0-or-later
// Inputs written to break Morvit, run the whole way a user's file or term
// goes: read, evaluate the data table, plot every display and draw it. Each
// must end in "Invalid file.", a refused term or a sane picture, within a
// bounded time and a bounded amount of live memory.
#include <gtest/gtest.h>
#include <malloc.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <limits>
#include <new>
#include <sstream>
#include <string>
#include <vector>

#include "document/data_table.h"
#include "document/delimited_text.h"
#include "document/reader.h"
#include "document/writer.h"
#include "plot/picture.h"
#include "plot/plot_display.h"
#include "plot/scene_guard.h"
#include "support/scripted_prompts.h"
#include "term/compiler.h"
#include "term/evaluator.h"

namespace {

std::atomic<long long> liveBytes{0};
std::atomic<long long> peakBytes{0};

void Count(void* p) {
  const long long now = liveBytes.fetch_add(static_cast<long long>(malloc_usable_size(p))) +
                        static_cast<long long>(malloc_usable_size(p));
  long long peak = peakBytes.load();
  while (now > peak && !peakBytes.compare_exchange_weak(peak, now)) {
  }
}

}  // namespace

// Live heap bytes of the whole program, so a case can be held to a memory
// budget however its allocations are spread.
void* operator new(std::size_t size) {
  void* p = std::malloc(size == 0 ? 1 : size);
  if (!p) throw std::bad_alloc();
  Count(p);
  return p;
}
void operator delete(void* p) noexcept {
  if (!p) return;
  liveBytes.fetch_sub(static_cast<long long>(malloc_usable_size(p)));
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept { operator delete(p); }

namespace {

// Generous enough for a sanitizer build on a loaded machine; the release
// build takes a small fraction of it for every case.
constexpr double SecondsPerCase = 20.0;
constexpr long long BytesPerCase = 512LL << 20;
// Pixel positions the projection may hand to a canvas (it keeps them within
// 2^22 of the picture).
constexpr int32_t FarPixel = 1 << 23;

// Paints nothing; checks that every position is an ordinary pixel position
// and counts the calls.
class CheckingCanvas final : public Canvas {
 public:
  long Calls = 0;
  bool Far = false;
  std::int32_t Width() const override { return 320; }
  std::int32_t Height() const override { return 240; }
  void SetPenColor(std::int32_t) override {}
  void SetBrushColor(std::int32_t) override {}
  void SetFontColor(std::int32_t) override {}
  void SetFont(const std::string&, std::int32_t) override {}
  void FillRect(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b) override {
    At(l, t);
    At(r, b);
  }
  void SetPixel(std::int32_t x, std::int32_t y, std::int32_t) override { At(x, y); }
  void MoveTo(std::int32_t x, std::int32_t y) override { At(x, y); }
  void LineTo(std::int32_t x, std::int32_t y) override { At(x, y); }
  void Polygon(std::span<const TCanvasPoint> points) override {
    for (const TCanvasPoint& p : points) At(p.X, p.Y);
  }
  void Ellipse(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b) override {
    At(l, t);
    At(r, b);
  }
  std::int32_t TextWidth(const std::string& text) override {
    return static_cast<std::int32_t>(text.size() * 8);
  }
  std::int32_t TextHeight(const std::string&) override { return 13; }
  void TextOut(std::int32_t x, std::int32_t y, const std::string&) override { At(x, y); }

 private:
  void At(std::int32_t x, std::int32_t y) {
    ++Calls;
    Far = Far || std::abs(static_cast<long long>(x)) > FarPixel ||
          std::abs(static_cast<long long>(y)) > FarPixel;
  }
};

enum class TEnd { InvalidFile, Picture };

struct TOutcome {
  bool ReadOk = false;
  size_t Messages = 0;
  long Segments = 0;
  bool NonFinite = false;
  bool FarPixels = false;
};

// What the main window does with a file's bytes, without the window.
TOutcome OpenAndDraw(const std::string& bytes) {
  TOutcome out;
  TDocument document;
  CreateDocument(document);
  out.ReadOk = ReadDocument(std::string_view(bytes), document);
  const TStringGrid table = EvaluateTable(document.HiddenTable);
  (void)table;
  ScriptedPrompts prompts;
  CheckingCanvas canvas;
  TGraphic3D graphic;
  InitGraphic3D(graphic, canvas);
  TObject3D scene, view;
  const size_t displays = document.Displays.size();
  for (size_t d = 0; d < displays && d < 8; ++d) {
    scene.clear();
    if (!PlotDisplay(document, static_cast<int>(d), scene, prompts)) continue;
    out.Segments += static_cast<long>(scene.size());
    for (const TSegment& s : scene) out.NonFinite = out.NonFinite || !SegmentFinite(s);
    DrawPicture(graphic, canvas, document.Displays[d], scene, true, view);
  }
  out.Messages = prompts.Records.size();
  out.FarPixels = canvas.Far;
  return out;
}

std::string Written(const TDocument& document) {
  std::ostringstream out;
  std::string error;
  EXPECT_TRUE(WriteDocument(out, document, error)) << error;
  return out.str();
}

std::vector<std::string> SplitLines(const std::string& bytes) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(bytes.substr(start, end - start));
  return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  return bytes;
}

// A 3D display with a solid surface, a curve, a diagram over a small table
// and a variable: every part of the plot engine has something to do.
TDocument Rich() {
  TDocument document;
  CreateDocument(document);
  TCoordinateSystem& display = document.Displays[0];
  display.ThreeAxes = true;
  display.DisplayStyle = DisplayStyleSolid;
  display.Resolution = 40;
  display.Alpha = 30;
  display.Beta = 30;
  TGraph surface;
  surface.Term1 = "x";
  surface.Term2 = "y";
  surface.Term3 = "sin(x)*cos(y)*a";
  TGraph curve;
  curve.Term1 = "x";
  curve.Term2 = "sin(x)";
  curve.Term3 = "1";
  document.Graphs = {surface, curve};
  display.GraphIndices = {0, 1};
  TDiagram diagram;
  diagram.UseColumn1 = true;
  diagram.Column1 = 1;
  diagram.Column2 = 2;
  document.Diagrams = {diagram};
  display.DiagramIndices = {0};
  document.HiddenTable.SetSize(3, 4);
  document.HiddenTable.SetCells(1, 1, "1");
  document.HiddenTable.SetCells(2, 1, "2*a");
  document.HiddenTable.SetCells(1, 2, "3");
  document.HiddenTable.SetCells(2, 2, "sqrt(-1)");
  SetVariable(document.VarTable, "a", TComplex{2, 0}, TComplex{2, 0}, TComplex{2, 0});
  return document;
}

// The written rich document with the line that holds a field replaced: the
// field is found by storing a marker value in it.
std::string WithField(const std::function<void(TDocument&)>& mark, const std::string& marker,
                      const std::string& text) {
  TDocument document = Rich();
  mark(document);
  std::vector<std::string> lines = SplitLines(Written(document));
  size_t hits = 0;
  for (std::string& line : lines)
    if (line == marker) {
      line = text;
      ++hits;
    }
  EXPECT_EQ(hits, 1u) << "marker " << marker;
  return JoinLines(lines);
}

// The written rich document after a change the dialogs would never make.
std::string Changed(const std::function<void(TDocument&)>& change) {
  TDocument document = Rich();
  change(document);
  std::ostringstream out;
  std::string error;
  // Counts past the reader's bounds are refused by the writer too; the
  // change is then made on the text instead, by the caller.
  EXPECT_TRUE(WriteDocument(out, document, error)) << error;
  return out.str();
}

std::string Deep(size_t depth) { return std::string(depth, '(') + "x" + std::string(depth, ')'); }

std::string FlatSum(size_t terms) {
  std::string text = "x";
  text.reserve(terms * 2);
  for (size_t k = 1; k < terms; ++k) text += "+x";
  return text;
}

const std::function<void(TDocument&)> MarkResolution = [](TDocument& d) {
  d.Displays[0].Resolution = 777001;
};
const std::function<void(TDocument&)> MarkMin1 = [](TDocument& d) { d.Displays[0].Min1 = -7771.5; };
const std::function<void(TDocument&)> MarkTerm = [](TDocument& d) {
  d.Graphs[0].Term3 = "marker_term";
};

TDocument& Display0(TDocument& d, const std::function<void(TCoordinateSystem&)>& f) {
  f(d.Displays[0]);
  return d;
}

TEST(Catalogue, HostileFilesEndInAMessageOrASanePicture) {
  const std::string rich = Written(Rich());
  std::vector<std::string> lines = SplitLines(rich);
  // Line 4 holds the highest display index, the next the highest graph
  // index; the table's counts follow the diagrams.
  auto lineReplaced = [&](size_t index, const std::string& text) {
    std::vector<std::string> copy = lines;
    copy.at(index) = text;
    return JoinLines(copy);
  };
  struct TRow {
    const char* what;
    std::string bytes;
    TEnd end;
  };
  const std::string nan = "NaN";
  const std::vector<TRow> rows = {
      {"the rich document itself", rich, TEnd::Picture},
      {"an empty file", "", TEnd::InvalidFile},
      {"binary garbage",
       std::string("\x7f"
                   "ELF\x02\x01\x01\0\0\0\xff\xfe\r\n\x80",
                   16),
       TEnd::InvalidFile},
      {"binary garbage after the signature",
       "Morvit V1\r\n\xff\xfe\xfd\r\n\x01\x02\r\n\x80\x81\r\n", TEnd::InvalidFile},
      {"lines ended by LF alone",
       [&] {
         std::string lf = rich;
         std::string out;
         for (char c : lf)
           if (c != '\r') out += c;
         return out;
       }(),
       TEnd::InvalidFile},
      {"a 10 MB first line", std::string(10 << 20, 'M'), TEnd::InvalidFile},
      {"a 10 MB term", WithField(MarkTerm, "marker_term", std::string(10 << 20, 'x')),
       TEnd::Picture},
      {"a 10 MB number line", WithField(MarkMin1, "-7771.5", std::string(10 << 20, '1')),
       TEnd::InvalidFile},
      {"display count 2147483647", lineReplaced(3, "2147483647"), TEnd::InvalidFile},
      {"display count -5", lineReplaced(3, "-5"), TEnd::InvalidFile},
      {"1E400 in a number line", WithField(MarkMin1, "-7771.5", "1E400"), TEnd::InvalidFile},
      {"NaN in a number line", WithField(MarkMin1, "-7771.5", nan), TEnd::InvalidFile},
      {"Resolution 1000000000", WithField(MarkResolution, "777001", "1000000000"), TEnd::Picture},
      {"Resolution -3", WithField(MarkResolution, "777001", "-3"), TEnd::Picture},
      {"Resolution 2147483647", WithField(MarkResolution, "777001", "2147483647"), TEnd::Picture},
      {"Resolution past 32 bits", WithField(MarkResolution, "777001", "2147483648"),
       TEnd::InvalidFile},
      {"a term of 1,000,000 nested brackets", WithField(MarkTerm, "marker_term", Deep(1000000)),
       TEnd::Picture},
      {"a flat sum of 1,000,000 terms", WithField(MarkTerm, "marker_term", FlatSum(1000000)),
       TEnd::Picture},
      {"zero and negative intervals", Changed([](TDocument& d) {
         Display0(d, [](TCoordinateSystem& s) {
           s.MajorInterval1 = 0;
           s.MinorInterval1 = -1;
           s.MajorInterval2 = -1e300;
           s.MinorInterval3 = 0;
         });
       }),
       TEnd::Picture},
      {"log bases 1 and -2", Changed([](TDocument& d) {
         Display0(d, [](TCoordinateSystem& s) {
           s.Log1 = s.Log2 = s.Log3 = true;
           s.MajorInterval1 = 1;
           s.MajorInterval2 = -2;
           s.MajorInterval3 = 1;
         });
       }),
       TEnd::Picture},
      {"angles 100000 and -720", Changed([](TDocument& d) {
         Display0(d, [](TCoordinateSystem& s) {
           s.Alpha = 100000;
           s.Beta = -720;
           s.Gamma = 2147483647;
         });
       }),
       TEnd::Picture},
      {"minimum equal to maximum on every axis", Changed([](TDocument& d) {
         Display0(d, [](TCoordinateSystem& s) {
           s.Min1 = s.Max1 = 2;
           s.Min2 = s.Max2 = -3;
           s.Min3 = s.Max3 = 0;
         });
       }),
       TEnd::Picture},
      {"zoom 0 and perspective 1", Changed([](TDocument& d) {
         Display0(d, [](TCoordinateSystem& s) {
           s.Zoom1 = s.Zoom2 = s.Zoom3 = 0;
           s.Perspective = 1;
         });
       }),
       TEnd::Picture},
      {"perspective 1 with the eye inside the surface",
       Changed([](TDocument& d) { Display0(d, [](TCoordinateSystem& s) { s.Perspective = 1; }); }),
       TEnd::Picture},
      {"indices naming no graph or diagram", Changed([](TDocument& d) {
         Display0(d, [](TCoordinateSystem& s) {
           s.GraphIndices = {65535, 2, 1, 7};
           s.DiagramIndices = {65535, 3};
         });
       }),
       TEnd::Picture},
      {"a surface whose every point is NaN or infinite", Changed([](TDocument& d) {
         d.Graphs[0].Term3 = "ln(0)+x*y";
         d.Graphs[1].Term2 = "0/0";
         d.Displays[0].Resolution = 300;
       }),
       TEnd::Picture},
      {"a surface beyond the double range", Changed([](TDocument& d) {
         d.Graphs[0].Term3 = "exp(1000*x)*1E300";
         d.Graphs[0].Term1 = "1E308*x";
       }),
       TEnd::Picture},
  };
  for (const TRow& row : rows) {
    SCOPED_TRACE(row.what);
    const long long before = liveBytes.load();
    peakBytes.store(before);
    const auto start = std::chrono::steady_clock::now();
    const TOutcome out = OpenAndDraw(row.bytes);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_LT(seconds, SecondsPerCase);
    EXPECT_LT(peakBytes.load() - before, BytesPerCase);
    EXPECT_EQ(out.ReadOk, row.end == TEnd::Picture);
    EXPECT_FALSE(out.NonFinite);
    EXPECT_FALSE(out.FarPixels);
    // A picture may come with messages about terms, but not one per point.
    EXPECT_LE(out.Messages, 8u);
    if (row.end == TEnd::Picture) {
      EXPECT_GT(out.Segments, 0);
    }
    RecordProperty(row.what, std::to_string(out.Segments) + " segments, " +
                                 std::to_string(out.Messages) + " messages, " +
                                 std::to_string(seconds) + " s");
  }
}

// Table counts far past the bound, in the two count lines after the
// diagrams: the read stops before anything is allocated for them.
TEST(Catalogue, HugeTablesAreRefusedBeforeTheyAreAllocated) {
  TDocument document = Rich();
  document.HiddenTable.SetSize(4242, 3);
  std::vector<std::string> lines = SplitLines(Written(document));
  size_t colLine = 0;
  for (size_t k = 0; k + 1 < lines.size(); ++k)
    if (lines[k] == "4242" && lines[k + 1] == "3") colLine = k;
  ASSERT_NE(colLine, 0u);
  struct TCounts {
    const char* cols;
    const char* rows;
    bool ok;  // negative counts leave the table at its smallest size
  };
  const TCounts counts[] = {{"100000", "100000", false},
                            {"2147483647", "2", false},
                            {"2", "2147483647", false},
                            {"-5", "-5", true}};
  for (const auto& [cols, rowsText, ok] : counts) {
    SCOPED_TRACE(std::string(cols) + " x " + rowsText);
    std::vector<std::string> copy(lines.begin(), lines.begin() + static_cast<long>(colLine));
    copy.push_back(cols);
    copy.push_back(rowsText);
    const long long before = liveBytes.load();
    peakBytes.store(before);
    const TOutcome out = OpenAndDraw(JoinLines(copy));
    EXPECT_EQ(out.ReadOk, ok);
    EXPECT_LT(peakBytes.load() - before, 64LL << 20);
  }
}

// Terms typed anywhere (the calculator, a graph, a table cell) go through
// the same compiler: deep or long ones are refused, quickly and in bounded
// memory, and the ones that fit still evaluate.
TEST(Catalogue, HostileTermsAreRefusedOrEvaluated) {
  struct TRow {
    std::string text;
    bool compiles;
    bool evaluates = false;
  };
  const std::vector<TRow> rows = {
      {Deep(1000000), false},
      {FlatSum(1000000), false},
      {std::string(1000000, '('), false},
      {std::string(1000000, '-') + "x", false},
      {"sin(" + Deep(1000000), false},
      {std::string(10 << 20, '1'), false},
      {"1E400", false},
      {"NaN", true, false},  // a name no table defines
      {Deep(100), true, true},
      {FlatSum(200), true, true},
      {"1E300*x*1E300", true, false},
  };
  TVarTable table;
  SetVariable(table, "x", TComplex{0, 0}, TComplex{1, 0}, TComplex{1, 0});
  for (const TRow& row : rows) {
    SCOPED_TRACE(row.text.substr(0, 40));
    const long long before = liveBytes.load();
    peakBytes.store(before);
    const auto start = std::chrono::steady_clock::now();
    TTerm tree;
    EXPECT_EQ(CompileTerm(row.text, tree), row.compiles);
    TComplex value;
    if (row.compiles) {
      EXPECT_EQ(EvaluateTerm(tree, table, value), row.evaluates);
    }
    FreeTerm(tree);
    EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
              SecondsPerCase);
    EXPECT_LT(peakBytes.load() - before, BytesPerCase);
  }
}

// Delimited files written to break the import, read and parsed the way the
// editor and the command line do: each ends in its message within seconds
// and a small fraction of the file's size in live memory, before any table
// is touched. The files are made here; the 200 MB one is sparse.
TEST(Catalogue, HostileDelimitedFilesEndInAMessage) {
  namespace fs = std::filesystem;
  const fs::path path =
      fs::temp_directory_path() / ("morvit_hostile_" + std::to_string(::getpid()) + ".csv");
  const struct {
    const char* name;
    std::function<void(std::ofstream&)> write;
    uintmax_t size;  // the file's size after writing: a sparse tail
    const char* message;
  } cases[] = {
      {"200 MB", [](std::ofstream& out) { out << "1,2\n3,4\n"; }, 200ULL << 20,
       "The file is larger than 64 MB"},
      {"NUL bytes", [](std::ofstream& out) { out << std::string(4 << 20, '\0'); }, 0,
       "The file is not text"},
      {"1,000,000 fields on one line",
       [](std::ofstream& out) {
         for (int k = 0; k < 1'000'000; ++k) out << (k ? ",1" : "1");
         out << "\n";
       },
       0, "The data does not fit into the data table"},
      {"a quote that never closes",
       [](std::ofstream& out) { out << "1,2\n\"3,4\n"
                                    << std::string(8 << 20, 'x'); }, 0,
       "Record 2 opens a quote that is never closed."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    {
      std::ofstream out(path, std::ios::binary | std::ios::trunc);
      c.write(out);
    }
    if (c.size != 0) fs::resize_file(path, c.size);
    TStringGrid grid(3, 3);
    grid.SetCells(1, 1, "kept");
    const TStringGrid before = grid;

    const long long live = liveBytes.load();
    peakBytes.store(live);
    const auto start = std::chrono::steady_clock::now();
    std::string bytes, error;
    TDelimitedData data;
    const bool ok = ReadDelimitedFile(path, bytes, error) &&
                    ParseDelimitedText(bytes, {}, data, error) &&
                    PlaceDelimitedData(grid, data, 1, 1, error);
    EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), 5.0);
    EXPECT_LT(peakBytes.load() - live, 64LL << 20);
    EXPECT_FALSE(ok);
    EXPECT_EQ(error.substr(0, std::string(c.message).size()), c.message) << error;
    EXPECT_EQ(grid, before);
  }
  fs::remove(path);
}

}  // namespace
