// SPDX-License-Identifier: GPL-3.0-or-later
// The dialogs' common foot: OK and Cancel with their texts, the default
// button, their place at the end of the tab order, and Cancel closing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <functional>
#include <memory>

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

struct TFootCase {
  const char* Dialog;
  std::function<std::unique_ptr<QDialog>(TDocument&, Prompts&, TDialogHost&)> Make;
  const char* Before;   // the control Tab visits just before OK
  const char* Default;  // the button Enter presses
};

TEST(OkCancelLine, EveryDialogEndsWithTheSameFoot) {
  EnsureApplication<QApplication>();
  const TFootCase cases[] = {
      {"graph input",
       [](TDocument& d, Prompts& p, TDialogHost& h) {
         auto dialog = std::make_unique<TfGraphInput>(d, p, h);
         dialog->ShowModeless();
         return std::unique_ptr<QDialog>(std::move(dialog));
       },
       "bVarTable", "bOk"},
      {"variable table",
       [](TDocument& d, Prompts& p, TDialogHost& h) {
         auto dialog = std::make_unique<TfVarInput>(d, p, h);
         dialog->FormShow();
         return std::unique_ptr<QDialog>(std::move(dialog));
       },
       "Table", "bOk"},
      {"diagram data",
       [](TDocument& d, Prompts& p, TDialogHost& h) {
         auto dialog = std::make_unique<TfDiagramInput>(d, p, h, nullptr);
         dialog->FormShow();
         return std::unique_ptr<QDialog>(std::move(dialog));
       },
       "cbConnectPoints", "bEnter"},
      {"coordinate system settings",
       [](TDocument& d, Prompts& p, TDialogHost& h) {
         auto dialog = std::make_unique<TfAxisSettings>(d, p, h);
         dialog->FormShow();
         return std::unique_ptr<QDialog>(std::move(dialog));
       },
       "eLabel3", "bOk"},
  };
  for (const TFootCase& c : cases) {
    SCOPED_TRACE(c.Dialog);
    TDocument document;
    CreateDocument(document);
    ScriptedPrompts prompts;
    TRecordingHost host;
    std::unique_ptr<QDialog> dialog = c.Make(document, prompts, host);
    auto* bOk = Control<QPushButton>(*dialog, "bOk");
    auto* bCancel = Control<QPushButton>(*dialog, "bCancel");
    ASSERT_TRUE(bOk && bCancel);
    EXPECT_EQ(bOk->text(), QStringLiteral("&OK"));
    EXPECT_EQ(bCancel->text(), QStringLiteral("&Cancel"));
    EXPECT_TRUE(Control<QPushButton>(*dialog, c.Default)->isDefault());
    EXPECT_EQ(bOk->isDefault(), QLatin1String(c.Default) == QLatin1String("bOk"));

    const QStringList order = TabOrder(*dialog);
    const qsizetype ok = order.indexOf(QStringLiteral("bOk"));
    ASSERT_GT(ok, 0) << order.join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(order[ok - 1], QLatin1String(c.Before)) << order.join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(order.value(ok + 1), QStringLiteral("bCancel"))
        << order.join(QLatin1Char(' ')).toStdString();

    dialog->show();
    bCancel->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
  }
}

}  // namespace
