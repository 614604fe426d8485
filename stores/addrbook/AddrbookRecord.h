// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The address-book records of both families (the same in memory, towards the
// Mobile module and in the local files, their layouts pinned by the contract)
// and what the stores need to know about them.

#include "phone/PhoneApi.h"

#include <QList>

namespace orrin {

using AddrbookList = QList<AddrbookRecord>;
using S57AddrbookList = QList<S57AddrbookRecord>;

// Makes every text zero-terminated, whatever filled the record; an
// unterminated text is cut at a character boundary.
void TerminateAddrbookTexts(AddrbookRecord &record);
void TerminateAddrbookTexts(S57AddrbookRecord &record);

// The same entry: name, mobile, city, company, country, email, fax and home
// equal byte for byte; street, post code, office, URL, VIP and index do not count.
bool SameAddrbookEntry(const AddrbookRecord &a, const AddrbookRecord &b);

// As SameAddrbookEntry, and birthday, second e-mail and second fax count too;
// group, street, post code, office, URL and index do not.
bool SameS57Entry(const S57AddrbookRecord &a, const S57AddrbookRecord &b);

} // namespace orrin
