// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/graph_input.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTabBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "dialogs/closed_dialog.h"
#include "dialogs/color_swatch.h"
#include "dialogs/dialog_keys.h"
#include "dialogs/document_text.h"

namespace {

QComboBox* TermField(const char* name, QWidget* parent) {
  auto* field = new QComboBox(parent);
  field->setObjectName(QString::fromLatin1(name));
  field->setEditable(true);
  // Terms are typed freely: no inline completion that could silently extend
  // what was typed, and Enter does not add the text to the list.
  field->setCompleter(nullptr);
  field->setInsertPolicy(QComboBox::NoInsert);
  field->setMinimumWidth(320);
  field->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  field->setMinimumContentsLength(30);
  return field;
}

void ShowTerm(QComboBox* field, const std::string& term) { field->setEditText(DocumentText(term)); }

}  // namespace

TfGraphInput::TfGraphInput(TDocument& document, Prompts& prompts, TDialogHost& host,
                           QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint), form_(document, prompts, host) {
  setWindowTitle(tr("Graph Input"));
  setProperty("helpContext", GraphInputHelpContext);
  setModal(false);

  TabArea = new QWidget(this);
  TabControl = new QTabBar(TabArea);
  TabControl->setObjectName(QStringLiteral("TabControl"));
  TabControl->setExpanding(false);
  TabControl->setUsesScrollButtons(true);
  connect(TabControl, &QTabBar::currentChanged, this, &TfGraphInput::TabControlChanged);

  auto* page = new QFrame(TabArea);
  page->setFrameShape(QFrame::StyledPanel);
  cbZ = TermField("cbZ", page);
  cbY = TermField("cbY", page);
  cbX = TermField("cbX", page);
  pColor1 = new TColorSwatch(page);
  pColor1->setObjectName(QStringLiteral("pColor1"));
  pColor2 = new TColorSwatch(page);
  pColor2->setObjectName(QStringLiteral("pColor2"));
  connect(pColor1, &TColorSwatch::Clicked, this, &TfGraphInput::pColor1Click);
  connect(pColor2, &TColorSwatch::Clicked, this, &TfGraphInput::pColor2Click);
  bVarTable = new QToolButton(page);
  bVarTable->setObjectName(QStringLiteral("bVarTable"));
  bVarTable->setToolTip(tr("Open variable table"));
  bVarTable->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
  connect(bVarTable, &QToolButton::clicked, this, &TfGraphInput::bVarTableClick);

  auto* terms = new QGridLayout(page);
  const struct {
    const char* Label;
    QComboBox* Field;
    const char* Suffix;
  } rows[] = {{QT_TR_NOOP("Axis 3 term ="), cbZ, "(Z)"},
              {QT_TR_NOOP("Axis 2 term ="), cbY, "(Y)"},
              {QT_TR_NOOP("Axis 1 term ="), cbX, "(X)"}};
  int row = 0;
  for (const auto& r : rows) {
    terms->addWidget(new QLabel(tr(r.Label), page), row, 0);
    terms->addWidget(r.Field, row, 1, 1, 4);
    terms->addWidget(new QLabel(QString::fromLatin1(r.Suffix), page), row, 5);
    ++row;
  }
  auto* colors = new QHBoxLayout;
  colors->addWidget(new QLabel(tr("Color 1:"), page));
  colors->addWidget(pColor1);
  colors->addSpacing(16);
  colors->addWidget(new QLabel(tr("Color 2:"), page));
  colors->addWidget(pColor2);
  colors->addStretch();
  colors->addWidget(bVarTable);
  terms->addLayout(colors, row, 0, 1, 6);

  auto* tabLayout = new QVBoxLayout(TabArea);
  tabLayout->setContentsMargins(0, 0, 0, 0);
  tabLayout->setSpacing(0);
  tabLayout->addWidget(TabControl);
  tabLayout->addWidget(page);

  bOk = new QPushButton(tr("&OK"), this);
  bOk->setObjectName(QStringLiteral("bOk"));
  bOk->setDefault(true);
  bOk->setAutoDefault(true);
  bCancel = new QPushButton(tr("&Cancel"), this);
  bCancel->setObjectName(QStringLiteral("bCancel"));
  connect(bOk, &QPushButton::clicked, this, &TfGraphInput::bOkClick);
  connect(bCancel, &QPushButton::clicked, this, &TfGraphInput::bCancelClick);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(bOk);
  buttons->addWidget(bCancel);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(TabArea);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  EnterPressesFocusedButton(this);
  for (QComboBox* field : {cbX, cbY, cbZ}) KeepDocumentText(field, prompts);

  setTabOrder(cbZ, cbY);
  setTabOrder(cbY, cbX);
  setTabOrder(cbX, bVarTable);
  setTabOrder(bVarTable, bOk);
  setTabOrder(bOk, bCancel);
}

