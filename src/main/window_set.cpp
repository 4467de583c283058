#include "main/window_set.h"

#include "main/about.h"
#include "main/main_form.h"
#include "main/splash.h"

TWindowSet::TWindowSet(Prompts& prompts, Help& help, EventPump& pump, const QStringList& arguments,
                       bool withSplash)
    : prompts_(prompts), mainForm_(std::make_unique<TMainForm>(prompts, help, pump, arguments)) {
  if (withSplash) splash_ = std::make_unique<TfSplash>(mainForm_.get());
  about_ = std::make_unique<TfInfo>(mainForm_.get());
  mainForm_->SetDialogs(this);
  mainForm_->SetSplash(splash_.get());
  mainForm_->SetAbout(about_.get());
}

TWindowSet::~TWindowSet() {
  // The dialogs are children of the main window; release them before it.
  about_.reset();
  splash_.reset();
}

void TWindowSet::EditGraphs() {}
void TWindowSet::EditDiagrams() {}
void TWindowSet::VariableTable() {}
void TWindowSet::Calculator() {}
void TWindowSet::AxisSettings() {}
void TWindowSet::DocumentReplaced() {}
