// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo of the document, driven through the real dialogs as a user
// drives them: every dialog's OK is one step named in the Edit menu, undo puts
// the document back and with it the unsaved-changes state.
#include "main/document_history.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>

#include "dialogs/graph_input.h"
#include "main/draw_area.h"
#include "main/main_form.h"
#include "main/window_set.h"
#include "ports/event_pump.h"
#include "qt_widgets/help_viewer.h"
#include "support/application.h"
#include "support/controls.h"
#include "support/recording_help.h"
#include "support/scripted_prompts.h"

namespace {

// Runs a modal dialog's opening and works the dialog once it is up.
void WithModal(const std::function<void()>& open, const std::function<void(QWidget*)>& work) {
  bool worked = false;
  QTimer::singleShot(0, [&] {
    QWidget* dialog = QApplication::activeModalWidget();
    EXPECT_NE(dialog, nullptr);
    if (dialog != nullptr) work(dialog);
    worked = true;
  });
  open();
  EXPECT_TRUE(worked);
}

class DocumentHistoryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureApplication<QApplication>();
    windows = std::make_unique<TWindowSet>(prompts, help, pump, QStringList(), false);
    Main().SetSettingsFile(settings.filePath("settings.ini"));
    Main().resize(640, 480);
    Main().DrawArea()->resize(600, 400);
    Main().Refresh();
  }
  TMainForm& Main() { return windows->MainForm(); }
  TDocument& Doc() { return Main().Doc(); }
  QString UndoText() { return Main().findChild<QAction*>("Undo")->text(); }
  QString RedoText() { return Main().findChild<QAction*>("Redo")->text(); }
  bool CanUndo() { return Main().findChild<QAction*>("Undo")->isEnabled(); }

  QTemporaryDir settings;
  ScriptedPrompts prompts;
  TRecordingHelp help;
  NoEventPump pump;
  std::unique_ptr<TWindowSet> windows;
};

struct TDialogCase {
  const char* Action;
  // Prepares the document (before the history starts) and makes one change
  // through the dialog with its OK.
  std::function<void(TDocument&)> Prepare;
  std::function<void(TWindowSet&)> Change;
};

const TDialogCase DialogCases[] = {
    {"Graph input", [](TDocument&) {},
     [](TWindowSet& windows) {
       windows.EditGraphs();
       auto* dialog = windows.MainForm().findChild<TfGraphInput*>();
       ASSERT_NE(dialog, nullptr);
       Control<QComboBox>(dialog, "cbX")->setEditText("t");
       Control<QComboBox>(dialog, "cbY")->setEditText("t^2");
       Control<QPushButton>(dialog, "bOk")->click();
     }},
    {"Diagram data", [](TDocument&) {},
     [](TWindowSet& windows) {
       WithModal([&] { windows.EditDiagrams(); },
                 [](QWidget* dialog) {
                   auto* eCell = Control<QLineEdit>(dialog, "eCell");
                   eCell->setText("5");
                   QTest::keyClick(eCell, Qt::Key_Return);
                   Control<QPushButton>(dialog, "bOk")->click();
                 });
     }},
    {"Coordinate system settings", [](TDocument&) {},
     [](TWindowSet& windows) {
       WithModal([&] { windows.AxisSettings(); },
                 [](QWidget* dialog) {
                   Control<QLineEdit>(dialog, "Max1")->setText("20");
                   Control<QPushButton>(dialog, "bOk")->click();
                 });
     }},
    {"Variable table",
     [](TDocument& document) {
       SetVariable(document.VarTable, "a", {0, 0}, {1, 0}, {0.5, 0});
     },
     [](TWindowSet& windows) {
       WithModal([&] { windows.VariableTable(); },
                 [](QWidget* dialog) {
                   Control<QTableWidget>(dialog, "Table")->item(0, 3)->setText("0.75");
                   Control<QPushButton>(dialog, "bOk")->click();
                 });
     }},
};

}  // namespace

TEST_F(DocumentHistoryTest, EachDialogsOkIsOneStepThatUndoAndRedoTakeBackAndDoAgain) {
  for (const TDialogCase& row : DialogCases) {
    SetUp();
    row.Prepare(Doc());
    Main().History().Reset();
    const TDocument before = Doc();
    const bool modifiedBefore = Main().IsModified();
    EXPECT_FALSE(CanUndo()) << row.Action;
    EXPECT_EQ(UndoText(), "Undo") << row.Action;

    row.Change(*windows);
    EXPECT_FALSE(SameWork(Doc(), before)) << row.Action << ": the dialog changed nothing";
    const TDocument after = Doc();
    EXPECT_EQ(UndoText(), QString("Undo ") + row.Action);
    EXPECT_EQ(Main().History().Stack().count(), 1) << row.Action;
    EXPECT_TRUE(Main().IsModified()) << row.Action;

    Main().History().Undo();
    EXPECT_TRUE(SameWork(Doc(), before)) << row.Action;
    EXPECT_EQ(Main().IsModified(), modifiedBefore) << row.Action;
    EXPECT_EQ(RedoText(), QString("Redo ") + row.Action);
    EXPECT_FALSE(CanUndo()) << row.Action;

    Main().History().Redo();
    EXPECT_TRUE(SameWork(Doc(), after)) << row.Action;
    EXPECT_TRUE(Main().IsModified()) << row.Action;
    EXPECT_EQ(UndoText(), QString("Undo ") + row.Action);
  }
}

