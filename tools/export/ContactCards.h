// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The phone book and both address-book layouts as vCard 3.0 cards: UTF-8,
// CRLF line ends, lines folded after 75 octets, values escaped. Each field a
// record holds goes to the property vCard has for it; the VIP mark and the
// S57 group become categories.

#include "phone/PhoneApi.h"
#include "phone/vobject/VCard.h"

#include <QByteArray>
#include <QList>

namespace orrin::exporter {

QByteArray VCardOf(const TelebookRecord &record);
QByteArray VCardOf(const AddrbookRecord &record);
QByteArray VCardOf(const S57AddrbookRecord &record);

// The fields of an address-book record by their card field.
phone::CardValues CardValuesOf(const AddrbookRecord &record);
phone::CardValues CardValuesOf(const S57AddrbookRecord &record);

template <typename Record>
QByteArray VCardsOf(const QList<Record> &records)
{
    QByteArray cards;
    for (const Record &record : records)
        cards += VCardOf(record);
    return cards;
}

} // namespace orrin::exporter
