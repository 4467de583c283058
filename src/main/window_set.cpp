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
// Each modal dialog's run is one step of the document's history.
void TWindowSet::EditDiagrams() {
  mainForm_->History().Edit(QCoreApplication::translate("TWindowSet", "Diagram data"),
                            [this] { diagramInput_->Execute(); });
}
void TWindowSet::VariableTable() {
  mainForm_->History().Edit(QCoreApplication::translate("TWindowSet", "Variable table"),
                            [this] { varInput_->Execute(); });
}
void TWindowSet::Calculator() {
  mainForm_->History().Edit(QCoreApplication::translate("TWindowSet", "Calculator"),
                            [this] { calculator_->Execute(); });
}
void TWindowSet::AxisSettings() {
  mainForm_->History().Edit(QCoreApplication::translate("TWindowSet", "Coordinate system settings"),
                            [this] { axisSettings_->Execute(); });
}
void TWindowSet::DocumentReplaced() { graphInput_->DocumentReplaced(); }
