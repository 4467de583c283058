// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/document_text.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

#include "dialogs/axis_settings.h"
#include "dialogs/diagram_input_dialog.h"
#include "dialogs/graph_input.h"
#include "dialogs/var_input.h"
#include "support/application.h"
#include "support/controls.h"
#include "support/recording_host.h"
#include "support/scripted_prompts.h"

namespace {

// Document bytes 0xB0 and 0xB5: the degree sign and the micro sign.
const std::string Degrees = "25\xB0";
const std::string Micro = "\xB5m";
const QString DegreesShown = QString::fromUtf8("25\u00B0");
const QString MicroShown = QString::fromUtf8("\u00B5m");
const std::string EuroRefused =
    "The character \"\u20AC\" cannot be stored: a Morvit document holds only Latin-1 (ISO 8859-1) "
    "characters.";

}  // namespace

TEST(DocumentText, LatinOneBothWays) {
  std::string every;
  for (int byte = 1; byte < 256; ++byte) every += static_cast<char>(byte);
  EXPECT_EQ(DocumentText(every).size(), 255);
  EXPECT_EQ(DocumentBytes(DocumentText(every)), every);
  EXPECT_EQ(DocumentText("\xB0"), QString(QChar(0xB0)));
}

// A text a file brings with 8-bit characters is shown as those characters
// and written back as the same bytes, through every window that edits it.
TEST(DocumentText, EightBitTextsSurviveTheWindowsByteForByte) {
  EnsureApplication<QApplication>();
  TDocument document;
  CreateDocument(document);
  document.HiddenTable = TStringGrid(3, 3);
  document.HiddenTable.SetCells(1, 1, Degrees);
  document.HiddenTable.SetCells(1, 2, "1");
  TDiagram diagram;
  diagram.Description = Micro;
  document.Diagrams = {diagram};
  document.Displays[0].Label1 =
      "\xB0"
      "C";
  SetVariable(document.VarTable, "\xB5", {0, 0}, {1, 0}, {0, 0});
  document.Graphs = {{"x", "\xB5", "", 0xFF0000, 0xFF0000}};
  ScriptedPrompts prompts;
  TRecordingHost host;

  TfDiagramInput diagrams(document, prompts, host, nullptr);
  diagrams.FormShow();
  diagrams.show();
  auto* table = Control<QTableView>(diagrams, "Table");
  auto* eCell = Control<QLineEdit>(diagrams, "eCell");
  ASSERT_TRUE(table && eCell);
  EXPECT_EQ(table->model()->index(0, 0).data().toString(), DegreesShown);
  EXPECT_EQ(eCell->text(), DegreesShown);
  EXPECT_EQ(Control<QLineEdit>(diagrams, "eDescription")->text(), MicroShown);
  // The field commits what it shows; OK writes the working copy back.
  QTest::keyClick(eCell, Qt::Key_Return);
  Control<QPushButton>(diagrams, "bOk")->click();
  EXPECT_FALSE(diagrams.isVisible());
  EXPECT_EQ(document.HiddenTable.Cells(1, 1), Degrees);
  EXPECT_EQ(document.Diagrams[0].Description, Micro);

  TfAxisSettings settings(document, prompts, host);
  settings.FormShow();
  EXPECT_EQ(Control<QLineEdit>(settings, "eLabel1")->text(), QString::fromUtf8("\u00B0C"));
  Control<QPushButton>(settings, "bOk")->click();
  EXPECT_EQ(document.Displays[0].Label1,
            "\xB0"
            "C");

  TfVarInput variables(document, prompts, host);
  variables.FormShow();
  EXPECT_EQ(Control<QTableWidget>(variables, "Table")->item(0, 0)->text(), QString(QChar(0xB5)));

  TfGraphInput graphs(document, prompts, host);
  graphs.ShowModeless();
  EXPECT_EQ(Control<QComboBox>(graphs, "cbY")->currentText(), QString(QChar(0xB5)));
  graphs.reject();
  EXPECT_TRUE(prompts.Records.empty());
}

// A character Latin-1 cannot hold is refused as it is typed or pasted, with
// a message, and nothing of the edit goes into the field.
TEST(DocumentText, ACharacterADocumentCannotHoldIsRefusedWithAMessage) {
  EnsureApplication<QApplication>();
  TDocument document;
  CreateDocument(document);
  ScriptedPrompts prompts;
  TRecordingHost host;
  TfDiagramInput diagrams(document, prompts, host, nullptr);
  diagrams.FormShow();
  diagrams.show();
  TfGraphInput graphs(document, prompts, host);
  graphs.ShowModeless();
  auto* eCell = Control<QLineEdit>(diagrams, "eCell");
  auto* cbX = Control<QComboBox>(graphs, "cbX");
  ASSERT_TRUE(eCell && cbX && cbX->lineEdit());

  for (QLineEdit* field : {eCell, Control<QLineEdit>(diagrams, "eDescription"), cbX->lineEdit()}) {
    prompts.Records.clear();
    field->setText(DegreesShown);
    field->end(false);
    QKeyEvent typed(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromUtf8("\u20AC"));
    QApplication::sendEvent(field, &typed);
    QCoreApplication::processEvents();
    EXPECT_EQ(prompts.MessageTexts(), std::vector<std::string>{EuroRefused});
    field->insert(QString::fromUtf8("1\u20AC2"));  // as a paste inserts it
    EXPECT_EQ(field->text(), DegreesShown) << field->objectName().toStdString();
    QCoreApplication::processEvents();
    EXPECT_EQ(prompts.MessageTexts(), (std::vector<std::string>{EuroRefused, EuroRefused}))
        << field->objectName().toStdString();
    // Latin-1 beyond ASCII is welcome.
    field->insert(QString::fromUtf8("\u00E9"));
    EXPECT_EQ(field->text(), DegreesShown + QString::fromUtf8("\u00E9"));
  }
  graphs.reject();
  EXPECT_TRUE(document.Graphs.empty());
}
