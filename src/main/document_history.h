// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo of the document: every change of the user's work (a dialog's
// OK, the variables a tool adds) becomes one step named after what made it;
// undoing a step puts back the document as it was before it. Steps are
// snapshots of the whole document behind a QUndoStack, so nothing that edits
// the document needs to know how to reverse its edit: the dialogs only report
// that they wrote it.
//
// View changes (rotation, zoom, pan) are no steps, and undo keeps the view
// the user has now (see document_snapshot.h).
#pragma once

#include <QObject>
#include <QString>
#include <QUndoStack>
#include <cstddef>
#include <functional>

#include "document/document.h"
#include "document/document_snapshot.h"

class QAction;

class TDocumentHistory final : public QObject {
  Q_OBJECT
 public:
  // The steps kept; older ones are forgotten, so memory stays bounded.
  static constexpr int StepLimit = 100;
  // Memory of the data tables the steps keep: a step that changed a table
  // of a million cells holds a copy of it, so the oldest steps go once the
  // copies pass this (the newest step always stays).
  static constexpr std::size_t TableByteLimit = 256u << 20;

  // document is the window's; restored runs after undo or redo replaced it,
  // to redraw and to tell the open dialogs.
  TDocumentHistory(TDocument& document, std::function<void()> restored, QObject* parent = nullptr,
                   std::size_t tableByteLimit = TableByteLimit);

  // A new or another document: no steps, the start is the document as it is.
  void Reset();

  // A modal dialog's run: what it leaves changed is one step named action.
  // Dialogs opened from inside it (the variable table from the calculator)
  // are part of the enclosing run.
  void Edit(const QString& action, const std::function<void()>& run);

  // A modeless dialog's OK has written the document: the change since the
  // last step is one step named action.
  void Record(const QString& action);

  // "Undo <action>" and "Redo <action>", disabled when there is nothing to
  // take back or to do again.
  QAction* CreateUndoAction(QObject* parent);
  QAction* CreateRedoAction(QObject* parent);

  const QUndoStack& Stack() const { return stack_; }
  void Undo() { stack_.undo(); }
  void Redo() { stack_.redo(); }

 private:
  class TStep;
  // The view the user has now becomes the view of the last step's state, so
  // that the next step holds only what its dialog changed.
  void TakeCurrentView();
  void PushIfChanged(const QString& action);
  // Forgets the oldest steps while their tables pass TableByteLimit.
  void ForgetOldTables();
  void Apply(const TSharedSnapshot& target, const TDocumentSnapshot& other);

  TDocument& document_;
  std::function<void()> restored_;
  QUndoStack stack_;
  TSharedSnapshot committed_;  // the document as of the newest step
  int running_ = 0;            // modal runs open, nested
  std::size_t tableByteLimit_;
};
