// SPDX-License-Identifier: GPL-3.0-or-later
// The term compiler: term text in, a binary tree of TTermElement out.
//
// The compiler does not parse by a grammar: it finds the operator or function
// of lowest priority in the text (FindSplit), makes it the root and compiles
// the text on either side of it. Brackets never become nodes; they only raise
// the priority of what they enclose and are stripped from the leaves.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "term/complex.h"
#include "term/number_text.h"

// Operation codes of a node.
enum TOperation : uint8_t {
  opLeaf = 0,
  opAdd = 1,
  opSub = 2,
  opMul = 3,
  opDiv = 4,
  opPower = 5,
  opSqrt = 6,
  opExp = 7,
  opLn = 8,
  opLog = 9,
  opLg = 10,
  opSin = 11,
  opCos = 12,
  opTan = 13,
  opCot = 14,
  opRe = 15,
  opIm = 16,
  opAbs = 17,
  opArg = 18,
  opArcSin = 19,
  opArcCos = 20,
  opArcTan = 21,
  opArcCot = 22,
  opSinh = 23,
  opCosh = 24,
  opTanh = 25,
  opCoth = 26,
  opArSinh = 27,
  opArCosh = 28,
  opArTanh = 29,
  opArCoth = 30,
  opHeaviside = 31,
};

struct TTermElement;
// A compiled term owns its whole tree; releasing the root releases it all.
using TTerm = std::unique_ptr<TTermElement>;

struct TTermElement {
  TTerm Left;   // left operand; the base of lg; null for functions and leaves
  TTerm Right;  // right operand; the argument of a function; null for leaves
  bool IsVariable = false;
  TComplex Value;    // a constant leaf's value
  std::string Name;  // a variable leaf's name, exactly as written
  uint8_t Operation = opLeaf;

  TTermElement() = default;
  TTermElement(const TTermElement&) = delete;
  TTermElement& operator=(const TTermElement&) = delete;
  // Trees are never deeper than MaxTermDepth, so releasing them recursively
  // stays well within the stack.
  ~TTermElement() = default;
};

// Hostile input must not exhaust the stack or the time. Splitting costs one
// pass over the text per tree level, so both the depth and the length are
// bounded: a term whose tree would be deeper than MaxTermDepth levels
// (brackets, functions and chained operators alike: a sum of more than 256
// summands counts too) or whose text is longer than MaxTermLength characters
// is invalid. No term a person writes comes near either bound, and the worst
// term within them compiles in a few milliseconds.
inline constexpr int MaxTermDepth = 256;
inline constexpr size_t MaxTermLength = 16384;

// Compiles text; returns the success flag. The tree is returned also when the
// flag is false (null or partial); a caller that needs a correct term checks
// the flag.
bool CompileTerm(std::string_view text, TTerm& tree);

// 1-based position of the root operator or function name; 0 for a leaf.
size_t FindSplit(std::string_view text);

// Same non-zero length, and equal characters or the two cases of one ASCII letter.
bool NameMatches(std::string_view a, std::string_view b);

// True when every character is "(" (also for the empty text).
bool OnlyOpenBrackets(std::string_view text);
