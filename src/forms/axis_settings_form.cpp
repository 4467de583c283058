// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/axis_settings_form.h"

#include <algorithm>
#include <cmath>

#include "document/axis.h"
#include "term/compiler.h"
#include "term/complex.h"
#include "term/number_text.h"

namespace {

// base raised to exponent, when that is a double; false where the power is
// undefined (a negative base with a fraction, 0 raised to a negative number)
// or leaves the double range, also towards 0.
bool PowerOf(double base, double exponent, double& value) {
  const Real power = std::pow(static_cast<Real>(base), static_cast<Real>(exponent));
  if (!std::isfinite(power) || !FitsDouble(power)) return false;
  value = static_cast<double>(power);
  return value != 0 || power == 0;
}

// A logarithmic axis stores exponents and shows values. A file may bring a
// base for which the value is undefined or not positive; the dialog then
// shows the stored exponent rather than a value it cannot form. A value
// beyond the range of a number (10 to the power 400) is shown as that power,
// "10^400": OK then refuses it as no number instead of reading the exponent
// back as a value.
std::string ShownBound(double stored, bool logarithmic, double base) {
  if (!logarithmic) return RealToStr(stored);
  double value = 0;
  if (PowerOf(base, stored, value) && value > 0) return RealToStr(value);
  if (base > 0 && std::isfinite(stored)) return RealToStr(base) + "^" + RealToStr(stored);
  return RealToStr(stored);
}

// The parsed numbers of one axis.
struct TAxisNumbers {
  double Min = 0;
  double Max = 0;
  double MajorInterval = 0;
  double MinorInterval = 0;
};

bool ParseAxis(const TAxisFields& fields, TAxisNumbers& numbers) {
  return TextToDouble(fields.Minimum, numbers.Min) && TextToDouble(fields.Maximum, numbers.Max) &&
         TextToDouble(fields.MajorInterval, numbers.MajorInterval) &&
         TextToDouble(fields.MinorInterval, numbers.MinorInterval);
}

// A value on a logarithmic axis as the exponent to base. Both are checked
// above 0 and above 1 before; long double keeps ln(1E-10) / ln(10) at -10.
double ExponentOf(double value, double base) {
  return static_cast<double>(std::log(static_cast<Real>(value)) /
                             std::log(static_cast<Real>(base)));
}

// Halves first, so that two large bounds of one sign cannot overflow.
double CentreShift(double min, double max) { return -(max / 2 + min / 2); }

// The checks of OK in their order: false after the refusal was reported.
bool ReadFields(const TAxisSettingsFields& fields, Prompts& prompts,
                std::array<TAxisNumbers, 3>& numbers, int32_t& resolution) {
  bool numeric = TextToInteger(fields.Resolution, resolution);
  for (TAxis axis : AllAxes)
    numeric = ParseAxis(fields.Axes[AxisIndex(axis)], numbers[AxisIndex(axis)]) && numeric;
  if (!numeric) {
    ShowError(prompts, "Invalid value entered in numerical input field.");
    return false;
  }
  for (const TAxisNumbers& axis : numbers) {
    if (!(axis.Min < axis.Max)) {
      ShowError(prompts, "Axis minimum must be lower than axis maximum.");
      return false;
    }
  }
  for (TAxis axis : AllAxes) {
    const TAxisNumbers& n = numbers[AxisIndex(axis)];
    if (fields.Axes[AxisIndex(axis)].Logarithmic &&
        !(n.Max > 0 && n.Min > 0 && n.MajorInterval > 1)) {
      ShowError(prompts, "Invalid axis values for logarithmic scaling at axis " +
                             std::to_string(AxisNumber(axis)) + ".");
      return false;
    }
  }
  for (const TAxisNumbers& axis : numbers) {
    if (!(axis.MajorInterval > 0 && axis.MinorInterval > 0)) {
      ShowError(prompts, "Invalid values for scaling intervals.");
      return false;
    }
  }
  return true;
}

// One axis's checked numbers and its other controls into the display.
void StoreAxis(const TAxisFields& fields, const TAxisNumbers& n, TDisplayAxis stored) {
  stored.Min = n.Min;
  stored.Max = std::max(n.Max, n.Min);
  // Major markings are never closer than minor ones.
  stored.MajorInterval = std::max(n.MajorInterval, n.MinorInterval);
  stored.MinorInterval = n.MinorInterval;
  stored.Origin = n.Min;
  stored.Log = fields.Logarithmic;
  stored.Markings = fields.Markings;
  stored.Label = fields.Label;
  // The base is the major interval just settled, so a raised interval
  // changes the base as well.
  if (stored.Log) {
    stored.Max = ExponentOf(stored.Max, stored.MajorInterval);
    stored.Min = ExponentOf(stored.Min, stored.MajorInterval);
    stored.Origin = ExponentOf(stored.Origin, stored.MajorInterval);
  }
  stored.Origin = std::min(std::max(stored.Origin, stored.Min), stored.Max);
}

// The page "View" into the display, and the view that follows from it.
void StoreView(const TAxisSettingsFields& fields, TCoordinateSystem& d) {
  d.DisplayStyle =
      fields.DisplayStyle <= DisplayStylePoints ? fields.DisplayStyle : DisplayStyleSolid;
  d.ThreeAxes = fields.ThreeAxes;
  d.ForceEqualScale = fields.ForceEqualScale;
  if (!d.ThreeAxes) {
    // A flat display is never rotated; going back to 3D starts from angle 0.
    d.Alpha = 0;
    d.Beta = 0;
    d.Gamma = 0;
    d.Origin3 = 0;
  }
  const int position = std::clamp(fields.PerspectivePosition, 1, PerspectiveFar);
  d.Perspective = position == PerspectiveFar ? -1 : position * 100;
  d.AxisStyle = fields.AxisStyle <= AxisStyleAxesOnly ? fields.AxisStyle : AxisStyleRaster;
  d.AxisColor = fields.AxisColor;
  d.Shift1 = CentreShift(d.Min1, d.Max1);
  d.Shift2 = CentreShift(d.Min2, d.Max2);
  d.Shift3 = 0;
}

}  // namespace

