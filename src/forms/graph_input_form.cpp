// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/graph_input_form.h"

#include <algorithm>
#include <cctype>
#include <limits>
#include <unordered_set>

#include "document/axis.h"
#include "forms/graph_terms.h"
#include "ports/help_topics.h"
#include "term/compiler.h"
#include "term/evaluator.h"

namespace {

constexpr const char* TwoDimensionsQuestion =
    "For valid 2D plots, terms have to be entered at least for axis 1 and 2.\n\r"
    "Do you want to continue anyway?";

// Appends the variables of a term that compiles; a term that does not
// compile names no variables.
void CollectTermVariables(const std::string& term, TStringArray& names) {
  TTerm tree;
  if (CompileTerm(term, tree)) CollectVariables(tree.get(), names);
}

bool IsNameCharacter(char ch) {
  return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9') ||
         ch == '_';
}

// The names a term's text mentions. A term that compiles names exactly its
// variables. One that does not (a typing error, perhaps on a tab never
// visited) still names every word in it, from its first letter on, so "2x"
// and "x y" both keep x: the user means these variables and will fix the
// term, and their ranges must still be there when it compiles again.
void CollectNamedVariables(const std::string& term, TStringArray& names) {
  TTerm tree;
  if (CompileTerm(term, tree)) {
    CollectVariables(tree.get(), names);
    return;
  }
  for (size_t k = 0; k < term.size();) {
    if (!IsNameCharacter(term[k])) {
      ++k;
      continue;
    }
    size_t end = k;
    while (end < term.size() && IsNameCharacter(term[end])) ++end;
    while (k < end && !std::isalpha(static_cast<unsigned char>(term[k]))) ++k;
    if (k < end) names.push_back(term.substr(k, end - k));
    k = end;
  }
}

bool Lists(const std::vector<uint16_t>& indices, size_t graph) {
  return std::find(indices.begin(), indices.end(), graph) != indices.end();
}

}  // namespace

TGraphInputForm::TGraphInputForm(TDocument& document, Prompts& prompts, TDialogHost& host)
    : document_(document), prompts_(prompts), host_(host) {}

size_t TGraphInputForm::TabCount() const { return std::min(WorkGraphs.size(), MaxGraphTabs); }

std::vector<std::string> TGraphInputForm::TabCaptions() const {
  std::vector<std::string> captions;
  captions.reserve(TabCount());
  for (size_t i = 1; i <= TabCount(); ++i) captions.push_back("Graph" + std::to_string(i));
  return captions;
}

void TGraphInputForm::FormShow() {
  open_ = true;
  WorkGraphs = document_.Graphs;
  WorkGraphIndices.clear();
  WorkGraphIndices.reserve(document_.Displays.size());
  for (const TCoordinateSystem& display : document_.Displays)
    WorkGraphIndices.push_back(display.GraphIndices);
  // The dialog has no command to add graphs: the first one comes from here.
  if (WorkGraphs.empty()) WorkGraphs.emplace_back();
  if (WorkGraphs.size() > MaxGraphTabs) {
    ShowInformation(prompts_, "Only the first " + std::to_string(MaxGraphTabs) + " of the " +
                                  std::to_string(WorkGraphs.size()) +
                                  " graphs can be edited here; the others are kept as they are.");
  }
  RefreshGraphTabs();
}

void TGraphInputForm::RefreshGraphTabs() {
  const int count = static_cast<int>(TabCount());
  if (SelectedTab < 0 || SelectedTab > count - 1) SelectedTab = count > 0 ? 0 : -1;
  TabsVisible = SelectedTab >= 0;
  if (!TabsVisible) return;
  Fields = WorkGraphs[static_cast<size_t>(SelectedTab)];
}

bool TGraphInputForm::TabControlChanging() {
  const int t = SelectedTab;
  if (t < 0 || static_cast<size_t>(t) >= TabCount()) return true;
  if (Fields.Term1.empty() || Fields.Term2.empty()) {
    // Help shows this dialog's topic and is no answer: the question comes back.
    TMessageButton answer = mbHelp;
    while (answer == mbHelp)
      answer = prompts_.Message(TMessageKind::Warning, TwoDimensionsQuestion, mbYes | mbNo | mbHelp,
                                GraphInputHelpContext);
    if (answer != mbYes) return false;
  }
  for (TAxis axis : AllAxes) {
    const std::string& term = GraphTerm(Fields, axis);
    TTerm tree;
    // An empty field is left to the 2D question above; the plot takes it as 0.
    if (!CompileTerm(term, tree) && !term.empty()) {
      prompts_.Message(TMessageKind::Error,
                       "Invalid Term entered for axis " + std::to_string(AxisNumber(axis)) + ".",
                       mbOk, GraphInputHelpContext);
      return false;
    }
  }
  WorkGraphs[static_cast<size_t>(t)] = Fields;

  // The lists offer what the document held when last confirmed, not what was
  // just typed.
  TStringArray documentTerms;
  CollectGraphTerms(document_.Graphs, documentTerms);
  TermList.clear();
  AddTermsIgnoringCase(documentTerms, TermList);
  return true;
}

