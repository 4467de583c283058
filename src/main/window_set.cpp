// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/window_set.h"

#include <QCoreApplication>
#include <QtGlobal>

#include "dialogs/axis_settings.h"
#include "dialogs/calculator_dialog.h"
#include "dialogs/diagram_input_dialog.h"
#include "dialogs/graph_input.h"
#include "dialogs/var_input.h"
#include "main/about.h"
#include "main/document_history.h"
#include "main/main_form.h"
#include "main/splash.h"

// The pictures are compiled into this library; a static library's resources
// must be registered by hand before the first window loads them.
static void RegisterMainResources() { Q_INIT_RESOURCE(main); }

// Each modal dialog's run is one step of the document's history, named by
// action in the undo menu.
template <typename TDialog>
static void RunAsOneStep(TMainForm& main, const char* action, TDialog& dialog) {
  main.History().Edit(QCoreApplication::translate("TWindowSet", action),
                      [&dialog] { dialog.Execute(); });
}

TWindowSet::TWindowSet(Prompts& prompts, Help& help, EventPump& pump, const QStringList& arguments,
                       bool withSplash)
    : prompts_(prompts),
      mainForm_(
          (RegisterMainResources(), std::make_unique<TMainForm>(prompts, help, pump, arguments))) {
  TMainForm* main = mainForm_.get();
  TDocument& document = main->Doc();
  graphInput_ = std::make_unique<TfGraphInput>(document, prompts, *main, main);
  varInput_ = std::make_unique<TfVarInput>(document, prompts, *main, main);
  diagramInput_ = std::make_unique<TfDiagramInput>(document, prompts, *main, main);
  axisSettings_ = std::make_unique<TfAxisSettings>(document, prompts, *main, main);
  if (withSplash) splash_ = std::make_unique<TfSplash>(main);
  calculator_ = std::make_unique<TfCalculator>(document, prompts, *main, main);
  about_ = std::make_unique<TfInfo>(main);
  // The graph input dialog stays open beside the window; its OK is one step.
  QObject::connect(graphInput_.get(), &QDialog::accepted, main, [main] {
    main->History().Record(QCoreApplication::translate("TWindowSet", "Graph input"));
  });
  mainForm_->SetDialogs(this);
  mainForm_->SetSplash(splash_.get());
  mainForm_->SetAbout(about_.get());
}

// The dialogs are children of the main window; the members release them in
// reverse order of creation, all before the main window itself.
TWindowSet::~TWindowSet() = default;

void TWindowSet::EditGraphs() { graphInput_->ShowModeless(); }
void TWindowSet::EditDiagrams() {
  RunAsOneStep(*mainForm_, QT_TRANSLATE_NOOP("TWindowSet", "Diagram data"), *diagramInput_);
}
void TWindowSet::VariableTable() {
  RunAsOneStep(*mainForm_, QT_TRANSLATE_NOOP("TWindowSet", "Variable table"), *varInput_);
}
void TWindowSet::Calculator() {
  RunAsOneStep(*mainForm_, QT_TRANSLATE_NOOP("TWindowSet", "Calculator"), *calculator_);
}
void TWindowSet::AxisSettings() {
  RunAsOneStep(*mainForm_, QT_TRANSLATE_NOOP("TWindowSet", "Coordinate system settings"),
               *axisSettings_);
}
void TWindowSet::DocumentReplaced() { graphInput_->DocumentReplaced(); }
