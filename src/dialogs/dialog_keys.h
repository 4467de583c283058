// SPDX-License-Identifier: GPL-3.0-or-later
// Enter in a dialog: on a focused button it presses that button, anywhere
// else it presses the dialog's default button.
#pragma once

class QDialog;

// Call once all of the dialog's buttons exist.
void EnterPressesFocusedButton(QDialog* dialog);
