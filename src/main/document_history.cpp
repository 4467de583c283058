// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/document_history.h"

#include <QAction>
#include <QUndoCommand>
#include <set>
#include <utility>
#include <vector>

// One step: the states before and after it. Consecutive steps share the state
// between them.
class TDocumentHistory::TStep final : public QUndoCommand {
 public:
  TStep(TDocumentHistory& history, const QString& action, TSharedSnapshot before,
        TSharedSnapshot after)
      : QUndoCommand(action),
        history_(history),
        before_(std::move(before)),
        after_(std::move(after)) {}

  void undo() override { history_.Apply(before_, *after_); }
  const TSharedSnapshot& Before() const { return before_; }
  const TSharedSnapshot& After() const { return after_; }
  void redo() override {
    // Pushing runs redo once; the document already is in the state after.
    if (pushed_) history_.Apply(after_, *before_);
    pushed_ = true;
  }

 private:
  TDocumentHistory& history_;
  TSharedSnapshot before_;
  TSharedSnapshot after_;
  bool pushed_ = false;
};

TDocumentHistory::TDocumentHistory(TDocument& document, std::function<void()> restored,
                                   QObject* parent, std::size_t tableByteLimit)
    : QObject(parent),
      document_(document),
      restored_(std::move(restored)),
      tableByteLimit_(tableByteLimit) {
  stack_.setUndoLimit(StepLimit);
  Reset();
}

void TDocumentHistory::Reset() {
  stack_.clear();
  committed_ = TakeSnapshot(document_, nullptr);
}

void TDocumentHistory::Edit(const QString& action, const std::function<void()>& run) {
  if (running_ > 0) {
    run();
    return;
  }
  TakeCurrentView();
  const TDocument opened = document_;
  ++running_;
  run();
  --running_;
  // A dialog that was cancelled leaves no step, even when the dialog that
  // opened it had changed something meanwhile: that change waits for its own
  // dialog's OK.
  if (!SameWork(opened, document_)) PushIfChanged(action);
}

void TDocumentHistory::Record(const QString& action) {
  TakeCurrentView();
  PushIfChanged(action);
}

QAction* TDocumentHistory::CreateUndoAction(QObject* parent) {
  return stack_.createUndoAction(parent, tr("Undo"));
}

QAction* TDocumentHistory::CreateRedoAction(QObject* parent) {
  return stack_.createRedoAction(parent, tr("Redo"));
}

void TDocumentHistory::TakeCurrentView() {
  auto synced = std::make_shared<TDocumentSnapshot>(*committed_);
  CopyViews(document_, synced->Rest);
  committed_ = std::move(synced);
}

void TDocumentHistory::PushIfChanged(const QString& action) {
  if (SameWork(*committed_, document_)) return;
  TSharedSnapshot after = TakeSnapshot(document_, committed_);
  TSharedSnapshot before = std::exchange(committed_, after);
  stack_.push(new TStep(*this, action, std::move(before), std::move(after)));
  ForgetOldTables();
}

void TDocumentHistory::ForgetOldTables() {
  // Each table counted once, however many states share it; newest first, so
  // the count says how many of the newest steps fit.
  std::set<const TStringGrid*> counted;
  std::size_t bytes = 0;
  int keep = 0;
  for (int k = stack_.count() - 1; k >= 0; --k) {
    const auto* step = static_cast<const TStep*>(stack_.command(k));
    for (const TSharedSnapshot* state : {&step->After(), &step->Before()})
      if (counted.insert((*state)->Table.get()).second) bytes += (*state)->TableBytes;
    if (bytes > tableByteLimit_ && keep > 0) break;
    ++keep;
  }
  if (keep == stack_.count()) return;
  // QUndoStack forgets only by its count limit, so the newest steps are
  // pushed again onto an empty stack; a step's first redo changes nothing.
  // Right after a push there is nothing to redo, so no step is lost that way.
  struct TKept {
    QString Action;
    TSharedSnapshot Before, After;
  };
  std::vector<TKept> kept;
  for (int k = stack_.count() - keep; k < stack_.count(); ++k) {
    const auto* step = static_cast<const TStep*>(stack_.command(k));
    kept.push_back({step->text(), step->Before(), step->After()});
  }
  stack_.clear();
  for (TKept& step : kept)
    stack_.push(new TStep(*this, step.Action, std::move(step.Before), std::move(step.After)));
}

void TDocumentHistory::Apply(const TSharedSnapshot& target, const TDocumentSnapshot& other) {
  document_ = RestoreSnapshot(*target, other, document_);
  committed_ = TakeSnapshot(document_, target);
  if (restored_) restored_();
}
