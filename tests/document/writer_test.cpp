// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/writer.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <limits>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "document/reader.h"
#include "support/temp_files.h"

namespace {

namespace fs = std::filesystem;

bool SameList(const std::vector<TComplex>& x, const std::vector<TComplex>& y) {
  if (x.size() != y.size()) return false;
  for (size_t k = 0; k < x.size(); ++k)
    if (std::bit_cast<uint64_t>(x[k].Re) != std::bit_cast<uint64_t>(y[k].Re) ||
        std::bit_cast<uint64_t>(x[k].Im) != std::bit_cast<uint64_t>(y[k].Im))
      return false;
  return true;
}

// Field for field; the variable values bit for bit, so that even the sign of
// a zero must survive.
void ExpectSameDocument(const TDocument& a, const TDocument& b, const std::string& what) {
  EXPECT_EQ(a.Displays.size(), b.Displays.size()) << what;
  for (size_t k = 0; k < std::min(a.Displays.size(), b.Displays.size()); ++k)
    EXPECT_TRUE(a.Displays[k] == b.Displays[k]) << what << ": display " << k;
  EXPECT_TRUE(a.Graphs == b.Graphs) << what;
  EXPECT_TRUE(a.Diagrams == b.Diagrams) << what;
  EXPECT_TRUE(a.HiddenTable == b.HiddenTable) << what;
  EXPECT_EQ(a.VarTable.Names, b.VarTable.Names) << what;
  EXPECT_TRUE(SameList(a.VarTable.Minimum, b.VarTable.Minimum)) << what;
  EXPECT_TRUE(SameList(a.VarTable.Maximum, b.VarTable.Maximum)) << what;
  EXPECT_TRUE(SameList(a.VarTable.Actual, b.VarTable.Actual)) << what;
}

std::string Write(const TDocument& document) {
  std::ostringstream out;
  std::string error;
  EXPECT_TRUE(WriteDocument(out, document, error)) << error;
  return out.str();
}

// Writes, reads back into a document that held something else, and writes
// again: the document and the bytes must come back unchanged.
void ExpectRoundTrip(const TDocument& document, const std::string& what) {
  const std::string bytes = Write(document);
  TDocument back;
  CreateDocument(back);
  SetVariable(back.VarTable, "stale", {1, 1}, {2, 2}, {3, 3});
  ASSERT_TRUE(ReadDocument(std::string_view(bytes), back)) << what;
  ExpectSameDocument(document, back, what);
  EXPECT_EQ(Write(back), bytes) << what;
}

std::vector<std::string> SplitLines(const std::string& bytes) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(bytes.substr(start, end - start));
  EXPECT_EQ(start, bytes.size()) << "the last line ends with CR LF";
  return lines;
}

// Any finite double, from its bits: subnormals, huge and tiny values, -0.
double AnyFinite(std::mt19937_64& random) {
  for (;;) {
    const double value = std::bit_cast<double>(random());
    if (std::isfinite(value)) return value;
  }
}

double AnyReal(std::mt19937_64& random) {
  switch (random() % 4) {
    case 0: return AnyFinite(random);
    case 1: return static_cast<double>(static_cast<int>(random() % 2001) - 1000);
    case 2: return static_cast<double>(static_cast<int64_t>(random() % 200000) - 100000) / 1000.0;
    default:
      return std::ldexp(static_cast<double>(random() % 1000), static_cast<int>(random() % 80) - 40);
  }
}

int32_t AnyInteger(std::mt19937_64& random) {
  switch (random() % 3) {
    case 0: return static_cast<int32_t>(static_cast<uint32_t>(random()));
    case 1:
      return random() % 2 ? std::numeric_limits<int32_t>::min()
                          : std::numeric_limits<int32_t>::max();
    default: return static_cast<int32_t>(random() % 200) - 100;
  }
}

