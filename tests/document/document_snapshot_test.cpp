// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/document_snapshot.h"

#include <gtest/gtest.h>

namespace {

TDocument TwoDisplays() {
  TDocument document;
  CreateDocument(document);
  document.Displays.push_back(document.Displays[0]);
  document.HiddenTable = TStringGrid(3, 3);
  document.HiddenTable.SetCells(1, 1, "42");
  return document;
}

}  // namespace

TEST(DocumentSnapshot, StatesGiveBackTheDocumentAndShareAnUnchangedTable) {
  TDocument document = TwoDisplays();
  const TSharedSnapshot first = TakeSnapshot(document, nullptr);
  EXPECT_TRUE(SameWork(SnapshotDocument(*first), document));

  document.Graphs.push_back(TGraph{"x", "x^2", "", 1, 2});
  const TSharedSnapshot second = TakeSnapshot(document, first);
  EXPECT_EQ(second->Table, first->Table);  // one copy of the table for both
  EXPECT_TRUE(SameWork(SnapshotDocument(*second), document));

  document.HiddenTable.SetCells(2, 2, "7");
  const TSharedSnapshot third = TakeSnapshot(document, second);
  EXPECT_NE(third->Table, second->Table);
  EXPECT_EQ(third->Table->Cells(2, 2), "7");
  EXPECT_EQ(second->Table->Cells(2, 2), "");  // an older state never changes
}

// Going back to a state keeps the view the user has now, unless the step
// itself set the view.
TEST(DocumentSnapshot, RestoringKeepsTheCurrentViewUnlessTheStepChangedIt) {
  TDocument before = TwoDisplays();
  TDocument after = before;
  after.Displays[0].Max1 = 20;
  after.Displays[0].Shift1 = -5;  // the step centred the shift on its new range
  after.Graphs.push_back(TGraph{});
  TDocument current = after;
  for (TCoordinateSystem& display : current.Displays) {
    display.Alpha = 30;
    display.Zoom1 = display.Zoom2 = display.Zoom3 = 2;
    display.Shift2 = 1.5;
  }
  const TSharedSnapshot b = TakeSnapshot(before, nullptr);
  const TSharedSnapshot a = TakeSnapshot(after, b);

  const TDocument undone = RestoreSnapshot(*b, *a, current);
  EXPECT_TRUE(undone.Graphs.empty());
  EXPECT_EQ(undone.Displays[0].Max1, 10);
  EXPECT_TRUE(SameView(undone.Displays[0], before.Displays[0]));   // the step's own view back
  EXPECT_TRUE(SameView(undone.Displays[1], current.Displays[1]));  // the user's view kept

  const TDocument redone = RestoreSnapshot(*a, *b, undone);
  EXPECT_EQ(redone.Graphs.size(), 1u);
  EXPECT_TRUE(SameView(redone.Displays[0], after.Displays[0]));
  EXPECT_TRUE(SameView(redone.Displays[1], current.Displays[1]));

  // A display that only the target holds keeps its own view; one the target
  // lacks is gone.
  TDocument one = before;
  one.Displays.pop_back();
  const TDocument fewer = RestoreSnapshot(*TakeSnapshot(one, b), *b, current);
  EXPECT_EQ(fewer.Displays.size(), 1u);
  const TDocument more = RestoreSnapshot(*b, *TakeSnapshot(one, b), current);
  ASSERT_EQ(more.Displays.size(), 2u);
  EXPECT_TRUE(SameView(more.Displays[1], before.Displays[1]));
}

TEST(DocumentSnapshot, EveryViewFieldCounts) {
  const TCoordinateSystem base;
  const struct {
    const char* Field;
    void (*Change)(TCoordinateSystem&);
    bool View;
  } rows[] = {
      {"Alpha", [](TCoordinateSystem& d) { d.Alpha = 1; }, true},
      {"Beta", [](TCoordinateSystem& d) { d.Beta = 1; }, true},
      {"Gamma", [](TCoordinateSystem& d) { d.Gamma = 1; }, true},
      {"Zoom1", [](TCoordinateSystem& d) { d.Zoom1 = 3; }, true},
      {"Zoom2", [](TCoordinateSystem& d) { d.Zoom2 = 3; }, true},
      {"Zoom3", [](TCoordinateSystem& d) { d.Zoom3 = 3; }, true},
      {"Shift1", [](TCoordinateSystem& d) { d.Shift1 = 3; }, true},
      {"Shift2", [](TCoordinateSystem& d) { d.Shift2 = 3; }, true},
      {"Shift3", [](TCoordinateSystem& d) { d.Shift3 = 3; }, true},
      {"Perspective", [](TCoordinateSystem& d) { d.Perspective = 3; }, false},
      {"Min1", [](TCoordinateSystem& d) { d.Min1 = 3; }, false},
  };
  for (const auto& row : rows) {
    TCoordinateSystem changed = base;
    row.Change(changed);
    EXPECT_EQ(SameView(base, changed), !row.View) << row.Field;
    TCoordinateSystem copy = base;
    CopyView(changed, copy);
    EXPECT_TRUE(SameView(copy, changed)) << row.Field;
    EXPECT_EQ(copy == changed, row.View) << row.Field;  // nothing else is copied
  }
}

TEST(DocumentSnapshot, TableBytesGrowWithCellsAndLongTexts) {
  const TStringGrid small(2, 2);
  const TStringGrid large(100, 100);
  TStringGrid longTexts(2, 2);
  longTexts.SetCells(1, 1, std::string(100'000, 'x'));
  EXPECT_GT(TableBytes(large), 100 * TableBytes(small) / 4 * 3);
  EXPECT_GT(TableBytes(longTexts), TableBytes(small) + 100'000);

  // The comparison without a copy agrees with the one over whole documents.
  TDocument document = TwoDisplays();
  const TSharedSnapshot state = TakeSnapshot(document, nullptr);
  EXPECT_TRUE(SameWork(*state, document));
  document.HiddenTable.SetCells(1, 2, "x");
  EXPECT_FALSE(SameWork(*state, document));
  document = SnapshotDocument(*state);
  document.Displays[1].Label2 = "v";
  EXPECT_FALSE(SameWork(*state, document));
}
