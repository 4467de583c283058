// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/diagram_input_dialog.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFocusEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>

#include "dialogs/closed_dialog.h"
#include "dialogs/color_swatch.h"
#include "dialogs/dialog_keys.h"
#include "dialogs/document_text.h"
#include "dialogs/ok_cancel_line.h"
#include "ports/help_topics.h"

// The evaluated table as the grid shows it: row 0 and column 0 of the table
// are the grid's header row and column, so they stay in place while the
// data scrolls and can never be selected or edited.
class TDataTableModel : public QAbstractTableModel {
 public:
  TDataTableModel(const TStringGrid& table, QObject* parent)
      : QAbstractTableModel(parent), table_(table) {}

  int rowCount(const QModelIndex& parent) const override {
    return parent.isValid() ? 0 : table_.RowCount() - 1;
  }
  int columnCount(const QModelIndex& parent) const override {
    return parent.isValid() ? 0 : table_.ColCount() - 1;
  }
  QVariant data(const QModelIndex& index, int role) const override {
    if (role != Qt::DisplayRole || !index.isValid()) return {};
    return Text(table_.Cells(index.column() + 1, index.row() + 1));
  }
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (role != Qt::DisplayRole) return {};
    return orientation == Qt::Horizontal ? Text(table_.Cells(section + 1, 0))
                                         : Text(table_.Cells(0, section + 1));
  }
  Qt::ItemFlags flags(const QModelIndex& index) const override {
    return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled : Qt::NoItemFlags;
  }

  // The table was evaluated again: a new size resets the view, new texts only
  // repaint it, so the view keeps its selection and scroll position.
  void Refresh(bool sizeChanged) {
    if (sizeChanged) {
      beginResetModel();
      endResetModel();
      return;
    }
    if (rowCount({}) > 0 && columnCount({}) > 0)
      emit dataChanged(index(0, 0), index(rowCount({}) - 1, columnCount({}) - 1),
                       {Qt::DisplayRole});
  }

 private:
  static QString Text(const std::string& text) { return DocumentText(text); }

  const TStringGrid& table_;
};

