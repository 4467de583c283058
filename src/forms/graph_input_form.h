// SPDX-License-Identifier: GPL-3.0-or-later
// The graph input dialog without widgets: working copies of the graphs and of
// every display's graph list, the store step that runs before a tab change,
// the variable table kept in line with the terms, and OK's write-back.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "document/document.h"
#include "ports/dialog_host.h"
#include "ports/prompts.h"
#include "term/var_table.h"

// One tab per graph is offered up to this many graphs. A document file may
// bring a hundred thousand; a strip of so many tabs could be neither laid out
// in reasonable time nor used, so the graphs past it are kept as they are.
inline constexpr size_t MaxGraphTabs = 1000;

class TGraphInputForm {
 public:
  TGraphInputForm(TDocument& document, Prompts& prompts, TDialogHost& host);

  // Working state, alive from opening to closing.
  std::vector<TGraph> WorkGraphs;                       // tab i edits element i
  std::vector<std::vector<uint16_t>> WorkGraphIndices;  // one list per display

  // The controls: the selected tab (-1 for none), the three term fields
  // (Term1 is cbX, Term2 cbY, Term3 cbZ) and the two swatches, and the one
  // list of earlier terms that all three drop-downs offer.
  int SelectedTab = -1;
  TGraph Fields;
  TStringArray TermList;
  bool TabsVisible = false;

  // "Graph1", "Graph2", ... one per working graph, at most MaxGraphTabs.
  std::vector<std::string> TabCaptions() const;

  // Opening: copies the graphs and graph lists, adds a graph when the
  // document has none, and shows the selected tab. With more graphs than
  // tabs it says that only the first ones can be edited.
  void FormShow();

  // Shows the tabs again with the selected one kept where it still exists.
  void RefreshGraphTabs();

  // The store step: checks the fields and stores them into the selected
  // working graph. False when it refuses; the tab must then stay.
  bool TabControlChanging();

  // A tab was picked: runs the store step and, when it allows, selects tab.
  // False when the selected tab stays.
  bool ChangeTab(int tab);

  void pColor1Click();
  void pColor2Click();

  // Stores, adds the variables the terms need and opens the variable table.
  void bVarTableClick();

  // Stores, writes back, brings the variable table in line, assigns the
  // graph to a display, offers 3D and redraws. True when the dialog closes.
  bool bOkClick();

  // Closing by any means: the working copies are dropped, nothing written.
  void FormClose();

  // The document was replaced (New, Open) while the dialog is open: the
  // working copies belonged to the old one, so they are taken afresh from the
  // new document and whatever was typed is dropped.
  void DocumentReplaced();

  bool IsOpen() const { return open_; }

 private:
  size_t TabCount() const;
  void AddMissingVariables();
  void RemoveUnusedVariables();
  void AssignToLastDisplay();
  void OfferThreeDimensions();

  TDocument& document_;
  Prompts& prompts_;
  TDialogHost& host_;
  bool open_ = false;
};