// Any bytes but a line break: blanks at both ends, control characters and
// 8-bit bytes all stay.
std::string AnyText(std::mt19937_64& random) {
  std::string text(random() % 12, ' ');
  for (char& c : text) {
    do c = static_cast<char>(random() % 256);
    while (c == '\r' || c == '\n');
  }
  return text;
}

std::vector<TComplex> AnyComplexList(std::mt19937_64& random, size_t count) {
  std::vector<TComplex> list(count);
  for (auto& value : list) value = {AnyReal(random), AnyReal(random)};
  return list;
}

TDocument Generated(uint64_t seed) {
  std::mt19937_64 random(seed);
  TDocument doc;
  doc.Displays.resize(random() % 4);
  for (auto& d : doc.Displays) {
    for (double* field :
         {&d.Origin1,        &d.Origin2,        &d.Origin3,        &d.Min1,
          &d.Max1,           &d.Min2,           &d.Max2,           &d.Min3,
          &d.Max3,           &d.Shift1,         &d.Shift2,         &d.Shift3,
          &d.Zoom1,          &d.Zoom2,          &d.Zoom3,          &d.MajorInterval1,
          &d.MajorInterval2, &d.MajorInterval3, &d.MinorInterval1, &d.MinorInterval2,
          &d.MinorInterval3})
      *field = AnyReal(random);
    for (int32_t* field : {&d.Alpha, &d.Beta, &d.Gamma, &d.Perspective, &d.Resolution})
      *field = AnyInteger(random);
    d.GraphIndices.resize(random() % 5);
    for (auto& index : d.GraphIndices) index = static_cast<uint16_t>(random());
    d.DiagramIndices.resize(random() % 5);
    for (auto& index : d.DiagramIndices) index = static_cast<uint16_t>(random());
    for (bool* field : {&d.ThreeAxes, &d.Log1, &d.Log2, &d.Log3, &d.Markings1, &d.Markings2,
                        &d.Markings3, &d.ForceEqualScale})
      *field = random() % 2 == 1;
    d.DisplayStyle = static_cast<uint8_t>(random() % 3);
    d.AxisStyle = static_cast<uint8_t>(random() % 3);
    d.Label1 = AnyText(random);
    d.Label2 = AnyText(random);
    d.Label3 = AnyText(random);
    d.AxisColor = AnyInteger(random);
  }
  doc.Graphs.resize(random() % 5);
  for (auto& g : doc.Graphs) {
    g = {AnyText(random), AnyText(random), AnyText(random), AnyInteger(random), AnyInteger(random)};
  }
  doc.Diagrams.resize(random() % 4);
  for (auto& m : doc.Diagrams) {
    for (int32_t* field :
         {&m.Column1, &m.Column2, &m.Column3, &m.ErrorHigh1, &m.ErrorLow1, &m.ErrorHigh2,
          &m.ErrorLow2, &m.ErrorHigh3, &m.ErrorLow3, &m.Color1, &m.Color2})
      *field = AnyInteger(random);
    for (double* field : {&m.Constant1, &m.Constant2, &m.Constant3}) *field = AnyReal(random);
    for (bool* field :
         {&m.UseColumn1, &m.UseColumn2, &m.UseColumn3, &m.ShowPoints, &m.ConnectPoints})
      *field = random() % 2 == 1;
    m.Description = AnyText(random);
  }
  doc.HiddenTable.SetSize(1 + static_cast<int>(random() % 6), 1 + static_cast<int>(random() % 6));
  for (int c = 0; c < doc.HiddenTable.ColCount(); ++c)
    for (int r = 0; r < doc.HiddenTable.RowCount(); ++r)
      doc.HiddenTable.SetCells(c, r, AnyText(random));
  // The four variable lists need not be equally long; each is stored as it is.
  doc.VarTable.Names.resize(random() % 5);
  for (auto& name : doc.VarTable.Names) name = AnyText(random);
  doc.VarTable.Minimum = AnyComplexList(random, random() % 5);
  doc.VarTable.Maximum = AnyComplexList(random, random() % 5);
  doc.VarTable.Actual = AnyComplexList(random, random() % 5);
  return doc;
}

