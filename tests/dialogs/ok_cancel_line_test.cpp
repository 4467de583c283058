// SPDX-License-Identifier: GPL-3.0-or-later
// The dialogs' common foot: OK and Cancel with their texts, the default
// button, their place at the end of the tab order, and Cancel closing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>

#include "dialogs/axis_settings.h"
#include "dialogs/diagram_input_dialog.h"
#include "dialogs/graph_input.h"
#include "dialogs/var_input.h"
#include "support/application.h"
#include "support/controls.h"
#include "support/recording_host.h"
#include "support/scripted_prompts.h"

namespace {

// The names of the controls that Tab visits, in order, from the dialog on.
QStringList TabOrder(QWidget& dialog) {
  QStringList names;
  for (QWidget* w = dialog.nextInFocusChain(); w != &dialog; w = w->nextInFocusChain())
    if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(&dialog) && !w->objectName().isEmpty())
      names << w->objectName();
  return names;
}

TEST(OkCancelLine, EveryDialogEndsWithTheSameFoot) {
  EnsureApplication<QApplication>();
  TDocument document;
  CreateDocument(document);
  ScriptedPrompts prompts;
  TRecordingHost host;
  TfGraphInput graphInput(document, prompts, host);
  TfVarInput varInput(document, prompts, host);
  TfDiagramInput diagramInput(document, prompts, host, nullptr);
  TfAxisSettings axisSettings(document, prompts, host);
  graphInput.ShowModeless();
  varInput.FormShow();
  diagramInput.FormShow();
  axisSettings.FormShow();
  const struct {
    QDialog* dialog;
    const char* before;         // the control Tab visits just before OK
    const char* defaultButton;  // the button Enter presses
  } cases[] = {
      {&graphInput, "bVarTable", "bOk"},
      {&varInput, "Table", "bOk"},
      // Enter commits the cell being typed.
      {&diagramInput, "cbConnectPoints", "bEnter"},
      {&axisSettings, "eLabel3", "bOk"},
  };
  for (const auto& c : cases) {
    QDialog* dialog = c.dialog;
    SCOPED_TRACE(dialog->windowTitle().toStdString());
    auto* bOk = Control<QPushButton>(*dialog, "bOk");
    auto* bCancel = Control<QPushButton>(*dialog, "bCancel");
    ASSERT_TRUE(bOk && bCancel);
    EXPECT_EQ(bOk->text(), QStringLiteral("&OK"));
    EXPECT_EQ(bCancel->text(), QStringLiteral("&Cancel"));
    EXPECT_TRUE(Control<QPushButton>(*dialog, c.defaultButton)->isDefault());
    EXPECT_EQ(bOk->isDefault(), QLatin1String(c.defaultButton) == QLatin1String("bOk"));

    const QStringList order = TabOrder(*dialog);
    const qsizetype ok = order.indexOf(QStringLiteral("bOk"));
    ASSERT_GT(ok, 0) << order.join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(order[ok - 1], QLatin1String(c.before)) << order.join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(order.value(ok + 1), QStringLiteral("bCancel"))
        << order.join(QLatin1Char(' ')).toStdString();

    dialog->show();
    bCancel->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
  }
}

}  // namespace
