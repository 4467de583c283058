#include "main/document_history.h"

#include <QAction>
#include <QUndoCommand>
#include <utility>

// One step: the states before and after it. Consecutive steps share the state
// between them.
class TDocumentHistory::TStep final : public QUndoCommand {
 public:
  TStep(TDocumentHistory& history, const QString& action, TSharedSnapshot before,
        TSharedSnapshot after)
      : QUndoCommand(action), history_(history), before_(std::move(before)), after_(std::move(after)) {}

  void undo() override { history_.Apply(before_, *after_); }
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
                                   QObject* parent)
    : QObject(parent), document_(document), restored_(std::move(restored)) {
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
  return stack_.createUndoAction(parent, "Undo");
}

QAction* TDocumentHistory::CreateRedoAction(QObject* parent) {
  return stack_.createRedoAction(parent, "Redo");
}

void TDocumentHistory::TakeCurrentView() {
  auto synced = std::make_shared<TDocumentSnapshot>(*committed_);
  CopyViews(document_, synced->Rest);
  committed_ = std::move(synced);
}

void TDocumentHistory::PushIfChanged(const QString& action) {
  if (SameWork(SnapshotDocument(*committed_), document_)) return;
  TSharedSnapshot after = TakeSnapshot(document_, committed_);
  TSharedSnapshot before = std::exchange(committed_, after);
  stack_.push(new TStep(*this, action, std::move(before), std::move(after)));
}

void TDocumentHistory::Apply(const TSharedSnapshot& target, const TDocumentSnapshot& other) {
  document_ = RestoreSnapshot(*target, other, document_);
  committed_ = TakeSnapshot(document_, target);
  if (restored_) restored_();
}