class TempFolder {
 public:
  TempFolder() {
    path_ = fs::temp_directory_path() / ("morvit-writer-" + std::to_string(std::random_device{}()));
    fs::create_directories(path_);
  }
  ~TempFolder() { fs::remove_all(path_); }
  const fs::path& Path() const { return path_; }
  // The names in the folder: a save must leave no temporary file behind.
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(path_))
      names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
  }

 private:
  fs::path path_;
};

}  // namespace

TEST(Writer, EveryExampleRoundTrips) {
  int examples = 0;
  for (const auto& entry : fs::directory_iterator(fs::path(MORVIT_SOURCE_DIR) / "examples")) {
    if (entry.path().extension() != ".mvf") continue;
    ++examples;
    TDocument doc;
    CreateDocument(doc);
    std::ifstream in(entry.path(), std::ios::binary);
    ASSERT_TRUE(ReadDocument(in, doc)) << entry.path();
    ExpectRoundTrip(doc, entry.path().filename());
  }
  EXPECT_GE(examples, 7);
}

TEST(Writer, GeneratedDocumentsRoundTrip) {
  for (uint64_t seed = 1; seed <= 300; ++seed)
    ExpectRoundTrip(Generated(seed), "seed " + std::to_string(seed));
}

TEST(Writer, RealsReadBackToTheSameDouble) {
  const double values[] = {0.0,
                           -0.0,
                           0.1,
                           1.0 / 3.0,
                           -2.5,
                           1e-5,
                           1e300,
                           -1.7976931348623157e308,
                           std::numeric_limits<double>::denorm_min(),
                           std::numeric_limits<double>::min(),
                           std::nextafter(1.0, 2.0),
                           std::nextafter(0.1, 1.0),
                           9007199254740993.0,
                           123456789012345678.0};
  for (double value : values) {
    TDocument doc;
    CreateDocument(doc);
    doc.Displays[0].Zoom2 = value;
    SetVariable(doc.VarTable, "a", {value, -value}, {value, value}, {-value, value});
    TDocument back;
    ASSERT_TRUE(ReadDocument(std::string_view(Write(doc)), back)) << value;
    EXPECT_EQ(std::bit_cast<uint64_t>(back.Displays[0].Zoom2), std::bit_cast<uint64_t>(value))
        << value;
    ExpectSameDocument(doc, back, std::to_string(value));
  }
}

TEST(Writer, TheNewDocumentIsTheKnownFile) {
  TDocument doc;
  CreateDocument(doc);
  auto lines = SplitLines(Write(doc));
  // The default shifts are computed and may be zeros with a sign, which the
  // writer keeps (the file then reads back bit for bit).
  for (auto& line : lines)
    if (line == "-0") line = "0";
  const std::vector<std::string> expected = {"Morvit V1", "Morvit", MORVIT_VERSION_TEXT,
                                             "0",         "-10",    "-10",
                                             "-10",       "-10",    "10",
                                             "-10",       "10",     "-10",
                                             "10",  // origins, ranges
                                             "0",         "0",      "0",
                                             "1",         "1",      "1",  // shifts, zooms
                                             "0",         "0",      "0",
                                             "500",       "100",  // angles, perspective, resolution
                                             "-1",        "-1",   // index lists
                                             "0",         "0",      "0",
                                             "0",         "1",      "1",
                                             "1",         "0",  // flags
                                             "10",        "10",     "10",
                                             "2",         "2",      "2",  // intervals
                                             "1",         "1",      "x",
                                             "y",         "z",      "65280",
                                             "-1",        "-1",     "2",
                                             "2",         "",       "",
                                             "",          "",       "-1",
                                             "-1",        "-1",     "-1"};
  EXPECT_EQ(lines, expected);
}

