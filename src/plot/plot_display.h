// SPDX-License-Identifier: GPL-3.0-or-later
// The plotting driver: rebuilds the scene of the current display from
// scratch, first the axes, then every listed graph, then every listed diagram.
#pragma once

#include "document/document.h"
#include "plot/scene.h"
#include "ports/prompts.h"

// The only message of the plot engine.
inline constexpr const char* TooManyFreeVariablesMessage =
    "Graphs with more than 2 free variables cannot be plotted.";

// Rebuilds scene for display currentDisplay of the document and sets the
// display's origins to its minimums (the axes cross at the lower corner of
// the box). True when the caller should show the scene, sorted. False when
// there is no such display (the scene is untouched) or when a graph has more
// than two free variables: the message has been shown through prompts, the
// scene holds what was added before that graph, and the drawing area keeps
// its previous picture. Indices that name no graph or diagram are skipped.
bool PlotDisplay(TDocument& document, int currentDisplay, TObject3D& scene, Prompts& prompts);
