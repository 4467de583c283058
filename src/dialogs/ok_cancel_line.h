// SPDX-License-Identifier: GPL-3.0-or-later
// The foot of the small dialogs: OK and Cancel, right-aligned.
#pragma once

class QBoxLayout;
class QDialog;
class QPushButton;

// Adds the line to page. Cancel (bCancel) rejects the dialog; OK (bOk) is
// the default button and is returned for the dialog to connect its handler.
QPushButton* AddOkCancelLine(QDialog& dialog, QBoxLayout& page);
