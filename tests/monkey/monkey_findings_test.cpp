// SPDX-License-Identifier: GPL-3.0-or-later
// What the random-input test found, one named case each, so that a fix
// stays fixed without waiting for the monkey to take the same path again.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <functional>
#include <memory>

#include "dialogs/diagram_input_dialog.h"
#include "dialogs/graph_input.h"
#include "document/reader.h"
#include "support/application.h"
#include "support/document_check.h"
#include "support/recording_host.h"
#include "support/scripted_prompts.h"

namespace {

// Seed 4, step 1918: Alt+O pressed OK, Escape closed the diagram editor
// before the pressed button clicked, and that late click stored the closed
// form's empty diagram list: the document lost its diagram while its display
// still listed it. The graph editor, which also drops its working copies on
// close, lost its graphs the same way.
TEST(MonkeyFindings, OkClickedAfterEscapeStoresNothing) {
  EnsureApplication<QApplication>();
  struct Row {
    const char* Name;
    std::function<std::unique_ptr<QDialog>(TDocument&, Prompts&, TDialogHost&)> Open;
  };
  const Row rows[] = {
      {"diagram editor",
       [](TDocument& d, Prompts& p, TDialogHost& h) {
         auto dialog = std::make_unique<TfDiagramInput>(d, p, h, nullptr);
         dialog->FormShow();
         dialog->show();
         return std::unique_ptr<QDialog>(std::move(dialog));
       }},
      {"graph editor",
       [](TDocument& d, Prompts& p, TDialogHost& h) {
         auto dialog = std::make_unique<TfGraphInput>(d, p, h);
         dialog->ShowModeless();
         return std::unique_ptr<QDialog>(std::move(dialog));
       }},
  };
  for (const Row& row : rows) {
    TDocument document;
    CreateDocument(document);
    TStringGrid table;
    ASSERT_TRUE(
        OpenDocument(std::filesystem::path(MORVIT_SOURCE_DIR) / "examples" / "wave-packet.mvf",
                     document, table));
    const TDocument before = document;
    ScriptedPrompts prompts;
    TRecordingHost host;
    const std::unique_ptr<QDialog> dialog = row.Open(document, prompts, host);
    auto* ok = dialog->findChild<QPushButton*>("bOk");
    ASSERT_NE(ok, nullptr) << row.Name;
    ok->animateClick();  // what Alt+O and Enter on the default button do
    dialog->reject();    // Escape, within the moment the button shows pressed
    QTest::qWait(400);
    EXPECT_EQ(DocumentFault(document, 0, 0, false), "") << row.Name;
    EXPECT_EQ(document.Graphs, before.Graphs) << row.Name;
    EXPECT_EQ(document.Diagrams, before.Diagrams) << row.Name;
    EXPECT_EQ(document.Displays, before.Displays) << row.Name;
  }
}

}  // namespace
