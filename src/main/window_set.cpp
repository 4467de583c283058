#include "main/window_set.h"

#include <QtGlobal>

#include "main/about.h"
#include "main/main_form.h"
#include "main/splash.h"

// The pictures are compiled into this library; a static library's resources
// must be registered by hand before the first window loads them.
static void RegisterMainResources() { Q_INIT_RESOURCE(main); }

TWindowSet::TWindowSet(Prompts& prompts, Help& help, EventPump& pump, const QStringList& arguments,
                       bool withSplash)
    : prompts_(prompts),
      mainForm_((RegisterMainResources(), std::make_unique<TMainForm>(prompts, help, pump, arguments))) {
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
