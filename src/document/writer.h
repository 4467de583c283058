// SPDX-License-Identifier: GPL-3.0-or-later
// The writer of document files: the exact counterpart of the reader, so that
// reading what was written gives back the same document field for field.
//
// Lines end with CR LF; lists are stored as their highest index; flags as 1
// or 0; reals with "." as decimal point and enough digits to read back to the
// same double, whatever the process's locale; the data table column by
// column. Lines 2 and 3 carry the program's name and version.
#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>

#include "document/document.h"

// Why a document cannot be stored; empty when it can. Checked before a single
// byte is written: a text holding a line break, a number without a finite
// value, or a size past what the reader accepts (a file that could not be
// opened again is worse than no file).
std::string UnstorableReason(const TDocument& document);

// Writes the document to out. Returns false with the reason in error when the
// document cannot be stored (nothing is written then) or the stream failed.
bool WriteDocument(std::ostream& out, const TDocument& document, std::string& error);

// Writes the document into a temporary file beside path and renames it over
// path only once it is complete and flushed, so a failed save never destroys
// the old file. Returns false with the reason in error.
bool SaveDocument(const std::filesystem::path& path, const TDocument& document, std::string& error);

// Writes bytes into a temporary file in path's folder and renames it over
// path when every byte is on disk; on a failure the temporary file is removed
// and path is untouched.
bool ReplaceFile(const std::filesystem::path& path, const std::string& bytes, std::string& error);
