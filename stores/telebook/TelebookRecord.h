// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The phone-book record (the same in memory, towards the Mobile module and in
// Telebook.tml, its size pinned by the contract) and what the store needs to
// know about it.

#include "phone/PhoneApi.h"

#include <QList>
#include <QString>

namespace orrin {

using TelebookList = QList<TelebookRecord>;

// Each text keeps its terminator in its field; a longer one is cut at a
// character boundary.
QString TelebookName(const TelebookRecord &record);
QString TelebookNumber(const TelebookRecord &record);
void SetTelebookName(TelebookRecord &record, const QString &name);
void SetTelebookNumber(TelebookRecord &record, const QString &number);

// Makes both texts zero-terminated, whatever filled them.
void TerminateTelebookTexts(TelebookRecord &record);

// Two entries are the same when their names and numbers are equal byte for
// byte; location and VIP do not count.
bool SameTelebookEntry(const TelebookRecord &a, const TelebookRecord &b);

} // namespace orrin
