// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/axis_settings.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <initializer_list>

#include "dialogs/closed_dialog.h"
#include "dialogs/color_swatch.h"
#include "dialogs/dialog_keys.h"
#include "dialogs/document_text.h"
#include "dialogs/ok_cancel_line.h"
#include "ports/help_topics.h"

namespace {

QLineEdit* NamedEdit(const QString& name, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  return edit;
}

// Flat toggle buttons of which exactly one is pressed.
QToolButton* ToggleButton(const QString& name, const QString& text, QButtonGroup* group,
                          QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setObjectName(name);
  button->setText(text);
  button->setCheckable(true);
  button->setAutoRaise(true);
  button->setToolButtonStyle(Qt::ToolButtonTextOnly);
  button->setMinimumWidth(80);
  group->addButton(button);
  return button;
}

QRadioButton* NamedRadio(const QString& name, const QString& text, QWidget* parent) {
  auto* radio = new QRadioButton(text, parent);
  radio->setObjectName(name);
  return radio;
}

// Widgets side by side from the left.
QHBoxLayout* Row(std::initializer_list<QWidget*> widgets) {
  auto* row = new QHBoxLayout;
  for (QWidget* widget : widgets) row->addWidget(widget);
  row->addStretch();
  return row;
}

QString Text(const std::string& text) { return DocumentText(text); }
std::string Text(const QLineEdit* edit) { return DocumentBytes(edit->text()); }

}  // namespace

TfAxisSettings::TfAxisSettings(TDocument& document, Prompts& prompts, TDialogHost& host,
                               QWidget* parent)
    : QDialog(parent), host_(host), form_(document, prompts) {
  setWindowTitle(tr("Coordinate system settings"));
  setProperty("helpContext", AxisSettingsHelpContext);

  PageControl_ = new QTabWidget(this);
  PageControl_->setObjectName(QStringLiteral("PageControl"));
  PageControl_->addTab(BuildAxesPage(), tr("Axes"));
  PageControl_->addTab(BuildViewPage(), tr("View"));

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(PageControl_);
  bOk_ = AddOkCancelLine(*this, *layout);
  connect(bOk_, &QPushButton::clicked, this, &TfAxisSettings::bOkClick);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  EnterPressesFocusedButton(this);
  for (const TAxisControls& axis : axes_) KeepDocumentText(axis.eLabel, prompts);
}

QWidget* TfAxisSettings::BuildAxesPage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  for (TAxis axis : AllAxes) layout->addWidget(BuildAxisGroup(axis));
  return page;
}

QWidget* TfAxisSettings::BuildAxisGroup(TAxis axis) {
  static const char* const Titles[] = {QT_TR_NOOP("Axis 1 (X) settings"),
                                       QT_TR_NOOP("Axis 2 (Y) settings"),
                                       QT_TR_NOOP("Axis 3 (Z) settings")};
  const QString n = QString::number(AxisNumber(axis));
  auto* group = new QGroupBox(tr(Titles[AxisIndex(axis)]));
  group->setObjectName(QStringLiteral("gbAxis") + n);
  TAxisControls& c = axes_[AxisIndex(axis)];
  c.Min = NamedEdit(QStringLiteral("Min") + n, group);
  c.Max = NamedEdit(QStringLiteral("Max") + n, group);
  c.eMajorInterval = NamedEdit(QStringLiteral("eMajorInterval") + n, group);
  c.eMinorInterval = NamedEdit(QStringLiteral("eMinorInterval") + n, group);
  c.rbLin = NamedRadio(QStringLiteral("rbAxis%1Lin").arg(n), tr("Linear"), group);
  c.rbLog = NamedRadio(QStringLiteral("rbAxis%1Log").arg(n), tr("Logarithmic"), group);
  c.cbAxisLabel = new QCheckBox(tr("Display axis markings"), group);
  c.cbAxisLabel->setObjectName(QStringLiteral("cbAxisLabel") + n);
  c.eLabel = NamedEdit(QStringLiteral("eLabel") + n, group);
  // Only the user's choice converts the bounds; loading sets the choice silently.
  connect(c.rbLog, &QRadioButton::clicked, this, [this, axis](bool checked) {
    if (checked) rbAxisLogClick(axis);
  });

  QHBoxLayout* scaling = Row({c.rbLin, c.rbLog});
  auto* grid = new QGridLayout(group);
  grid->addWidget(new QLabel(tr("Minimum:")), 0, 0);
  grid->addWidget(c.Min, 0, 1);
  grid->addWidget(new QLabel(tr("Maximum:")), 0, 2);
  grid->addWidget(c.Max, 0, 3);
  grid->addWidget(new QLabel(tr("Major interval:")), 1, 0);
  grid->addWidget(c.eMajorInterval, 1, 1);
  grid->addWidget(new QLabel(tr("Minor interval:")), 1, 2);
  grid->addWidget(c.eMinorInterval, 1, 3);
  grid->addWidget(new QLabel(tr("Scaling:")), 2, 0);
  grid->addLayout(scaling, 2, 1);
  grid->addWidget(c.cbAxisLabel, 2, 2, 1, 2);
  grid->addWidget(new QLabel(tr("Axis label:")), 3, 0);
  grid->addWidget(c.eLabel, 3, 1);
  return group;
}

