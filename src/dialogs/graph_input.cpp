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
#include "dialogs/ok_cancel_line.h"
#include "ports/help_topics.h"

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

  BuildTabArea();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabArea_);
  QPushButton* bOk = AddOkCancelLine(*this, *layout);
  connect(bOk, &QPushButton::clicked, this, &TfGraphInput::bOkClick);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  EnterPressesFocusedButton(this);
  for (QComboBox* field : {cbX_, cbY_, cbZ_}) KeepDocumentText(field, prompts);

  setTabOrder(cbZ_, cbY_);
  setTabOrder(cbY_, cbX_);
  setTabOrder(cbX_, bVarTable_);
  setTabOrder(bVarTable_, bOk);
}

// The tab strip of the graphs above the page that shows the selected one.
void TfGraphInput::BuildTabArea() {
  tabArea_ = new QWidget(this);
  tabControl_ = new QTabBar(tabArea_);
  tabControl_->setObjectName(QStringLiteral("TabControl"));
  tabControl_->setExpanding(false);
  tabControl_->setUsesScrollButtons(true);
  connect(tabControl_, &QTabBar::currentChanged, this, &TfGraphInput::TabControlChanged);

  QFrame* page = BuildTermPage();

  auto* tabLayout = new QVBoxLayout(tabArea_);
  tabLayout->setContentsMargins(0, 0, 0, 0);
  tabLayout->setSpacing(0);
  tabLayout->addWidget(tabControl_);
  tabLayout->addWidget(page);
}

// The three terms, the two colours and the way to the variable table.
QFrame* TfGraphInput::BuildTermPage() {
  auto* page = new QFrame(tabArea_);
  page->setFrameShape(QFrame::StyledPanel);
  cbZ_ = TermField("cbZ", page);
  cbY_ = TermField("cbY", page);
  cbX_ = TermField("cbX", page);
  pColor1_ = new TColorSwatch(page);
  pColor1_->setObjectName(QStringLiteral("pColor1"));
  pColor2_ = new TColorSwatch(page);
  pColor2_->setObjectName(QStringLiteral("pColor2"));
  connect(pColor1_, &TColorSwatch::Clicked, this, &TfGraphInput::pColor1Click);
  connect(pColor2_, &TColorSwatch::Clicked, this, &TfGraphInput::pColor2Click);
  bVarTable_ = new QToolButton(page);
  bVarTable_->setObjectName(QStringLiteral("bVarTable"));
  bVarTable_->setToolTip(tr("Open variable table"));
  bVarTable_->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
  connect(bVarTable_, &QToolButton::clicked, this, &TfGraphInput::bVarTableClick);

  auto* terms = new QGridLayout(page);
  const struct {
    const char* Label;
    QComboBox* Field;
    const char* Suffix;
  } rows[] = {{QT_TR_NOOP("Axis 3 term ="), cbZ_, "(Z)"},
              {QT_TR_NOOP("Axis 2 term ="), cbY_, "(Y)"},
              {QT_TR_NOOP("Axis 1 term ="), cbX_, "(X)"}};
  int row = 0;
  for (const auto& r : rows) {
    terms->addWidget(new QLabel(tr(r.Label), page), row, 0);
    terms->addWidget(r.Field, row, 1, 1, 4);
    terms->addWidget(new QLabel(QString::fromLatin1(r.Suffix), page), row, 5);
    ++row;
  }
  auto* colors = new QHBoxLayout;
  colors->addWidget(new QLabel(tr("Color 1:"), page));
  colors->addWidget(pColor1_);
  colors->addSpacing(16);
  colors->addWidget(new QLabel(tr("Color 2:"), page));
  colors->addWidget(pColor2_);
  colors->addStretch();
  colors->addWidget(bVarTable_);
  terms->addLayout(colors, row, 0, 1, 6);
  return page;
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
  cbZ_->setFocus();
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
    const QSignalBlocker blocker(tabControl_);
    const std::vector<std::string> captions = form_.TabCaptions();
    if (static_cast<size_t>(tabControl_->count()) != captions.size()) {
      // A visible tab bar lays out all its tabs after every insertion; a
      // document may hold many thousand graphs, so it is hidden meanwhile.
      const bool shown = tabControl_->isVisibleTo(tabArea_);
      tabControl_->hide();
      while (tabControl_->count() > 0) tabControl_->removeTab(tabControl_->count() - 1);
      for (const std::string& caption : captions) tabControl_->addTab(DocumentText(caption));
      tabControl_->setVisible(shown);
    }
    tabControl_->setCurrentIndex(form_.SelectedTab);
  }
  tabArea_->setVisible(form_.TabsVisible);
  if (!form_.TabsVisible) return;
  TermListToControls();
  ShowTerm(cbX_, form_.Fields.Term1);
  ShowTerm(cbY_, form_.Fields.Term2);
  ShowTerm(cbZ_, form_.Fields.Term3);
  pColor1_->SetColor(form_.Fields.Color1);
  pColor2_->SetColor(form_.Fields.Color2);
  for (QComboBox* field : {cbX_, cbY_, cbZ_}) field->setEnabled(true);
}

void TfGraphInput::TermListToControls() {
  QStringList entries;
  entries.reserve(static_cast<qsizetype>(form_.TermList.size()));
  for (const std::string& term : form_.TermList) entries << DocumentText(term);
  for (QComboBox* field : {cbX_, cbY_, cbZ_}) {
    const QString typed = field->currentText();
    field->clear();
    field->addItems(entries);
    field->setEditText(typed);
  }
}

void TfGraphInput::ControlsToFields() {
  form_.Fields.Term1 = DocumentBytes(cbX_->currentText());
  form_.Fields.Term2 = DocumentBytes(cbY_->currentText());
  form_.Fields.Term3 = DocumentBytes(cbZ_->currentText());
  form_.Fields.Color1 = pColor1_->Color();
  form_.Fields.Color2 = pColor2_->Color();
}

void TfGraphInput::TabControlChanged(int index) {
  if (index == form_.SelectedTab) return;
  ControlsToFields();
  {
    // The old tab stays selected while its fields are checked, so that a
    // refusal leaves everything where it was.
    const QSignalBlocker blocker(tabControl_);
    tabControl_->setCurrentIndex(form_.SelectedTab);
  }
  if (form_.ChangeTab(index)) FieldsToControls();
}

void TfGraphInput::pColor1Click() {
  form_.Fields.Color1 = pColor1_->Color();
  form_.pColor1Click();
  pColor1_->SetColor(form_.Fields.Color1);
}

void TfGraphInput::pColor2Click() {
  form_.Fields.Color2 = pColor2_->Color();
  form_.pColor2Click();
  pColor2_->SetColor(form_.Fields.Color2);
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

void TfGraphInput::reject() {
  form_.FormClose();
  QDialog::reject();
}
