// SPDX-License-Identifier: GPL-3.0-or-later
// Every window of the program, created once at start-up in a fixed order: the
// main window first, then graph input, variable table, diagram data editor,
// coordinate system settings, splash, calculator and About box.
#pragma once

#include <QStringList>
#include <memory>

#include "main/dialog_set.h"

class Prompts;
class Help;
class EventPump;
class TMainForm;
class TfSplash;
class TfInfo;
class TfGraphInput;
class TfVarInput;
class TfDiagramInput;
class TfAxisSettings;
class TfCalculator;

class TWindowSet final : public TDialogSet {
 public:
  TWindowSet(Prompts& prompts, Help& help, EventPump& pump, const QStringList& arguments,
             bool withSplash = true);
  ~TWindowSet() override;
  TWindowSet(const TWindowSet&) = delete;
  TWindowSet& operator=(const TWindowSet&) = delete;

  TMainForm& MainForm() { return *mainForm_; }

  void EditGraphs() override;
  void EditDiagrams() override;
  void VariableTable() override;
  void Calculator() override;
  void AxisSettings() override;
  void DocumentReplaced() override;

 private:
  Prompts& prompts_;
  // In creation order; released in reverse, before the main window.
  std::unique_ptr<TMainForm> mainForm_;
  std::unique_ptr<TfGraphInput> graphInput_;
  std::unique_ptr<TfVarInput> varInput_;
  std::unique_ptr<TfDiagramInput> diagramInput_;
  std::unique_ptr<TfAxisSettings> axisSettings_;
  std::unique_ptr<TfSplash> splash_;
  std::unique_ptr<TfCalculator> calculator_;
  std::unique_ptr<TfInfo> about_;
};
