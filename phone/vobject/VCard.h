// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Address-book cards in vCard 2.1, as both phone families keep them: name,
// address (street, city, post code, country), company, four kinds of number
// (a second fax on the newer family), e-mail (and a second one), URL, group
// (CATEGORIES), birthday (BDAY, yyyymmdd) and the older family's VIP mark
// (X-SIEMENS-VIP:1).
//
// A card is changed, never rebuilt: writing values into a card that was read
// rewrites only the properties whose values changed and keeps every other
// line (a note, a second home number, anything unknown) as it came.

#include "phone/vobject/ContentObject.h"

#include <array>
#include <bitset>

namespace orrin::phone {

enum class CardField {
    Name, Street, City, PostCode, Country, Company, Home, Office, Mobile, Fax, Fax2, Email, Email2, Url, Group,
    Birthday, Vip, Count
};
constexpr size_t kCardFieldCount = size_t(CardField::Count);

struct CardValues {
    std::array<QString, kCardFieldCount> texts;  // Vip: "1" or empty

    QString &operator[](CardField field) { return texts[size_t(field)]; }
    const QString &operator[](CardField field) const { return texts[size_t(field)]; }
};
using CardChanges = std::bitset<kCardFieldCount>;

class CVCard {
public:
    // Nothing for bytes that are no vCard.
    static std::optional<CVCard> Parse(const QByteArray &bytes);
    // A card with no properties yet.
    static CVCard New();

    CardValues Values() const;
    // Writes the changed fields' values into the card.
    void Apply(const CardValues &values, const CardChanges &changed);
    QByteArray Serialise() const { return m_object.Serialise(); }

private:
    explicit CVCard(CContentObject object) : m_object(std::move(object)) {}

    CContentObject m_object;
};

} // namespace orrin::phone
