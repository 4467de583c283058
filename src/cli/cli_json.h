// SPDX-License-Identifier: GPL-3.0-or-later
// JSON text for morvit-cli's machine-read output.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// A JSON string of 8-bit text: each byte is the ISO 8859-1 character of that
// code, written as UTF-8, with the escapes JSON requires.
std::string JsonString(std::string_view bytes);

// The shortest text that reads back to the same double. Only finite values
// reach JSON: every TComplex and every value read from a file is finite.
std::string JsonNumber(double value);
std::string JsonNumber(int64_t value);
