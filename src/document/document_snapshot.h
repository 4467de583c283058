// SPDX-License-Identifier: GPL-3.0-or-later
// States of the document kept for undo and redo. A state is an immutable copy
// of the document; the data table, by far its largest part, is shared between
// states that hold the same table, so a hundred graph edits of a document with
// a large table keep one copy of the table, not a hundred.
//
// The view of a display (rotation, zoom, shift) is not the user's work in the
// sense of undo: the mouse changes it all the time. Going back to a state
// keeps the view the user has now, except where the step being undone or
// redone itself set the view (the settings dialog centres the shifts).
#pragma once

#include <cstddef>
#include <memory>

#include "document/document.h"

struct TDocumentSnapshot {
  TDocument Rest;                            // everything but HiddenTable (left 1 by 1)
  std::shared_ptr<const TStringGrid> Table;  // HiddenTable
  std::size_t TableBytes = 0;                // about what Table takes in memory
};
using TSharedSnapshot = std::shared_ptr<const TDocumentSnapshot>;

// A state of document; its table is shared with previous when both tables are
// equal (previous may be null).
TSharedSnapshot TakeSnapshot(const TDocument& document, const TSharedSnapshot& previous);

// About the memory a table takes: its cells and their texts.
std::size_t TableBytes(const TStringGrid& table);

// The document that target holds.
TDocument SnapshotDocument(const TDocumentSnapshot& target);

// SameWork of the document that state holds and document, without a copy of
// the table.
bool SameWork(const TDocumentSnapshot& state, const TDocument& document);

// Going from the state other to the state target while the document is
// current: target's work, with each display's view taken from current unless
// other and target differ in that view (the step changed it), or the display
// is not in all three.
TDocument RestoreSnapshot(const TDocumentSnapshot& target, const TDocumentSnapshot& other,
                          const TDocument& current);

// Rotation, zoom and shift of a display: what the mouse and "Restore default
// view" change.
bool SameView(const TCoordinateSystem& a, const TCoordinateSystem& b);
void CopyView(const TCoordinateSystem& from, TCoordinateSystem& to);
// Every display that both hold takes its view from from.
void CopyViews(const TDocument& from, TDocument& to);