TEST(Writer, TableColumnByColumnAndListsAsHighestIndex) {
  TDocument doc;
  doc.HiddenTable.SetSize(3, 2);
  for (int c = 0; c < 3; ++c)
    for (int r = 0; r < 2; ++r)
      doc.HiddenTable.SetCells(c, r, std::to_string(c) + "," + std::to_string(r));
  SetVariable(doc.VarTable, "t", {0.5, 0}, {1, -1}, {2, 0.25});
  const auto lines = SplitLines(Write(doc));
  // No displays, graphs or diagrams: three -1 after the header.
  const std::vector<std::string> expected = {"Morvit V1", "Morvit", MORVIT_VERSION_TEXT,
                                             "-1",        "-1",     "-1",
                                             "3",         "2",      "0,0",
                                             "0,1",       "1,0",    "1,1",
                                             "2,0",       "2,1",    "0",
                                             "t",         "0",      "0.5",
                                             "0",         "0",      "1",
                                             "-1",        "0",      "2",
                                             "0.25"};
  EXPECT_EQ(lines, expected);
}

TEST(Writer, RefusesWhatCannotBeReadBack) {
  constexpr double inf = std::numeric_limits<double>::infinity();
  constexpr double nan = std::numeric_limits<double>::quiet_NaN();
  const struct {
    const char* What;
    std::function<void(TDocument&)> Spoil;
    const char* Message;  // a part of the message
  } cases[] = {
      {"CR LF in a description", [](TDocument& d) { d.Diagrams.back().Description = "a\r\nb"; },
       "diagram 1"},
      {"LF in a description", [](TDocument& d) { d.Diagrams.back().Description = "a\nb"; },
       "line break"},
      {"CR in a label", [](TDocument& d) { d.Displays[0].Label2 = "y\r"; }, "axis 2 in Display1"},
      {"LF in a term", [](TDocument& d) { d.Graphs.back().Term3 = "\nx"; }, "graph 1"},
      {"LF in a cell", [](TDocument& d) { d.HiddenTable.SetCells(1, 1, "1\n2"); }, "data table"},
      {"CR in a variable name", [](TDocument& d) { d.VarTable.Names.push_back("a\rb"); },
       "variable"},
      {"infinite range", [](TDocument& d) { d.Displays[0].Max1 = inf; }, "finite"},
      {"undefined zoom", [](TDocument& d) { d.Displays[0].Zoom3 = nan; }, "finite"},
      {"infinite constant", [](TDocument& d) { d.Diagrams.back().Constant2 = -inf; }, "finite"},
      {"undefined variable value",
       [](TDocument& d) {
         d.VarTable.Actual.push_back(TComplex{0, nan});
       },
       "finite"},
      {"too many displays", [](TDocument& d) { d.Displays.resize(MaxDisplays + 1); }, "displays"},
      {"too many graphs", [](TDocument& d) { d.Graphs.resize(MaxListElements + 1); }, "graphs"},
      {"too many cells", [](TDocument& d) { d.HiddenTable.SetSize(1001, 1000); }, "cells"},
      {"too many columns for 2 rows", [](TDocument& d) { d.HiddenTable.SetSize(500001, 1); },
       "cells"},
  };
  for (const auto& c : cases) {
    TDocument doc;
    CreateDocument(doc);
    doc.Graphs.resize(1);
    doc.Diagrams.resize(1);
    c.Spoil(doc);
    std::ostringstream out;
    std::string error;
    EXPECT_FALSE(WriteDocument(out, doc, error)) << c.What;
    EXPECT_TRUE(out.str().empty()) << c.What << ": nothing is written";
    EXPECT_NE(error.find(c.Message), std::string::npos) << c.What << ": " << error;
  }
}

TEST(Writer, TheLargestStorableTableRoundTrips) {
  TDocument doc;
  doc.HiddenTable.SetSize(500000, 2);  // the reader's bound exactly
  doc.HiddenTable.SetCells(499999, 1, "last");
  ExpectRoundTrip(doc, "500000 by 2");
}

