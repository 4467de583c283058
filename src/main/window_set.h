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
  std::unique_ptr<TMainForm> mainForm_;
  std::unique_ptr<TfSplash> splash_;
  std::unique_ptr<TfInfo> about_;
};
