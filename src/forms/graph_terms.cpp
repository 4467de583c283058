// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/graph_terms.h"

#include <string>
#include <unordered_set>

namespace {

std::string FoldCase(const std::string& text) {
  std::string folded = text;
  for (char& c : folded)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return folded;
}

}  // namespace

void CollectGraphTerms(const std::vector<TGraph>& graphs, TStringArray& list) {
  for (const TGraph& graph : graphs)
    for (const std::string* term : {&graph.Term1, &graph.Term2, &graph.Term3})
      if (!term->empty()) list.push_back(*term);
}

void AddTermsIgnoringCase(const TStringArray& terms, TStringArray& list) {
  std::unordered_set<std::string> seen;
  seen.reserve(list.size() + terms.size());
  for (const std::string& entry : list) seen.insert(FoldCase(entry));
  for (const std::string& term : terms)
    if (seen.insert(FoldCase(term)).second) list.push_back(term);
}