TAxisSettingsForm::TAxisSettingsForm(TDocument& document, Prompts& prompts)
    : document_(document), prompts_(prompts) {}

TCoordinateSystem* TAxisSettingsForm::Display(int display) {
  if (display < 0 || static_cast<size_t>(display) >= document_.Displays.size()) return nullptr;
  return &document_.Displays[static_cast<size_t>(display)];
}

void TAxisSettingsForm::FormShow(int display) {
  const TCoordinateSystem* d = Display(display);
  if (d == nullptr) return;
  for (TAxis axis : AllAxes) {
    const TConstDisplayAxis stored = DisplayAxis(*d, axis);
    TAxisFields& fields = Fields.Axes[AxisIndex(axis)];
    fields.Minimum = ShownBound(stored.Min, stored.Log, stored.MajorInterval);
    fields.Maximum = ShownBound(stored.Max, stored.Log, stored.MajorInterval);
    fields.MajorInterval = RealToStr(stored.MajorInterval);
    fields.MinorInterval = RealToStr(stored.MinorInterval);
    fields.Logarithmic = stored.Log;
    fields.Markings = stored.Markings;
    fields.Label = stored.Label;
  }
  Fields.ThreeAxes = d->ThreeAxes;
  Fields.ForceEqualScale = d->ForceEqualScale;
  Fields.DisplayStyle = d->DisplayStyle;
  // The eye distance is kept in hundreds; 0 or below is parallel projection.
  const int position = d->Perspective > 0 ? d->Perspective / 100 : PerspectiveFar;
  Fields.PerspectivePosition = std::clamp(position, 1, PerspectiveFar);
  Fields.AxisStyle = d->AxisStyle;
  Fields.AxisColor = d->AxisColor;
  Fields.Resolution = std::to_string(d->Resolution);
}

void TAxisSettingsForm::rbAxisLogClick(TAxis axis) {
  TAxisFields& fields = Fields.Axes[AxisIndex(axis)];
  for (std::string* bound : {&fields.Minimum, &fields.Maximum}) {
    double value = 0;
    if (!TextToDouble(*bound, value)) return;
    if (value > 0) continue;
    double base = 0;
    double power = 0;
    if (!TextToDouble(fields.MajorInterval, base) || !PowerOf(base, value, power)) return;
    *bound = RealToStr(power);
  }
}

void TAxisSettingsForm::pColorClick() {
  int32_t color = Fields.AxisColor;
  if (prompts_.ChooseColor(color)) Fields.AxisColor = color;
}

bool TAxisSettingsForm::bOkClick(int display) {
  TCoordinateSystem* d = Display(display);
  if (d == nullptr) return true;
  std::array<TAxisNumbers, 3> numbers;
  int32_t resolution = 0;
  if (!ReadFields(Fields, prompts_, numbers, resolution)) return false;
  for (TAxis axis : AllAxes)
    StoreAxis(Fields.Axes[AxisIndex(axis)], numbers[AxisIndex(axis)], DisplayAxis(*d, axis));
  d->Resolution = std::clamp(resolution, MinResolution, MaxResolution);
  StoreView(Fields, *d);
  return true;
}
