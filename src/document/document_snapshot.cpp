// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/document_snapshot.h"

#include <algorithm>

TSharedSnapshot TakeSnapshot(const TDocument& document, const TSharedSnapshot& previous) {
  auto snapshot = std::make_shared<TDocumentSnapshot>();
  snapshot->Rest.Displays = document.Displays;
  snapshot->Rest.Graphs = document.Graphs;
  snapshot->Rest.Diagrams = document.Diagrams;
  snapshot->Rest.VarTable = document.VarTable;
  if (previous != nullptr && previous->Table != nullptr &&
      *previous->Table == document.HiddenTable) {
    snapshot->Table = previous->Table;
    snapshot->TableBytes = previous->TableBytes;
  } else {
    snapshot->Table = std::make_shared<const TStringGrid>(document.HiddenTable);
    snapshot->TableBytes = TableBytes(document.HiddenTable);
  }
  return snapshot;
}

std::size_t TableBytes(const TStringGrid& table) {
  static const std::size_t inPlace = std::string().capacity();
  std::size_t bytes = sizeof(TStringGrid);
  for (int col = 0; col < table.ColCount(); ++col)
    for (int row = 0; row < table.RowCount(); ++row) {
      const std::string& text = table.Cells(col, row);
      // Short texts live inside the string itself.
      bytes += sizeof(std::string) + (text.capacity() > inPlace ? text.capacity() + 1 : 0);
    }
  return bytes;
}

TDocument SnapshotDocument(const TDocumentSnapshot& target) {
  TDocument document = target.Rest;
  if (target.Table != nullptr) document.HiddenTable = *target.Table;
  return document;
}

bool SameWork(const TDocumentSnapshot& state, const TDocument& document) {
  if (state.Table == nullptr || !(*state.Table == document.HiddenTable)) return false;
  TDocument rest;
  rest.Displays = document.Displays;
  rest.Graphs = document.Graphs;
  rest.Diagrams = document.Diagrams;
  rest.VarTable = document.VarTable;
  return SameWork(state.Rest, rest);
}

TDocument RestoreSnapshot(const TDocumentSnapshot& target, const TDocumentSnapshot& other,
                          const TDocument& current) {
  TDocument document = SnapshotDocument(target);
  const size_t shared =
      std::min({document.Displays.size(), other.Rest.Displays.size(), current.Displays.size()});
  for (size_t k = 0; k < shared; ++k)
    if (SameView(document.Displays[k], other.Rest.Displays[k]))
      CopyView(current.Displays[k], document.Displays[k]);
  return document;
}

bool SameView(const TCoordinateSystem& a, const TCoordinateSystem& b) {
  return a.Alpha == b.Alpha && a.Beta == b.Beta && a.Gamma == b.Gamma && a.Zoom1 == b.Zoom1 &&
         a.Zoom2 == b.Zoom2 && a.Zoom3 == b.Zoom3 && a.Shift1 == b.Shift1 && a.Shift2 == b.Shift2 &&
         a.Shift3 == b.Shift3;
}

void CopyView(const TCoordinateSystem& from, TCoordinateSystem& to) {
  to.Alpha = from.Alpha;
  to.Beta = from.Beta;
  to.Gamma = from.Gamma;
  to.Zoom1 = from.Zoom1;
  to.Zoom2 = from.Zoom2;
  to.Zoom3 = from.Zoom3;
  to.Shift1 = from.Shift1;
  to.Shift2 = from.Shift2;
  to.Shift3 = from.Shift3;
}

void CopyViews(const TDocument& from, TDocument& to) {
  const size_t shared = std::min(from.Displays.size(), to.Displays.size());
  for (size_t k = 0; k < shared; ++k) CopyView(from.Displays[k], to.Displays[k]);
}