bool TGraphInputForm::ChangeTab(int tab) {
  if (tab == SelectedTab) return true;
  if (tab < 0 || static_cast<size_t>(tab) >= TabCount()) return false;
  if (!TabControlChanging()) return false;
  SelectedTab = tab;
  RefreshGraphTabs();
  return true;
}

void TGraphInputForm::pColor1Click() {
  int32_t color = Fields.Color1;
  if (prompts_.ChooseColor(color)) Fields.Color1 = color;
}

void TGraphInputForm::pColor2Click() {
  int32_t color = Fields.Color2;
  if (prompts_.ChooseColor(color)) Fields.Color2 = color;
}

void TGraphInputForm::AddMissingVariables() {
  TVarTable& table = document_.VarTable;
  std::unordered_set<std::string> known(table.Names.begin(), table.Names.end());
  TStringArray names;
  size_t checked = 0;
  for (const TGraph& graph : WorkGraphs) {
    CollectTermVariables(graph.Term1, names);
    CollectTermVariables(graph.Term2, names);
    CollectTermVariables(graph.Term3, names);
    // Names of earlier graphs are in the table already, so only the new ones
    // are looked up. A name known to be missing is appended directly, as
    // SetVariable would after searching the whole table for it.
    for (; checked < names.size(); ++checked) {
      if (!known.insert(names[checked]).second) continue;
      table.Names.push_back(names[checked]);
      table.Minimum.push_back({});
      table.Maximum.push_back({});
      table.Actual.push_back({});
    }
  }
}

void TGraphInputForm::RemoveUnusedVariables() {
  TStringArray used;
  for (const TGraph& graph : document_.Graphs) {
    CollectNamedVariables(graph.Term1, used);
    CollectNamedVariables(graph.Term2, used);
    CollectNamedVariables(graph.Term3, used);
  }
  const std::unordered_set<std::string> usedNames(used.begin(), used.end());
  // One pass that keeps the used rows in order; removing rows one at a time
  // would cost a shift of the whole table per removed variable.
  TVarTable& table = document_.VarTable;
  EvenOutVarTable(table);
  size_t kept = 0;
  for (size_t k = 0; k < table.Names.size(); ++k) {
    if (usedNames.count(table.Names[k]) == 0) continue;
    if (kept != k) {
      table.Names[kept] = std::move(table.Names[k]);
      table.Minimum[kept] = table.Minimum[k];
      table.Maximum[kept] = table.Maximum[k];
      table.Actual[kept] = table.Actual[k];
    }
    ++kept;
  }
  table.Names.resize(kept);
  table.Minimum.resize(kept);
  table.Maximum.resize(kept);
  table.Actual.resize(kept);
}

void TGraphInputForm::AssignToLastDisplay() {
  const int t = SelectedTab;
  if (t < 0 || document_.Displays.empty() || t > std::numeric_limits<uint16_t>::max()) return;
  for (const TCoordinateSystem& display : document_.Displays)
    if (Lists(display.GraphIndices, static_cast<size_t>(t))) return;
  document_.Displays.back().GraphIndices.push_back(static_cast<uint16_t>(t));
}

void TGraphInputForm::OfferThreeDimensions() {
  std::unordered_set<uint16_t> asked;
  for (size_t n = 0; n < document_.Displays.size(); ++n) {
    TCoordinateSystem& display = document_.Displays[n];
    asked.clear();
    for (const uint16_t g : display.GraphIndices) {
      if (g >= document_.Graphs.size()) continue;
      if (document_.Graphs[g].Term3.empty() || display.ThreeAxes) continue;
      // A file may list one graph many thousand times in a display; the
      // question is about graphs, so each is asked about once.
      if (!asked.insert(g).second) continue;
      const std::string question =
          "Display" + std::to_string(n + 1) +
          " contains threedimensional plots.\n\r"
          "Do you want to switch the display into 3D mode?\n\r"
          "You can also adjust the view mode manually at the Display Settings window, later.";
      if (prompts_.Message(TMessageKind::Confirmation, question, mbYesNo, GraphInputHelpContext) ==
          mbYes)
        display.ThreeAxes = true;
    }
  }
}

void TGraphInputForm::bVarTableClick() {
  if (!TabControlChanging()) return;
  AddMissingVariables();
  host_.OpenVariableTable();
}

bool TGraphInputForm::bOkClick() {
  if (!TabControlChanging()) return false;
  document_.Graphs = WorkGraphs;
  AddMissingVariables();
  RemoveUnusedVariables();
  // Only displays that exist take a list back.
  const size_t displays = std::min(document_.Displays.size(), WorkGraphIndices.size());
  for (size_t i = 0; i < displays; ++i) document_.Displays[i].GraphIndices = WorkGraphIndices[i];
  AssignToLastDisplay();
  OfferThreeDimensions();
  host_.Redraw();
  FormClose();
  return true;
}

void TGraphInputForm::FormClose() {
  open_ = false;
  WorkGraphs.clear();
  WorkGraphIndices.clear();
}

void TGraphInputForm::DocumentReplaced() {
  if (open_) FormShow();
}
