#pragma once
// The phone-book record (44 bytes, the same in memory, towards the Mobile
// module and in Telebook.tml) and what the store needs to know about it.

#include "phone/PhoneApi.h"

#include <QList>
#include <QString>

namespace orrin {

static_assert(sizeof(TelebookRecord) == 44, "Telebook.tml keeps 44-byte records");

using TelebookList = QList<TelebookRecord>;

// Names hold at most 15 bytes and numbers 19; longer texts are cut at a
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
