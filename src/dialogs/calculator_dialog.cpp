// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/calculator_dialog.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>

#include "dialogs/dialog_keys.h"
#include "dialogs/document_text.h"
#include "dialogs/message_catalogue.h"
#include "ports/help_topics.h"

namespace {

// Window text from a document's 8-bit text and back, Latin-1 both ways.
QString Qt8(const std::string& text) { return DocumentText(text); }
std::string Std(const QString& text) { return DocumentBytes(text); }

QLabel* NamedLabel(const QString& text, const char* name, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  return label;
}

QPushButton* NamedButton(const QString& text, const char* name, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

QLineEdit* NumberEdit(const char* name, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setFixedWidth(110);
  return edit;
}

// The decorative formula parts are plain labels: a large glyph reads as the
// picture without shipping image files.
QLabel* FormulaGlyph(const QString& text, int pointSize, const char* name, QWidget* parent) {
  QLabel* label = NamedLabel(text, name, parent);
  QFont font = label->font();
  font.setPointSize(pointSize);
  label->setFont(font);
  label->setAlignment(Qt::AlignCenter);
  return label;
}

void FillNames(QComboBox* box, const std::vector<std::string>& items, int index) {
  const QSignalBlocker quiet(box);
  box->clear();
  for (const std::string& item : items) box->addItem(Qt8(item));
  box->setCurrentIndex(index);
}

// Focus that leaves because another window or a popup opened is not the user
// leaving the field.
bool LeftByUser(const QEvent* event) {
  if (event->type() != QEvent::FocusOut) return false;
  const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
  return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

}  // namespace

TfCalculator::TfCalculator(TDocument& document, Prompts& /*prompts: no boxes here*/,
                           TDialogHost& host, QWidget* parent)
    : QDialog(parent), form_(document, host) {
  setObjectName(QStringLiteral("fCalculator"));
  setWindowTitle(tr("Calculator"));
  setProperty("helpContext", CalculatorHelpContext);
  BuildControls();
}

void TfCalculator::BuildControls() {
  QHBoxLayout* termLine = BuildTermLine();

  mResult_ = new QPlainTextEdit(this);
  mResult_->setObjectName(QStringLiteral("mResult"));
  mResult_->setReadOnly(true);
  mResult_->setLineWrapMode(QPlainTextEdit::NoWrap);
  mResult_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  mResult_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  mResult_->setFixedHeight(150);

  QGroupBox* gbDifferentiate = BuildDifferentiation();
  QGroupBox* gbIntegration = BuildIntegration();

  auto* groups = new QHBoxLayout;
  groups->addWidget(gbDifferentiate);
  groups->addWidget(gbIntegration);

  auto* closeLine = new QHBoxLayout;
  closeLine->addStretch(1);
  bClose_ = NamedButton(tr("&Close"), "bClose", this);
  closeLine->addWidget(bClose_);

  auto* page = new QVBoxLayout(this);
  page->addLayout(termLine);
  page->addWidget(mResult_);
  page->addLayout(groups);
  page->addLayout(closeLine);
  // A fixed border: the window takes the size its contents ask for.
  page->setSizeConstraint(QLayout::SetFixedSize);

  EnterPressesFocusedButton(this);
  ConnectControls();
}

QHBoxLayout* TfCalculator::BuildTermLine() {
  auto* termLine = new QHBoxLayout;
  termLine->addWidget(NamedLabel(tr("Enter term: f="), "Label1", this));
  cbTerm_ = new QComboBox(this);
  cbTerm_->setObjectName(QStringLiteral("cbTerm"));
  cbTerm_->setEditable(true);
  // Picking or typing a term must not grow the offered list.
  cbTerm_->setInsertPolicy(QComboBox::NoInsert);
  cbTerm_->setMinimumWidth(320);
  cbTerm_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  termLine->addWidget(cbTerm_, 1);
  bCalculate_ = NamedButton(tr("C&alculate"), "bCalculate", this);
  bCalculate_->setDefault(true);
  termLine->addWidget(bCalculate_);
  bVarTable_ = NamedButton(QString(), "bVarTable", this);
  bVarTable_->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
  bVarTable_->setToolTip(tr("Open variable table"));
  termLine->addWidget(bVarTable_);
  return termLine;
}

QGroupBox* TfCalculator::BuildDifferentiation() {
  // d f / d x, taken at x0: the fraction is drawn by the two labels of the
  // numerator and denominator with a rule between them.
  auto* gbDifferentiate = new QGroupBox(tr("Numerical differentiation"), this);
  gbDifferentiate->setObjectName(QStringLiteral("gbDifferentiate"));
  auto* fraction = new QVBoxLayout;
  fraction->setSpacing(1);
  fraction->addWidget(FormulaGlyph(QStringLiteral("d f"), 12, "Image1", gbDifferentiate));
  auto* rule = new QFrame(gbDifferentiate);
  rule->setFrameShape(QFrame::HLine);
  fraction->addWidget(rule);
  auto* denominator = new QHBoxLayout;
  denominator->addWidget(FormulaGlyph(QStringLiteral("d"), 12, "Label2", gbDifferentiate));
  cbDiffVar_ = new QComboBox(gbDifferentiate);
  cbDiffVar_->setObjectName(QStringLiteral("cbDiffVar"));
  cbDiffVar_->setMinimumWidth(90);
  denominator->addWidget(cbDiffVar_, 1);
  fraction->addLayout(denominator);
  auto* diff = new QGridLayout(gbDifferentiate);
  diff->addLayout(fraction, 0, 0);
  diff->addWidget(FormulaGlyph(QStringLiteral("|"), 36, "Image2", gbDifferentiate), 0, 1);
  eDiffValue_ = NumberEdit("eDiffValue", gbDifferentiate);
  diff->addWidget(eDiffValue_, 0, 2, Qt::AlignBottom);
  bCalcDiff_ = NamedButton(tr("Calculate &derivation"), "bCalcDiff", gbDifferentiate);
  diff->addWidget(bCalcDiff_, 1, 0, 1, 3);
  return gbDifferentiate;
}

QGroupBox* TfCalculator::BuildIntegration() {
  // The integral sign with the upper bound above and the lower bound below.
  auto* gbIntegration = new QGroupBox(tr("Numerical integration"), this);
  gbIntegration->setObjectName(QStringLiteral("gbIntegration"));
  auto* integ = new QGridLayout(gbIntegration);
  integ->setVerticalSpacing(2);
  eHigh_ = NumberEdit("eHigh", gbIntegration);
  integ->addWidget(eHigh_, 0, 0);
  integ->addWidget(FormulaGlyph(QString(QChar(0x222B)), 28, "Image3", gbIntegration), 1, 0);
  eLow_ = NumberEdit("eLow", gbIntegration);
  integ->addWidget(eLow_, 2, 0);
  integ->addWidget(FormulaGlyph(QStringLiteral("f  d"), 12, "Label3", gbIntegration), 1, 1);
  cbIntVar_ = new QComboBox(gbIntegration);
  cbIntVar_->setObjectName(QStringLiteral("cbIntVar"));
  cbIntVar_->setMinimumWidth(90);
  integ->addWidget(cbIntVar_, 1, 2);
  bCalcInt_ = NamedButton(tr("Calculate &integral"), "bCalcInt", gbIntegration);
  integ->addWidget(bCalcInt_, 3, 0, 1, 3);
  return gbIntegration;
}

// The form follows every control through its change signals.
void TfCalculator::ConnectControls() {
  cbTerm_->installEventFilter(this);
  if (cbTerm_->lineEdit() != nullptr) cbTerm_->lineEdit()->installEventFilter(this);
  connect(cbTerm_, &QComboBox::editTextChanged, this,
          [this](const QString& text) { form_.cbTerm = Std(text); });
  connect(cbDiffVar_, &QComboBox::activated, this,
          [this](int index) { form_.cbDiffVarIndex = index; });
  connect(cbIntVar_, &QComboBox::activated, this,
          [this](int index) { form_.cbIntVarIndex = index; });
  connect(eDiffValue_, &QLineEdit::textChanged, this,
          [this](const QString& text) { form_.eDiffValue = Std(text); });
  connect(eLow_, &QLineEdit::textChanged, this,
          [this](const QString& text) { form_.eLow = Std(text); });
  connect(eHigh_, &QLineEdit::textChanged, this,
          [this](const QString& text) { form_.eHigh = Std(text); });
  // Calculate and the variable table first take over the term, which may add
  // variables to the lists.
  const struct {
    QPushButton* button;
    void (TCalculatorForm::*step)();
    bool namesMayChange;
  } steps[] = {
      {bCalculate_, &TCalculatorForm::bCalculateClick, true},
      {bCalcDiff_, &TCalculatorForm::bCalcDiffClick, false},
      {bCalcInt_, &TCalculatorForm::bCalcIntClick, false},
      {bVarTable_, &TCalculatorForm::bVarTableClick, true},
  };
  for (const auto& s : steps)
    connect(s.button, &QPushButton::clicked, this,
            [this, s] { RunStep(s.step, s.namesMayChange); });
  connect(bClose_, &QPushButton::clicked, this, &QDialog::reject);
}

int TfCalculator::Execute() {
  FormShow();
  adjustSize();
  if (const QScreen* desktop = screen(); desktop != nullptr)
    move(desktop->availableGeometry().center() - rect().center());
  return exec();
}

void TfCalculator::FormShow() {
  form_.FormShow();
  // Refilling the list must leave the typed term in place.
  const QSignalBlocker quiet(cbTerm_);
  const QString typed = cbTerm_->currentText();
  cbTerm_->clear();
  for (const std::string& term : form_.cbTermItems) cbTerm_->addItem(Qt8(term));
  cbTerm_->setCurrentIndex(-1);
  cbTerm_->setEditText(typed);
}

// The form's copies follow the widgets through their change signals; this
// catches a text set without a signal (a test, or a selection from the list).
void TfCalculator::ReadControls() {
  form_.cbTerm = Std(cbTerm_->currentText());
  form_.cbDiffVarIndex = cbDiffVar_->currentIndex();
  form_.cbIntVarIndex = cbIntVar_->currentIndex();
  form_.eDiffValue = Std(eDiffValue_->text());
  form_.eLow = Std(eLow_->text());
  form_.eHigh = Std(eHigh_->text());
}

void TfCalculator::ShowVariableLists() {
  FillNames(cbDiffVar_, form_.cbDiffVarItems, form_.cbDiffVarIndex);
  FillNames(cbIntVar_, form_.cbIntVarItems, form_.cbIntVarIndex);
}

void TfCalculator::ShowNewResultLines() {
  for (; linesShown_ < form_.mResult.size(); ++linesShown_)
    mResult_->appendPlainText(TranslateMessage(Qt8(form_.mResult[linesShown_])));
}

void TfCalculator::cbTermExit() { RunStep(&TCalculatorForm::cbTermExit, true); }

// The form sees the controls as they are before every step; afterwards the
// window shows what the step changed.
void TfCalculator::RunStep(void (TCalculatorForm::*step)(), bool namesMayChange) {
  ReadControls();
  (form_.*step)();
  if (namesMayChange) ShowVariableLists();
  ShowNewResultLines();
}

void TfCalculator::done(int result) {
  form_.FormClose();
  QDialog::done(result);
}

bool TfCalculator::eventFilter(QObject* watched, QEvent* event) {
  if ((watched == cbTerm_ || watched == cbTerm_->lineEdit()) && LeftByUser(event)) {
    // Moving between the combo box and its own line edit is not leaving it.
    QWidget* next = QApplication::focusWidget();
    if (next != cbTerm_ && next != cbTerm_->lineEdit()) cbTermExit();
  }
  return QDialog::eventFilter(watched, event);
}
