// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// How every store reports: a phone operation that fails leaves its reason in
// g_strLastError and gives 0; a local file that refuses shows its box at once.

#include "stores/common/LocalRecordFile.h"

#include <QString>

namespace orrin {

// Sets the reason the main frame shows; always 0, the store's failure value.
int Fail(const QString &text);

// "ME" or "SM": the module's name of the memory of g_nMemory.
const char *MemoryText();

// The pattern (a source text of StoreFailure) translated, with %1 replaced by
// "phone" or "SIM card", by g_nMemory.
QString AboutMemory(const char *pattern);

// True when the local file took the operation; otherwise shows the file's box
// (wrongTagText for a file of another kind) and gives false. A change the
// file cannot take (no file, or not the record the view listed) cannot be
// written either.
bool AcceptedByLocalFile(LocalFileResult result, const QString &wrongTagText);

} // namespace orrin