QWidget* TfAxisSettings::BuildViewPage() {
  auto* page = new QWidget;
  QGroupBox* styleBox = BuildDisplayStyleBox(page);
  QGroupBox* axisStyleBox = BuildAxisStyleBox(page);

  auto* axesBox = new QGroupBox(tr("Number of axes"), page);
  rbThreeAxes_ = NamedRadio(QStringLiteral("rbThreeAxes"), tr("3 Axes"), axesBox);
  rbTwoAxes_ = NamedRadio(QStringLiteral("rbTwoAxes"), tr("2 Axes"), axesBox);
  auto* axesLayout = new QVBoxLayout(axesBox);
  axesLayout->addWidget(rbThreeAxes_);
  axesLayout->addWidget(rbTwoAxes_);

  auto* resolutionBox = new QGroupBox(tr("Plot resolution"), page);
  eResolution_ = NamedEdit(QStringLiteral("eResolution"), resolutionBox);
  auto* resolutionLayout = new QVBoxLayout(resolutionBox);
  resolutionLayout->addWidget(new QLabel(tr("Number of points per direction:")));
  resolutionLayout->addWidget(eResolution_);

  auto* scaleBox = new QGroupBox(tr("Axes scaling ratio"), page);
  rbAutoScale_ = NamedRadio(QStringLiteral("rbAutoScale"), tr("Adapt aspect ratio"), scaleBox);
  rbForceEqualScale_ =
      NamedRadio(QStringLiteral("rbForceEqualScale"), tr("Force equal scaling"), scaleBox);
  auto* scaleLayout = new QVBoxLayout(scaleBox);
  scaleLayout->addWidget(rbAutoScale_);
  scaleLayout->addWidget(rbForceEqualScale_);

  auto* layout = new QGridLayout(page);
  layout->addWidget(styleBox, 0, 0);
  layout->addWidget(axisStyleBox, 0, 1);
  layout->addWidget(axesBox, 1, 0);
  layout->addWidget(scaleBox, 1, 1);
  layout->addWidget(resolutionBox, 2, 0);
  layout->setRowStretch(3, 1);
  return page;
}

QGroupBox* TfAxisSettings::BuildDisplayStyleBox(QWidget* page) {
  auto* styleBox = new QGroupBox(tr("3D display style"), page);
  auto* styles = new QButtonGroup(styleBox);
  bSolid_ = ToggleButton(QStringLiteral("bSolid"), tr("Solid"), styles, styleBox);
  bWireframe_ = ToggleButton(QStringLiteral("bWireframe"), tr("Wireframe"), styles, styleBox);
  bPoint_ = ToggleButton(QStringLiteral("bPoint"), tr("Points"), styles, styleBox);
  tbPerspective_ = new QSlider(Qt::Horizontal, styleBox);
  tbPerspective_->setObjectName(QStringLiteral("tbPerspective"));
  tbPerspective_->setRange(1, PerspectiveFar);
  tbPerspective_->setSingleStep(1);
  tbPerspective_->setPageStep(1);
  tbPerspective_->setTickPosition(QSlider::TicksBelow);
  tbPerspective_->setTickInterval(1);
  QHBoxLayout* styleButtons = Row({bSolid_, bWireframe_, bPoint_});
  auto* perspective = new QGridLayout;
  perspective->addWidget(new QLabel(tr("Perspective:")), 0, 0);
  perspective->addWidget(tbPerspective_, 0, 1, 1, 2);
  perspective->addWidget(new QLabel(tr("Close")), 1, 1, Qt::AlignLeft);
  perspective->addWidget(new QLabel(tr("Far")), 1, 2, Qt::AlignRight);
  auto* styleLayout = new QVBoxLayout(styleBox);
  styleLayout->addLayout(styleButtons);
  styleLayout->addLayout(perspective);
  return styleBox;
}