namespace {

// Window text from a document's 8-bit text and back, Latin-1 both ways.
QString Qt8(const std::string& text) { return DocumentText(text); }
std::string Std(const QString& text) { return DocumentBytes(text); }

template <typename T>
T* Named(T* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

// Tool buttons never take the focus: text typed into the cell field stays
// uncommitted while they work.
QToolButton* ToolButton(const char* name, const QString& text, const QString& hint,
                        QWidget* parent) {
  auto* button = Named(new QToolButton(parent), name);
  button->setText(text);
  button->setToolTip(hint);
  button->setFocusPolicy(Qt::NoFocus);
  button->setAutoRaise(true);
  return button;
}

void SetText(QLineEdit* edit, const std::string& text) {
  const QString shown = Qt8(text);
  if (edit->text() != shown) edit->setText(shown);
}

// Focus that leaves because another window or a popup opened is not the user
// leaving the field.
bool LeftByUser(const QEvent* event) {
  if (event->type() != QEvent::FocusOut) return false;
  const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
  return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

}  // namespace

TfDiagramInput::TfDiagramInput(TDocument& document, Prompts& prompts, TDialogHost& host,
                               QWidget* parent)
    : QDialog(parent), form_(document, prompts, host) {
  setObjectName(QStringLiteral("fDiagramInput"));
  setWindowTitle(tr("Input diagram data"));
  setProperty("helpContext", DiagramInputHelpContext);

  QHBoxLayout* cellLine = BuildCellLine();
  QTableView* table = BuildTable();
  auto* left = new QVBoxLayout;
  left->addWidget(BuildToolBar());
  left->addLayout(cellLine);
  left->addWidget(table, 1);

  auto* right = new QVBoxLayout;
  tabControl_ = Named(new QTabBar(this), "TabControl");
  tabControl_->setExpanding(false);
  tabControl_->setDrawBase(false);
  right->addWidget(tabControl_);
  right->addWidget(BuildDiagramPanel());
  right->addStretch(1);

  auto* work = new QHBoxLayout;
  work->addLayout(left, 1);
  work->addLayout(right);

  auto* page = new QVBoxLayout(this);
  page->addLayout(work, 1);
  QPushButton* bOk = AddOkCancelLine(*this, *page);
  // Enter commits the cell being typed rather than the whole dialog.
  bEnter_->setDefault(true);

  KeepDocumentText(eCell_, prompts);
  KeepDocumentText(eDescription_, prompts);
  eCell_->installEventFilter(this);
  connect(eCell_, &QLineEdit::textEdited, this,
          [this](const QString& text) { form_.eCell = Std(text); });
  connect(bEnter_, &QPushButton::clicked, this, &TfDiagramInput::bEnterClick);
  connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &TfDiagramInput::TableClick);
  connect(tabControl_, &QTabBar::currentChanged, this, &TfDiagramInput::TabControlChange);
  connect(bOk, &QPushButton::clicked, this, &TfDiagramInput::bOkClick);
  BindClipboard();
  resize(1000, 620);
  EnterPressesFocusedButton(this);
}

QHBoxLayout* TfDiagramInput::BuildCellLine() {
  auto* cellLine = new QHBoxLayout;
  auto* cellLabel = new QLabel(tr("Cell content:"), this);
  cellLine->addWidget(cellLabel);
  eCell_ = Named(new QLineEdit(this), "eCell");
  cellLabel->setBuddy(eCell_);
  cellLine->addWidget(eCell_, 1);
  bEnter_ = Named(new QPushButton(tr("&Enter"), this), "bEnter");
  cellLine->addWidget(bEnter_);
  return cellLine;
}

QTableView* TfDiagramInput::BuildTable() {
  table_ = Named(new QTableView(this), "Table");
  model_ = new TDataTableModel(form_.Table, this);
  table_->setModel(model_);
  table_->setSelectionMode(QAbstractItemView::ContiguousSelection);
  table_->setSelectionBehavior(QAbstractItemView::SelectItems);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  table_->horizontalHeader()->setDefaultSectionSize(80);
  table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
  table_->setMinimumSize(420, 300);
  // The header row and column only name the cells: a click on them, or on
  // the corner, selects nothing (a whole column selected would let one click
  // of "Delete cell content" empty it). Column widths stay adjustable.
  table_->horizontalHeader()->setSectionsClickable(false);
  table_->verticalHeader()->setSectionsClickable(false);
  table_->setCornerButtonEnabled(false);
  return table_;
}

TfDiagramInput::~TfDiagramInput() = default;

QWidget* TfDiagramInput::BuildToolBar() {
  auto* bar = new QWidget(this);
  auto* line = new QHBoxLayout(bar);
  line->setContentsMargins(0, 0, 0, 0);
  line->setSpacing(2);
  // The tool bar, left to right; a row without a name is a gap. Most tools are
  // one step of the form, after which the grid shows the table again; those
  // that open windows or use the system clipboard have handlers of their own.
  // Kept in one function over 60 lines: most of it is the table of tools,
  // which reads best beside the loop that builds them.
  struct TTool {
    const char* name = nullptr;
    const char* text = nullptr;
    const char* hint = nullptr;
    void (TDiagramInputForm::*step)() = nullptr;
    bool resizes = false;  // the step may change the table's size
    void (TfDiagramInput::*handler)() = nullptr;
  };

  const TTool tools[] = {
      {"bAddCol", QT_TR_NOOP("+Col"), QT_TR_NOOP("Add column"), &TDiagramInputForm::bAddColClick,
       true},
      {"bDeleteCol", QT_TR_NOOP("-Col"), QT_TR_NOOP("Delete column"),
       &TDiagramInputForm::bDeleteColClick, true},
      {"bAddRow", QT_TR_NOOP("+Row"), QT_TR_NOOP("Add row"), &TDiagramInputForm::bAddRowClick,
       true},
      {"bDeleteRow", QT_TR_NOOP("-Row"), QT_TR_NOOP("Delete row"),
       &TDiagramInputForm::bDeleteRowClick, true},
      {},
      {"bFill", QT_TR_NOOP("Fill"), QT_TR_NOOP("Fill cells"), &TDiagramInputForm::bFillClick},
      {"bCopy", QT_TR_NOOP("Copy"), QT_TR_NOOP("Copy cell content"), nullptr, false,
       &TfDiagramInput::bCopyClick},
      {"bPaste", QT_TR_NOOP("Paste"), QT_TR_NOOP("Paste cell content"), nullptr, false,
       &TfDiagramInput::bPasteClick},
      // The table may grow to hold the transposed block.
      {"bTranspose", QT_TR_NOOP("Transpose"), QT_TR_NOOP("Transpose cells"),
       &TDiagramInputForm::bTransposeClick, true},
      {"bDelete", QT_TR_NOOP("Delete"), QT_TR_NOOP("Delete cell content"),
       &TDiagramInputForm::bDeleteClick},
      {},
      {"bImportCSV", QT_TR_NOOP("Import"), QT_TR_NOOP("Import data from file"), nullptr, false,
       &TfDiagramInput::bImportCSVClick},
      {"bExportCSV", QT_TR_NOOP("Export"), QT_TR_NOOP("Export data to file"), nullptr, false,
       &TfDiagramInput::bExportCSVClick},
  };
  for (const TTool& tool : tools) {
    if (tool.name == nullptr) {
      auto* gap = new QFrame(bar);
      gap->setFrameShape(QFrame::VLine);
      line->addWidget(gap);
      continue;
    }
    QToolButton* button = ToolButton(tool.name, tr(tool.text), tr(tool.hint), bar);
    if (tool.handler != nullptr)
      connect(button, &QToolButton::clicked, this, tool.handler);
    else
      connect(button, &QToolButton::clicked, this,
              [this, step = tool.step, resizes = tool.resizes] {
                (form_.*step)();
                AfterToolButton(resizes);
              });
    if (tool.handler == &TfDiagramInput::bPasteClick) bPaste_ = button;
    line->addWidget(button);
  }
  line->addStretch(1);
  return bar;
}

QWidget* TfDiagramInput::BuildDiagramPanel() {
  diagramPanel_ = new QFrame(this);
  diagramPanel_->setFrameShape(QFrame::StyledPanel);
  auto* grid = new QGridLayout(diagramPanel_);
  int row = 0;

  grid->addWidget(new QLabel(tr("Description:"), diagramPanel_), row, 0);
  eDescription_ = Named(new QLineEdit(diagramPanel_), "eDescription");
  grid->addWidget(eDescription_, row++, 1, 1, 4);
  connect(eDescription_, &QLineEdit::textEdited, this,
          [this](const QString& text) { form_.eDescription = Std(text); });

  grid->addWidget(new QLabel(tr("Color:"), diagramPanel_), row, 0);
  pColor1_ = Named(new TColorSwatch(diagramPanel_), "pColor1");
  grid->addWidget(pColor1_, row, 1);
  connect(pColor1_, &TColorSwatch::Clicked, this, &TfDiagramInput::pColor1Click);
  // The second colour is kept with the diagram but not offered for editing.
  auto* color2Label = Named(new QLabel(tr("Color2:"), diagramPanel_), "lColor2");
  pColor2_ = Named(new TColorSwatch(diagramPanel_), "pColor2");
  grid->addWidget(color2Label, row, 2);
  grid->addWidget(pColor2_, row++, 3);
  color2Label->hide();
  pColor2_->hide();
  connect(pColor2_, &TColorSwatch::Clicked, this, &TfDiagramInput::pColor2Click);

  for (TAxis axis : AllAxes) BuildAxisRows(grid, row, axis);

  cbShowPoints_ = Named(new QCheckBox(tr("&Show points"), diagramPanel_), "cbShowPoints");
  cbConnectPoints_ = Named(new QCheckBox(tr("Co&nnect Points"), diagramPanel_), "cbConnectPoints");
  grid->addWidget(cbShowPoints_, row, 0, 1, 2);
  grid->addWidget(cbConnectPoints_, row++, 2, 1, 3);
  connect(cbShowPoints_, &QCheckBox::toggled, this, [this](bool on) {
    if (!quiet_) form_.cbShowPoints = on;
  });
  connect(cbConnectPoints_, &QCheckBox::toggled, this, [this](bool on) {
    if (!quiet_) form_.cbConnectPoints = on;
  });
  return diagramPanel_;
}

// The rows of one axis: the choice of column or constant with its field, then
// the error bar columns.
void TfDiagramInput::BuildAxisRows(QGridLayout* grid, int& row, TAxis axis) {
  static const char* const groupNames[] = {"rgAxis1", "rgAxis2", "rgAxis3"};
  static const char* const groupTitles[] = {QT_TR_NOOP("Axis1 (X) values"),
                                            QT_TR_NOOP("Axis2 (Y) values"),
                                            QT_TR_NOOP("Axis3 (Z) values")};
  static const char* const fieldNames[] = {"eAxis1", "eAxis2", "eAxis3"};
  static const char* const labelNames[] = {"lAxis1", "lAxis2", "lAxis3"};
  static const char* const lowNames[] = {"eXErrorMin", "eYErrorMin", "eZErrorMin"};
  static const char* const highNames[] = {"eXErrorMax", "eYErrorMax", "eZErrorMax"};
  const size_t a = AxisIndex(axis);
  auto* box = Named(new QGroupBox(tr(groupTitles[a]), diagramPanel_), groupNames[a]);
  auto* choices = new QHBoxLayout(box);
  rgAxis_[a] = new QButtonGroup(box);
  auto* column = new QRadioButton(tr("Data column"), box);
  auto* constant = new QRadioButton(tr("Constant"), box);
  rgAxis_[a]->addButton(column, AxisDataColumn);
  rgAxis_[a]->addButton(constant, AxisConstant);
  choices->addWidget(column);
  choices->addWidget(constant);
  grid->addWidget(box, row, 0, 1, 3);
  auto* fieldColumn = new QVBoxLayout;
  fieldColumn->setSpacing(1);
  lAxis_[a] = Named(new QLabel(diagramPanel_), labelNames[a]);
  eAxis_[a] = Named(new QLineEdit(diagramPanel_), fieldNames[a]);
  eAxis_[a]->setFixedWidth(110);
  fieldColumn->addWidget(lAxis_[a]);
  fieldColumn->addWidget(eAxis_[a]);
  grid->addLayout(fieldColumn, row++, 3, 1, 2, Qt::AlignBottom);

  grid->addWidget(new QLabel(tr("Axis %1 error bar col.:").arg(AxisNumber(axis)), diagramPanel_),
                  row, 0);
  grid->addWidget(new QLabel(tr("Low:"), diagramPanel_), row, 1, Qt::AlignRight);
  eErrorMin_[a] = Named(new QLineEdit(diagramPanel_), lowNames[a]);
  eErrorMin_[a]->setFixedWidth(60);
  grid->addWidget(eErrorMin_[a], row, 2);
  grid->addWidget(new QLabel(tr("High:"), diagramPanel_), row, 3, Qt::AlignRight);
  eErrorMax_[a] = Named(new QLineEdit(diagramPanel_), highNames[a]);
  eErrorMax_[a]->setFixedWidth(60);
  grid->addWidget(eErrorMax_[a], row++, 4);

  // Toggled rather than clicked: arrow keys move the choice too.
  connect(rgAxis_[a], &QButtonGroup::idToggled, this, [this, axis](int choice, bool checked) {
    if (quiet_ || !checked) return;
    form_.rgAxis[AxisIndex(axis)] = choice;
    form_.rgAxisClick(axis);
    ShowAxisLabels();
  });
  connect(eAxis_[a], &QLineEdit::textEdited, this,
          [this, a](const QString& text) { form_.eAxis[a] = Std(text); });
  connect(eErrorMin_[a], &QLineEdit::textEdited, this,
          [this, a](const QString& text) { form_.eErrorMin[a] = Std(text); });
  connect(eErrorMax_[a], &QLineEdit::textEdited, this,
          [this, a](const QString& text) { form_.eErrorMax[a] = Std(text); });
}

int TfDiagramInput::Execute() {
  FormShow();
  return exec();
}

void TfDiagramInput::FormShow() {
  form_.FormShow();
  ShowTable(true);
  ShowCellField();
  ShowTabs();
  ShowDiagramFields();
  if (bPaste_ != nullptr) bPaste_->setEnabled(form_.bPasteEnabled);
}

void TfDiagramInput::ShowTable(bool sizeChanged) {
  model_->Refresh(sizeChanged);
  ShowSelection();
}

// The form's selection shown in the grid, without running TableClick again.
void TfDiagramInput::ShowSelection() {
  const TGridRect& s = form_.Selection;
  const QModelIndex topLeft = model_->index(s.Top - 1, s.Left - 1);
  const QModelIndex bottomRight = model_->index(s.Bottom - 1, s.Right - 1);
  quiet_ = true;
  if (topLeft.isValid() && bottomRight.isValid()) {
    table_->selectionModel()->setCurrentIndex(topLeft, QItemSelectionModel::NoUpdate);
    table_->selectionModel()->select(QItemSelection(topLeft, bottomRight),
                                     QItemSelectionModel::ClearAndSelect);
    table_->scrollTo(topLeft);
  } else {
    table_->selectionModel()->clearSelection();
  }
  quiet_ = false;
}

void TfDiagramInput::ShowCellField() {
  SetText(eCell_, form_.eCell);
  if (form_.CellFocusWanted) {
    form_.CellFocusWanted = false;
    eCell_->setFocus(Qt::OtherFocusReason);
  }
}

void TfDiagramInput::ShowTabs() {
  quiet_ = true;
  {
    const QSignalBlocker blockTabs(tabControl_);
    while (tabControl_->count() > static_cast<int>(form_.Tabs.size()))
      tabControl_->removeTab(tabControl_->count() - 1);
    for (size_t k = 0; k < form_.Tabs.size(); ++k) {
      if (static_cast<int>(k) < tabControl_->count())
        tabControl_->setTabText(static_cast<int>(k), Qt8(form_.Tabs[k]));
      else
        tabControl_->addTab(Qt8(form_.Tabs[k]));
    }
    tabControl_->setCurrentIndex(form_.TabIndex);
  }
  tabControl_->setVisible(form_.TabControlVisible);
  diagramPanel_->setVisible(form_.TabControlVisible);
  quiet_ = false;
}

void TfDiagramInput::ShowDiagramFields() {
  quiet_ = true;
  SetText(eDescription_, form_.eDescription);
  pColor1_->SetColor(form_.pColor1);
  pColor2_->SetColor(form_.pColor2);
  for (TAxis axis : AllAxes) {
    const size_t a = AxisIndex(axis);
    if (QAbstractButton* choice = rgAxis_[a]->button(form_.rgAxis[a]); choice != nullptr)
      choice->setChecked(true);
    SetText(eAxis_[a], form_.eAxis[a]);
    SetText(eErrorMin_[a], form_.eErrorMin[a]);
    SetText(eErrorMax_[a], form_.eErrorMax[a]);
  }
  cbShowPoints_->setChecked(form_.cbShowPoints);
  cbConnectPoints_->setChecked(form_.cbConnectPoints);
  quiet_ = false;
  ShowAxisLabels();
}

void TfDiagramInput::ShowAxisLabels() {
  for (TAxis axis : AllAxes) lAxis_[AxisIndex(axis)]->setText(Qt8(form_.lAxis[AxisIndex(axis)]));
}

void TfDiagramInput::TableClick() {
  if (quiet_) return;
  // The rectangle that holds every selected cell; with contiguous selection
  // that is the selection itself.
  int left = INT_MAX, top = INT_MAX, right = -1, bottom = -1;
  for (const QItemSelectionRange& range : table_->selectionModel()->selection()) {
    left = std::min(left, range.left());
    top = std::min(top, range.top());
    right = std::max(right, range.right());
    bottom = std::max(bottom, range.bottom());
  }
  if (right < 0) {
    // A grid always has a selected cell: a click beside the cells, or one
    // that deselects, leaves the last selection in place.
    ShowSelection();
    return;
  }
  form_.TableClick(TGridRect{left + 1, top + 1, right + 1, bottom + 1});
  ShowCellField();
}

void TfDiagramInput::eCellExit() {
  form_.eCell = Std(eCell_->text());
  form_.eCellExit();
  model_->Refresh(false);
}

void TfDiagramInput::bEnterClick() {
  form_.eCell = Std(eCell_->text());
  form_.bEnterClick();
  ShowTable(false);
  ShowCellField();
}

void TfDiagramInput::AfterToolButton(bool sizeChanged) {
  ShowTable(sizeChanged);
  ShowCellField();
  bPaste_->setEnabled(form_.bPasteEnabled);
}

void TfDiagramInput::bCopyClick() {
  form_.bCopyClick();
  PutSelectionOnClipboard();
  AfterToolButton(false);
}

void TfDiagramInput::bPasteClick() {
  form_.bPasteClick();
  AfterToolButton(false);
}

void TfDiagramInput::pColor1Click() {
  form_.pColor1Click();
  pColor1_->SetColor(form_.pColor1);
}

void TfDiagramInput::pColor2Click() {
  form_.pColor2Click();
  pColor2_->SetColor(form_.pColor2);
}

// The form follows the fields through their edit signals; reading them once
// more before the store step also catches changes that send none.
void TfDiagramInput::ReadDiagramFields() {
  form_.eDescription = Std(eDescription_->text());
  for (TAxis axis : AllAxes) {
    const size_t a = AxisIndex(axis);
    if (rgAxis_[a]->checkedId() >= 0) form_.rgAxis[a] = rgAxis_[a]->checkedId();
    form_.eAxis[a] = Std(eAxis_[a]->text());
    form_.eErrorMin[a] = Std(eErrorMin_[a]->text());
    form_.eErrorMax[a] = Std(eErrorMax_[a]->text());
  }
  form_.cbShowPoints = cbShowPoints_->isChecked();
  form_.cbConnectPoints = cbConnectPoints_->isChecked();
}

void TfDiagramInput::TabControlChange(int index) {
  if (quiet_) return;
  ReadDiagramFields();
  if (!form_.TabControlChanging()) {
    // Refused: the tab the user left stays selected, with its texts as typed.
    ShowTabs();
    return;
  }
  form_.TabControlChange(index);
  ShowTabs();
  ShowDiagramFields();
}

void TfDiagramInput::bOkClick() {
  if (ClickAfterClose(*this)) return;
  ReadDiagramFields();
  if (form_.bOkClick()) accept();
}

void TfDiagramInput::done(int result) {
  form_.FormClose();
  QDialog::done(result);
}

bool TfDiagramInput::eventFilter(QObject* watched, QEvent* event) {
  if (watched == eCell_ && LeftByUser(event)) eCellExit();
  return QDialog::eventFilter(watched, event);
}
