// SPDX-License-Identifier: GPL-3.0-or-later
// Texts of a document (cells, descriptions, terms, variable names, axis
// labels) are 8-bit: each byte is the ISO 8859-1 (Latin-1) character of that
// code, in the file, in the drawing and on the command line. The windows show
// and take them the same way, so a text survives a round trip through a
// window byte for byte.
#pragma once

#include <QString>
#include <string>

class Prompts;
class QComboBox;
class QLineEdit;

QString DocumentText(const std::string& bytes);

// The bytes of a text for the document. A character Latin-1 cannot hold
// becomes "?"; fields that keep document texts never hold one (below).
std::string DocumentBytes(const QString& text);

// The field takes only characters a document can hold. An edit that would
// bring in another one (typed, pasted or dropped) is refused as a whole, and
// the user is told why once the edit has been turned away.
void KeepDocumentText(QLineEdit* field, Prompts& prompts);
void KeepDocumentText(QComboBox* field, Prompts& prompts);  // an editable one
