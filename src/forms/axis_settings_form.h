// SPDX-License-Identifier: GPL-3.0-or-later
// The coordinate system settings dialog without widgets: the current
// display's fields as the dialog shows them, the switch of an axis to
// logarithmic scaling, and OK's checks and store.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "document/axis.h"
#include "document/document.h"
#include "ports/prompts.h"

// What the dialog shows for one axis. Minimum and maximum are values, also on
// a logarithmic axis, where the display stores exponents.
struct TAxisFields {
  std::string Minimum;
  std::string Maximum;
  std::string MajorInterval;
  std::string MinorInterval;
  bool Logarithmic = false;
  bool Markings = true;
  std::string Label;

  bool operator==(const TAxisFields&) const = default;
};

// Every control of the dialog; texts exactly as typed.
struct TAxisSettingsFields {
  std::array<TAxisFields, 3> Axes;  // at AxisIndex of each axis
  uint8_t DisplayStyle = DisplayStyleSolid;
  int PerspectivePosition = 5;  // the slider, 1 ("Close") to 10 ("Far")
  uint8_t AxisStyle = AxisStyleRaster;
  int32_t AxisColor = 0x00FF00;
  bool ThreeAxes = false;
  std::string Resolution;
  bool ForceEqualScale = false;

  bool operator==(const TAxisSettingsFields&) const = default;
};

inline constexpr int PerspectiveFar = 10;  // the slider position for parallel projection

class TAxisSettingsForm {
 public:
  TAxisSettingsForm(TDocument& document, Prompts& prompts);

  TAxisSettingsFields Fields;

  // Loads the display with that index; with no such display the fields keep
  // what they held.
  void FormShow(int display);

  // Logarithmic chosen for the axis: a minimum or maximum that is not above 0
  // becomes the major interval raised to it. Stops silently at the first
  // field that is no number or whose power is undefined.
  void rbAxisLogClick(TAxis axis);

  // The colour chooser, preset with the axis colour.
  void pColorClick();

  // Checks the fields in order and stores them into the display. False after
  // a refusal (reported, nothing stored). True when stored, and also when
  // there is no such display (nothing to store); the caller then redraws and
  // closes.
  bool bOkClick(int display);

 private:
  TCoordinateSystem* Display(int display);

  TDocument& document_;
  Prompts& prompts_;
};