void TfGraphInput::ShowModeless() {
  if (isVisible() && form_.IsOpen()) {
    raise();
    activateWindow();
    return;
  }
  FormShow();
  show();
  raise();
  activateWindow();
  cbZ->setFocus();
}

void TfGraphInput::FormShow() {
  form_.FormShow();
  FieldsToControls();
}

void TfGraphInput::DocumentReplaced() {
  if (!form_.IsOpen()) return;
  form_.DocumentReplaced();
  FieldsToControls();
}

void TfGraphInput::FieldsToControls() {
  {
    // Tabs replaced or selected from here run neither the store step nor
    // the change handler.
    const QSignalBlocker blocker(TabControl);
    const std::vector<std::string> captions = form_.TabCaptions();
    if (static_cast<size_t>(TabControl->count()) != captions.size()) {
      // A visible tab bar lays out all its tabs after every insertion; a
      // document may hold many thousand graphs, so it is hidden meanwhile.
      const bool shown = TabControl->isVisibleTo(TabArea);
      TabControl->hide();
      while (TabControl->count() > 0) TabControl->removeTab(TabControl->count() - 1);
      for (const std::string& caption : captions) TabControl->addTab(DocumentText(caption));
      TabControl->setVisible(shown);
    }
    TabControl->setCurrentIndex(form_.SelectedTab);
  }
  TabArea->setVisible(form_.TabsVisible);
  if (!form_.TabsVisible) return;
  TermListToControls();
  ShowTerm(cbX, form_.Fields.Term1);
  ShowTerm(cbY, form_.Fields.Term2);
  ShowTerm(cbZ, form_.Fields.Term3);
  pColor1->SetColor(form_.Fields.Color1);
  pColor2->SetColor(form_.Fields.Color2);
  for (QComboBox* field : {cbX, cbY, cbZ}) field->setEnabled(true);
}

void TfGraphInput::TermListToControls() {
  QStringList entries;
  entries.reserve(static_cast<qsizetype>(form_.TermList.size()));
  for (const std::string& term : form_.TermList) entries << DocumentText(term);
  for (QComboBox* field : {cbX, cbY, cbZ}) {
    const QString typed = field->currentText();
    field->clear();
    field->addItems(entries);
    field->setEditText(typed);
  }
}

void TfGraphInput::ControlsToFields() {
  form_.Fields.Term1 = DocumentBytes(cbX->currentText());
  form_.Fields.Term2 = DocumentBytes(cbY->currentText());
  form_.Fields.Term3 = DocumentBytes(cbZ->currentText());
  form_.Fields.Color1 = pColor1->Color();
  form_.Fields.Color2 = pColor2->Color();
}

void TfGraphInput::TabControlChanged(int index) {
  if (index == form_.SelectedTab) return;
  ControlsToFields();
  {
    // The old tab stays selected while its fields are checked, so that a
    // refusal leaves everything where it was.
    const QSignalBlocker blocker(TabControl);
    TabControl->setCurrentIndex(form_.SelectedTab);
  }
  if (form_.ChangeTab(index)) FieldsToControls();
}

void TfGraphInput::pColor1Click() {
  form_.Fields.Color1 = pColor1->Color();
  form_.pColor1Click();
  pColor1->SetColor(form_.Fields.Color1);
}

void TfGraphInput::pColor2Click() {
  form_.Fields.Color2 = pColor2->Color();
  form_.pColor2Click();
  pColor2->SetColor(form_.Fields.Color2);
}

void TfGraphInput::bVarTableClick() {
  ControlsToFields();
  form_.bVarTableClick();
  // The store step may have rebuilt the drop-down lists.
  if (form_.IsOpen()) TermListToControls();
}

void TfGraphInput::bOkClick() {
  if (ClickAfterClose(*this)) return;
  ControlsToFields();
  if (form_.bOkClick()) accept();
}

void TfGraphInput::bCancelClick() { reject(); }

void TfGraphInput::reject() {
  form_.FormClose();
  QDialog::reject();
}
