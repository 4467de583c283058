// SPDX-License-Identifier: GPL-3.0-or-later
// The texts that the core hands to the windows (messages, questions, result
// lines) are plain English constants, since the core knows nothing of
// languages. The windows translate them here before a person sees them.
#pragma once

#include <QString>

// The text in the user's language: the whole text when the catalogue knows
// it, otherwise line by line, where a line may also match a catalogue text
// with %1 standing for a number or a name that the core put in. Texts the
// catalogue does not know come back unchanged.
QString TranslateMessage(const QString& text);