TEST(Writer, SaveReplacesTheFileAndLeavesNoTemporaryFile) {
  TempFolder folder;
  const fs::path file = folder.Path() / "doc.mvf";
  { std::ofstream(file) << "old contents"; }
  fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  TDocument doc;
  CreateDocument(doc);
  doc.Graphs.push_back({"sin(x)", "", "", 255, 255});
  std::string error;
  ASSERT_TRUE(SaveDocument(file, doc, error)) << error;
  EXPECT_EQ(FileBytes(file), Write(doc));
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"doc.mvf"});
  EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST(Writer, AFailedSaveKeepsTheOldFile) {
  TempFolder folder;
  const fs::path file = folder.Path() / "doc.mvf";
  { std::ofstream(file) << "old contents"; }
  TDocument refused;
  CreateDocument(refused);
  refused.Displays[0].Label1 = "two\nlines";
  std::string error;
  EXPECT_FALSE(SaveDocument(file, refused, error));
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(FileBytes(file), "old contents");
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"doc.mvf"});

  // A folder that does not exist, and a folder in place of the file.
  TDocument doc;
  CreateDocument(doc);
  error.clear();
  EXPECT_FALSE(SaveDocument(folder.Path() / "missing" / "doc.mvf", doc, error));
  EXPECT_FALSE(error.empty());
  fs::create_directory(folder.Path() / "sub.mvf");
  error.clear();
  EXPECT_FALSE(SaveDocument(folder.Path() / "sub.mvf", doc, error));
  EXPECT_TRUE(fs::is_directory(folder.Path() / "sub.mvf"));
  EXPECT_EQ(folder.Names(), (std::vector<std::string>{"doc.mvf", "sub.mvf"}));
}

TEST(Writer, SavingThroughALinkReplacesTheFileItNames) {
  TempFolder folder;
  const fs::path file = folder.Path() / "real.mvf";
  const fs::path link = folder.Path() / "link.mvf";
  { std::ofstream(file) << "old"; }
  fs::create_symlink(file, link);
  TDocument doc;
  CreateDocument(doc);
  std::string error;
  ASSERT_TRUE(SaveDocument(link, doc, error)) << error;
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(FileBytes(file), Write(doc));
}

TEST(SameWork, OriginsAloneAreNoChange) {
  TDocument stored;
  CreateDocument(stored);
  SetVariable(stored.VarTable, "a", {0.0, 0}, {1, 0}, {0.5, 0});
  const struct {
    const char* What;
    std::function<void(TDocument&)> Change;
    bool Same;
  } cases[] = {
      {"nothing", [](TDocument&) {}, true},
      {"origins, as every drawing sets them",
       [](TDocument& d) {
         d.Displays[0].Origin1 = 3;
         d.Displays[0].Origin3 = -1;
       },
       true},
      {"a minimum", [](TDocument& d) { d.Displays[0].Min1 = -9; }, false},
      {"an angle", [](TDocument& d) { d.Displays[0].Alpha = 10; }, false},
      {"a graph", [](TDocument& d) { d.Graphs.emplace_back(); }, false},
      {"a cell", [](TDocument& d) { d.HiddenTable.SetCells(1, 1, "2"); }, false},
      {"a variable value", [](TDocument& d) { d.VarTable.Actual[0].Re = 0.75; }, false},
      {"the sign of a zero", [](TDocument& d) { d.VarTable.Minimum[0].Re = -0.0; }, false},
      {"a second display", [](TDocument& d) { d.Displays.emplace_back(); }, false},
  };
  for (const auto& c : cases) {
    TDocument changed = stored;
    c.Change(changed);
    EXPECT_EQ(SameWork(stored, changed), c.Same) << c.What;
    EXPECT_EQ(SameWork(changed, stored), c.Same) << c.What;
  }
  // An undefined value stays the same work as itself.
  TDocument undefined = stored;
  undefined.VarTable.Actual[0].Im = std::numeric_limits<double>::quiet_NaN();
  EXPECT_TRUE(SameWork(undefined, TDocument(undefined)));
}
