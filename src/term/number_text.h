// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers written as text, one rule each for every layer: term leaves, the
// document file, the dialogs' fields, the calculator, the picture size and
// the command line all read their numbers here. "." is the decimal point
// whatever the locale.
#pragma once

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <string_view>

#include "term/complex.h"

// Converts a plain number text: optional blanks, optional sign, digits with an
// optional "." and fraction digits (at least one digit or the point), an
// optional exponent of E or e with optional sign and digits, optional blanks.
// False when the text is not such a number or lies beyond the extended range;
// the value may still lie beyond the double range, which the caller decides
// on.
bool TextToReal(std::string_view text, Real& value);

// True when value fits a double (magnitude at most the largest double).
// Inline: the term compiler asks it of every number leaf.
inline bool FitsDouble(Real value) { return std::fabs(value) <= static_cast<Real>(DBL_MAX); }

// A number field as files, dialogs and the calculator have always read it:
// TextToReal's value, when it fits a double, rounded to a double. The value
// is left alone when the text is refused.
bool TextToDouble(std::string_view text, double& value);

// The same text read straight to the nearest double, for a value that must be
// exactly the one typed. TextToDouble rounds twice, through the extended type,
// and for a few texts ("1.000444") ends one unit in the last place away; the
// two stay apart so that neither the files' values nor the picture's scale
// change. False also beyond the double range.
bool TextToNearestDouble(std::string_view text, double& value);

// A whole number: optional blanks, an optional sign ("+" or "-"), one or
// more decimal digits, optional blanks, within the 32-bit range. The value is
// left alone when the text is refused.
bool TextToInteger(std::string_view text, int32_t& value);
