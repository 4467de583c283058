// SPDX-License-Identifier: GPL-3.0-or-later
// A graph of the given terms (x, y and, for a surface or a space curve, z)
// with every other field as a new graph has it.
#pragma once

#include <string>
#include <utility>

#include "document/document.h"

inline TGraph Graph(std::string t1, std::string t2, std::string t3 = "") {
  TGraph graph;
  graph.Term1 = std::move(t1);
  graph.Term2 = std::move(t2);
  graph.Term3 = std::move(t3);
  return graph;
}