QGroupBox* TfAxisSettings::BuildAxisStyleBox(QWidget* page) {
  auto* axisStyleBox = new QGroupBox(tr("Axis display style"), page);
  auto* axisStyles = new QButtonGroup(axisStyleBox);
  bNoMarkings_ =
      ToggleButton(QStringLiteral("bNoMarkings"), tr("Axes only"), axisStyles, axisStyleBox);
  bShortMarkings_ =
      ToggleButton(QStringLiteral("bShortMarkings"), tr("Markings"), axisStyles, axisStyleBox);
  bLongMarkings_ =
      ToggleButton(QStringLiteral("bLongMarkings"), tr("Raster"), axisStyles, axisStyleBox);
  pColor_ = new TColorSwatch(axisStyleBox);
  pColor_->setObjectName(QStringLiteral("pColor"));
  connect(pColor_, &TColorSwatch::Clicked, this, &TfAxisSettings::pColorClick);
  QHBoxLayout* axisStyleButtons = Row({bNoMarkings_, bShortMarkings_, bLongMarkings_});
  QHBoxLayout* colorRow = Row({new QLabel(tr("Axis color:")), pColor_});
  auto* axisStyleLayout = new QVBoxLayout(axisStyleBox);
  axisStyleLayout->addLayout(axisStyleButtons);
  axisStyleLayout->addLayout(colorRow);
  return axisStyleBox;
}

int TfAxisSettings::Execute() {
  FormShow();
  return exec();
}

void TfAxisSettings::FormShow() {
  form_.FormShow(host_.CurrentDisplay());
  FieldsToControls();
}

void TfAxisSettings::FieldsToControls() {
  const TAxisSettingsFields& f = form_.Fields;
  for (TAxis axis : AllAxes) {
    const TAxisFields& fields = f.Axes[AxisIndex(axis)];
    TAxisControls& c = axes_[AxisIndex(axis)];
    c.Min->setText(Text(fields.Minimum));
    c.Max->setText(Text(fields.Maximum));
    c.eMajorInterval->setText(Text(fields.MajorInterval));
    c.eMinorInterval->setText(Text(fields.MinorInterval));
    (fields.Logarithmic ? c.rbLog : c.rbLin)->setChecked(true);
    c.cbAxisLabel->setChecked(fields.Markings);
    c.eLabel->setText(Text(fields.Label));
  }
  (f.ThreeAxes ? rbThreeAxes_ : rbTwoAxes_)->setChecked(true);
  (f.ForceEqualScale ? rbForceEqualScale_ : rbAutoScale_)->setChecked(true);
  (f.DisplayStyle == DisplayStyleWireframe ? bWireframe_
   : f.DisplayStyle == DisplayStylePoints  ? bPoint_
                                           : bSolid_)
      ->setChecked(true);
  tbPerspective_->setValue(f.PerspectivePosition);
  (f.AxisStyle == AxisStyleMarkings   ? bShortMarkings_
   : f.AxisStyle == AxisStyleAxesOnly ? bNoMarkings_
                                      : bLongMarkings_)
      ->setChecked(true);
  pColor_->SetColor(f.AxisColor);
  eResolution_->setText(Text(f.Resolution));
}

void TfAxisSettings::ControlsToFields() {
  TAxisSettingsFields& f = form_.Fields;
  for (TAxis axis : AllAxes) {
    TAxisFields& fields = f.Axes[AxisIndex(axis)];
    const TAxisControls& c = axes_[AxisIndex(axis)];
    fields.Minimum = Text(c.Min);
    fields.Maximum = Text(c.Max);
    fields.MajorInterval = Text(c.eMajorInterval);
    fields.MinorInterval = Text(c.eMinorInterval);
    fields.Logarithmic = c.rbLog->isChecked();
    fields.Markings = c.cbAxisLabel->isChecked();
    fields.Label = Text(c.eLabel);
  }
  f.ThreeAxes = rbThreeAxes_->isChecked();
  f.ForceEqualScale = rbForceEqualScale_->isChecked();
  f.DisplayStyle = bWireframe_->isChecked() ? DisplayStyleWireframe
                   : bPoint_->isChecked()   ? DisplayStylePoints
                                            : DisplayStyleSolid;
  f.PerspectivePosition = tbPerspective_->value();
  f.AxisStyle = bShortMarkings_->isChecked() ? AxisStyleMarkings
                : bNoMarkings_->isChecked()  ? AxisStyleAxesOnly
                                             : AxisStyleRaster;
  f.AxisColor = pColor_->Color();
  f.Resolution = Text(eResolution_);
}

void TfAxisSettings::rbAxisLogClick(TAxis axis) {
  ControlsToFields();
  form_.rbAxisLogClick(axis);
  const TAxisFields& fields = form_.Fields.Axes[AxisIndex(axis)];
  TAxisControls& c = axes_[AxisIndex(axis)];
  c.Min->setText(Text(fields.Minimum));
  c.Max->setText(Text(fields.Maximum));
}

void TfAxisSettings::pColorClick() {
  form_.Fields.AxisColor = pColor_->Color();
  form_.pColorClick();
  pColor_->SetColor(form_.Fields.AxisColor);
}

void TfAxisSettings::bOkClick() {
  if (ClickAfterClose(*this)) return;
  ControlsToFields();
  if (!form_.bOkClick(host_.CurrentDisplay())) return;
  host_.Redraw();
  accept();
}
