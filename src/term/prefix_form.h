// SPDX-License-Identifier: GPL-3.0-or-later
// The compiled tree written out in prefix form, the readable picture of what
// the compiler made of a text: `morvit-cli parse` prints it, and the compiler's
// tests compare trees through it.
#pragma once

#include <string>

#include "term/compiler.h"

// (+ L R) for an operator, (sin R) for a function, (lg L R) for the logarithm
// to base L; a leaf as its name or value, and _ for a missing operand.
std::string PrefixForm(const TTermElement* node);
