// SPDX-License-Identifier: GPL-3.0-or-later
// A keyboard OK (Enter on the default button, Alt and its mnemonic) shows the
// button pressed for a moment and clicks it only then; Escape within that
// moment closes the dialog first. The late click must not store anything:
// the dialog's form has been closed and holds no edited values any more, and
// storing them would empty the document's lists.
#pragma once

#include <QWidget>

// True when a click reaches a dialog that is no longer shown.
inline bool ClickAfterClose(const QWidget& dialog) { return !dialog.isVisible(); }
