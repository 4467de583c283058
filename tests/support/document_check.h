// SPDX-License-Identifier: GPL-3.0-or-later
// Whether a document and the window showing it hold together: the check the
// random-input test runs after every step.
#pragma once

#include <string>

#include "document/document.h"

// Empty when consistent, else the first fault found: a graph or diagram index
// past its list, a var table whose columns differ in length, a data table
// with a cell it cannot read. With windowOpen, also the current display must
// name a display (-1 only when there is none) and the tab bar must hold one
// tab per display.
std::string DocumentFault(const TDocument& document, int currentDisplay, int tabCount,
                          bool windowOpen);
