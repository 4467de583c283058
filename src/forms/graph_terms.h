// SPDX-License-Identifier: GPL-3.0-or-later
// The terms of the document's graphs, offered for reuse in the drop-down
// lists of the graph input dialog and the calculator.
#pragma once

#include <vector>

#include "document/document.h"
#include "term/var_table.h"

// Appends Term1, Term2 and Term3 of every graph in order, skipping empty
// terms. The list is not cleared and duplicates are kept.
void CollectGraphTerms(const std::vector<TGraph>& graphs, TStringArray& list);

// Appends each term of terms unless list already holds one equal to it when
// ASCII letter case is ignored; the first spelling wins. Runs in time linear
// in the number of terms, so a document with many graphs cannot stall it.
void AddTermsIgnoringCase(const TStringArray& terms, TStringArray& list);