TEST_F(DocumentHistoryTest, TheMenuShortcutsUndoAndRedo) {
  // Changed without a dialog window, which would keep the activation.
  Doc().Displays[0].Max1 = 20;
  Main().History().Record("Coordinate system settings");
  Main().show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&Main()));
  Main().DrawArea()->setFocus();
  QTest::keyClick(Main().DrawArea(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Doc().Displays[0].Max1, 10);
  QTest::keyClick(Main().DrawArea(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(Doc().Displays[0].Max1, 20);
  EXPECT_EQ(Main().findChild<QAction*>("Undo")->shortcut(), QKeySequence("Ctrl+Z"));
  EXPECT_EQ(Main().findChild<QAction*>("Redo")->shortcut(), QKeySequence("Ctrl+Shift+Z"));
}

// A dialog left with Cancel, and the calculator, which puts the variables
// back when it closes, leave no step.
TEST_F(DocumentHistoryTest, DialogsThatChangeNothingLeaveNoStep) {
  WithModal([&] { windows->AxisSettings(); },
            [](QWidget* dialog) {
              Control<QLineEdit>(dialog, "Max1")->setText("20");
              Control<QPushButton>(dialog, "bCancel")->click();
            });
  WithModal([&] { windows->Calculator(); },
            [](QWidget* dialog) {
              auto* term = Control<QComboBox>(dialog, "cbTerm");
              term->setEditText("q+1");
              Control<QPushButton>(dialog, "bCalculate")->click();
              Control<QPushButton>(dialog, "bClose")->click();
            });
  EXPECT_TRUE(Doc().VarTable.Names.empty());
  EXPECT_EQ(Main().History().Stack().count(), 0);
  EXPECT_FALSE(Main().IsModified());
}

// Rotating, zooming and panning are no steps, and undoing a step keeps the
// view the user has now, unless the step itself set it.
TEST_F(DocumentHistoryTest, ViewChangesAreNoStepsAndSurviveUndo) {
  DialogCases[0].Change(*windows);  // a graph
  Main().MouseDown(Qt::RightButton, 100, 100);
  Main().MouseMove(100, 80);  // zoom x2
  Main().MouseUp();
  EXPECT_EQ(Main().History().Stack().count(), 1);
  Main().History().Undo();
  EXPECT_TRUE(Doc().Graphs.empty());
  EXPECT_DOUBLE_EQ(Doc().Displays[0].Zoom1, 2);

  // The settings dialog centres the shift on the new range; undoing it puts
  // the old shift back along with the range.
  Main().Refresh();
  const double shift = Doc().Displays[0].Shift1;
  DialogCases[2].Change(*windows);
  EXPECT_NE(Doc().Displays[0].Shift1, shift);
  Main().History().Undo();
  EXPECT_EQ(Doc().Displays[0].Shift1, shift);
  EXPECT_DOUBLE_EQ(Doc().Displays[0].Zoom1, 2);
}

TEST_F(DocumentHistoryTest, UndoFollowsTheSavedState) {
  const QString path = settings.filePath("saved.mvf");
  DialogCases[2].Change(*windows);  // step 1
  prompts.SaveFileAnswers = {path.toStdString()};
  ASSERT_TRUE(Main().SaveDocumentAsClick());
  EXPECT_FALSE(Main().IsModified());
  DialogCases[1].Change(*windows);  // step 2
  EXPECT_TRUE(Main().IsModified());
  Main().History().Undo();  // back to what is saved
  EXPECT_FALSE(Main().IsModified());
  Main().History().Undo();  // before what is saved
  EXPECT_TRUE(Main().IsModified());
  Main().History().Redo();
  EXPECT_FALSE(Main().IsModified());
}

TEST_F(DocumentHistoryTest, NewAndOpenStartAFreshHistory) {
  DialogCases[2].Change(*windows);
  ASSERT_TRUE(CanUndo());
  prompts.MessageAnswers = {mbNo, mbYes};  // do not save; yes, close it
  Main().NewDocumentClick();
  EXPECT_FALSE(CanUndo());
  EXPECT_EQ(Main().History().Stack().count(), 0);

  DialogCases[2].Change(*windows);
  prompts.MessageAnswers = {mbNo};
  Main().OpenDocumentFrom(QString(MORVIT_SOURCE_DIR) + "/examples/surface-solid.mvf");
  EXPECT_EQ(Main().History().Stack().count(), 0);
  EXPECT_FALSE(Main().IsModified());
}

// Only the newest steps are kept; undoing all of them ends at the oldest kept.
TEST_F(DocumentHistoryTest, MemoryStaysBounded) {
  const int steps = TDocumentHistory::StepLimit + 20;
  for (int k = 1; k <= steps; ++k) {
    Doc().Displays[0].Resolution = k;
    Main().History().Record("Graph input");
  }
  EXPECT_EQ(Main().History().Stack().count(), TDocumentHistory::StepLimit);
  while (CanUndo()) Main().History().Undo();
  EXPECT_EQ(Doc().Displays[0].Resolution, steps - TDocumentHistory::StepLimit);
}

// Values confirmed in the variable table stay after the calculator closes, so
// its run is one step, named after the calculator, that undo takes back.
TEST_F(DocumentHistoryTest, AVariableTableConfirmedInsideTheCalculatorIsOneStep) {
  WithModal([&] { windows->Calculator(); },
            [&](QWidget* calculator) {
              Control<QComboBox>(calculator, "cbTerm")->setEditText("q+1");
              WithModal([&] { Control<QAbstractButton>(calculator, "bVarTable")->click(); },
                        [](QWidget* table) {
                          Control<QTableWidget>(table, "Table")->item(0, 3)->setText("3");
                          Control<QPushButton>(table, "bOk")->click();
                        });
              Control<QPushButton>(calculator, "bClose")->click();
            });
  EXPECT_EQ(Main().History().Stack().count(), 1);
  EXPECT_TRUE(Main().IsModified());
  EXPECT_EQ(UndoText(), "Undo Calculator");
  const auto& names = Main().Doc().VarTable.Names;
  EXPECT_NE(std::find(names.begin(), names.end(), "q"), names.end());
  Main().History().Undo();
  EXPECT_EQ(std::find(names.begin(), names.end(), "q"), names.end());
  EXPECT_FALSE(Main().IsModified());
}

// Steps that each changed a large table keep a copy of it; past the limit the
// oldest go, the newest always stays, and undo still ends where it should.
TEST(DocumentHistory, LargeTablesForgetTheOldestSteps) {
  EnsureApplication<QApplication>();
  TDocument document;
  CreateDocument(document);
  document.HiddenTable = TStringGrid(10, 10);
  const auto fill = [](TStringGrid& table, int k) {
    table.SetCells(1, 1, std::string(1000, static_cast<char>('a' + k)));
    for (int c = 2; c < 10; ++c)
      for (int r = 1; r < 10; ++r) table.SetCells(c, r, std::string(1000, 'x'));
  };
  TStringGrid sample = document.HiddenTable;
  fill(sample, 0);
  const std::size_t one = TableBytes(sample);
  int restored = 0;
  // Room for three and a half such tables.
  TDocumentHistory history(
      document, [&] { ++restored; }, nullptr, 3 * one + one / 2);
  for (int k = 1; k <= 8; ++k) {
    fill(document.HiddenTable, k);
    history.Record("Diagram data");
  }
  // Each step holds its own table: the newest two steps need three tables,
  // three steps would need four.
  EXPECT_EQ(history.Stack().count(), 2);
  history.Undo();
  history.Undo();
  EXPECT_EQ(document.HiddenTable.Cells(1, 1), std::string(1000, 'a' + 6));
  EXPECT_EQ(restored, 2);
  history.Redo();
  EXPECT_EQ(document.HiddenTable.Cells(1, 1), std::string(1000, 'a' + 7));

  // A single step past the limit stays: undo must always reach one back.
  TDocumentHistory tight(
      document, [] {}, nullptr, 1);
  document.HiddenTable.SetCells(1, 1, "changed");
  tight.Record("Diagram data");
  EXPECT_EQ(tight.Stack().count(), 1);
}

// Undo under the open graph input dialog: the dialog shows the document as
// undone, so its next OK cannot write the undone graphs back.
TEST_F(DocumentHistoryTest, TheOpenGraphInputDialogFollowsUndo) {
  DialogCases[0].Change(*windows);  // Graph1: t, t^2
  ASSERT_EQ(Doc().Graphs.size(), 1u);
  windows->EditGraphs();
  auto* dialog = Main().findChild<TfGraphInput*>();
  ASSERT_NE(dialog, nullptr);
  auto* cbX = Control<QComboBox>(dialog, "cbX");
  EXPECT_EQ(cbX->currentText(), "t");
  Main().History().Undo();
  EXPECT_TRUE(Doc().Graphs.empty());
  EXPECT_EQ(cbX->currentText(), "");
  Control<QPushButton>(dialog, "bOk")->click();
  for (const TGraph& graph : Doc().Graphs) EXPECT_NE(graph.Term1, "t");
}
