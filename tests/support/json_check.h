// SPDX-License-Identifier: GPL-3.0-or-later
// A strict JSON well-formedness check for the CLI's machine-read output:
// RFC 8259 grammar, strings valid UTF-8 without raw control characters.
#pragma once

#include <string>
#include <string_view>

// True when text is exactly one JSON value (surrounding whitespace allowed);
// otherwise false with the byte offset of the first defect in error.
bool IsValidJson(std::string_view text, std::string* error = nullptr);
