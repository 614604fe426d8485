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

#include <span>
#include <type_traits>

namespace orrin::exporter {

QByteArray VCardOf(const TelebookRecord &record);
QByteArray VCardOf(const AddrbookRecord &record);
QByteArray VCardOf(const S57AddrbookRecord &record);

// Calls visit(card field, the record's text field as a span) for each text
// field of an address-book record, const or not.
template <typename Record, typename Visit>
void ForEachCardText(Record &record, Visit visit)
{
    using phone::CardField;
    visit(CardField::Name, std::span(record.name));
    visit(CardField::Street, std::span(record.street));
    visit(CardField::City, std::span(record.city));
    visit(CardField::PostCode, std::span(record.postCode));
    visit(CardField::Country, std::span(record.country));
    visit(CardField::Company, std::span(record.company));
    visit(CardField::Home, std::span(record.home));
    visit(CardField::Office, std::span(record.office));
    visit(CardField::Mobile, std::span(record.mobile));
    visit(CardField::Fax, std::span(record.fax));
    visit(CardField::Email, std::span(record.email));
    visit(CardField::Url, std::span(record.url));
    if constexpr (std::is_same_v<std::remove_const_t<Record>, S57AddrbookRecord>) {
        visit(CardField::Group, std::span(record.group));
        visit(CardField::Fax2, std::span(record.fax2));
        visit(CardField::Email2, std::span(record.email2));
        visit(CardField::Birthday, std::span(record.birthday));
    }
}

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
