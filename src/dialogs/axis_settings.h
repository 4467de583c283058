// SPDX-License-Identifier: GPL-3.0-or-later
// The coordinate system settings dialog: the pages "Axes" and "View" bound to
// TAxisSettingsForm, editing the current display.
#pragma once

#include <QDialog>
#include <array>

#include "document/document.h"
#include "forms/axis_settings_form.h"
#include "ports/dialog_host.h"
#include "ports/prompts.h"

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QTabWidget;
class QToolButton;
class TColorSwatch;

class TfAxisSettings : public QDialog {
  Q_OBJECT

 public:
  TfAxisSettings(TDocument& document, Prompts& prompts, TDialogHost& host,
                 QWidget* parent = nullptr);

  // Loads the current display into the controls and shows the dialog
  // modally; returns QDialog::Accepted after OK.
  int Execute();

  // Loads the controls from the current display; with none they keep what
  // they showed.
  void FormShow();

 private slots:
  void bOkClick();
  void pColorClick();

 private:
  // The controls of one axis group, at AxisIndex of its axis.
  struct TAxisControls {
    QLineEdit* Min = nullptr;
    QLineEdit* Max = nullptr;
    QLineEdit* eMajorInterval = nullptr;
    QLineEdit* eMinorInterval = nullptr;
    QRadioButton* rbLin = nullptr;
    QRadioButton* rbLog = nullptr;
    QCheckBox* cbAxisLabel = nullptr;
    QLineEdit* eLabel = nullptr;
  };

  QWidget* BuildAxesPage();
  QWidget* BuildViewPage();
  QGroupBox* BuildDisplayStyleBox(QWidget* page);
  QGroupBox* BuildAxisStyleBox(QWidget* page);
  QWidget* BuildAxisGroup(TAxis axis);
  void rbAxisLogClick(TAxis axis);
  void ControlsToFields();
  void FieldsToControls();

  TDialogHost& host_;
  TAxisSettingsForm form_;
  QTabWidget* PageControl_ = nullptr;
  std::array<TAxisControls, 3> axes_;
  QToolButton* bSolid_ = nullptr;
  QToolButton* bWireframe_ = nullptr;
  QToolButton* bPoint_ = nullptr;
  QSlider* tbPerspective_ = nullptr;
  QToolButton* bNoMarkings_ = nullptr;
  QToolButton* bShortMarkings_ = nullptr;
  QToolButton* bLongMarkings_ = nullptr;
  TColorSwatch* pColor_ = nullptr;
  QRadioButton* rbThreeAxes_ = nullptr;
  QRadioButton* rbTwoAxes_ = nullptr;
  QLineEdit* eResolution_ = nullptr;
  QRadioButton* rbAutoScale_ = nullptr;
  QRadioButton* rbForceEqualScale_ = nullptr;
  QPushButton* bOk_ = nullptr;
};
