// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The desktop face of the program's message box.

#include "link/MessageBox.h"

namespace orrin {

// Shows the request as a modal QMessageBox on the user-interface thread.
int ShowMessageBoxDialog(const BoxRequest &request);

// Makes ShowMessageBoxDialog the program's message box handler.
void InstallMessageBoxDialog();

} // namespace orrin
