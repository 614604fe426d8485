// SPDX-License-Identifier: GPL-2.0-or-later
#include "phone/vobject/VCard.h"

namespace orrin::phone {
namespace {

using LineTest = std::function<bool(const ContentLine &)>;

// Where a single-valued field lives: the occurrence-th line the test
// accepts, and the head a new line gets.
struct SimpleRule {
    CardField field;
    LineTest test;
    int occurrence;
    QByteArray newHead;
};

enum class TelKind { Other, Home, Office, Mobile, Fax };

TelKind KindOf(const ContentLine &line)
{
    if (line.HasParam("FAX"))
        return TelKind::Fax;
    if (line.HasParam("CELL"))
        return TelKind::Mobile;
    if (line.HasParam("WORK"))
        return TelKind::Office;
    if (line.HasParam("HOME"))
        return TelKind::Home;
    return TelKind::Other;
}

LineTest Telephone(TelKind kind)
{
    return [kind](const ContentLine &line) { return line.name == "TEL" && KindOf(line) == kind; };
}

const QList<SimpleRule> &SimpleRules()
{
    static const QList<SimpleRule> kRules = {
        {CardField::Home, Telephone(TelKind::Home), 0, "TEL;HOME"},
        {CardField::Office, Telephone(TelKind::Office), 0, "TEL;WORK"},
        {CardField::Mobile, Telephone(TelKind::Mobile), 0, "TEL;CELL"},
        {CardField::Fax, Telephone(TelKind::Fax), 0, "TEL;FAX"},
        {CardField::Fax2, Telephone(TelKind::Fax), 1, "TEL;FAX"},
        {CardField::Email, Named("EMAIL"), 0, "EMAIL;INTERNET"},
        {CardField::Email2, Named("EMAIL"), 1, "EMAIL;INTERNET"},
        {CardField::Url, Named("URL"), 0, "URL"},
        {CardField::Group, Named("CATEGORIES"), 0, "CATEGORIES"},
        {CardField::Birthday, Named("BDAY"), 0, "BDAY"},
        {CardField::Vip, Named("X-SIEMENS-VIP"), 0, "X-SIEMENS-VIP"},
    };
    return kRules;
}

// Address components: vCard 2.1 has seven (post box, extended, street, city,
// region, post code, country); some phones write just the four they hold.
constexpr int kAddressParts = 7;
constexpr CardField kAddressFields[] = {CardField::Street, CardField::City, CardField::PostCode, CardField::Country};
constexpr int kFullPositions[] = {2, 3, 5, 6};

int AddressPosition(const QStringList &components, int part)
{
    return components.size() == 4 ? part : kFullPositions[part];
}

QString BirthdayText(const QString &text)
{
    QString digits = text.trimmed();
    digits.remove(QLatin1Char('-'));
    return digits.size() >= 8 && digits.left(8).toULongLong() > 0 ? digits.left(8) : text.trimmed();
}

QString NameOf(const CContentObject &object)
{
    const int formatted = object.Find(Named("FN"));
    if (formatted >= 0)
        return object.Text(formatted).trimmed();
    const int structured = object.Find(Named("N"));
    if (structured < 0)
        return {};
    const QStringList parts = object.Components(structured);
    QStringList name{parts.value(1).trimmed(), parts.value(0).trimmed()};
    name.removeAll(QString());
    return name.join(QLatin1Char(' '));
}

void SetOrRemove(CContentObject &object, int index, const QByteArray &head, const QStringList &components)
{
    const bool empty = std::all_of(components.begin(), components.end(), [](const QString &c) { return c.isEmpty(); });
    if (!empty)
        object.Set(index, head, components);
    else if (index >= 0)
        object.Remove(index);
}

} // namespace

std::optional<CVCard> CVCard::Parse(const QByteArray &bytes)
{
    std::optional<CContentObject> object = CContentObject::Parse(bytes, "VCARD");
    if (!object)
        return std::nullopt;
    return CVCard(std::move(*object));
}

CVCard CVCard::New()
{
    return CVCard(CContentObject::Empty("VCARD", "2.1"));
}

CardValues CVCard::Values() const
{
    CardValues values;
    values[CardField::Name] = NameOf(m_object);
    const int address = m_object.Find(Named("ADR"));
    if (address >= 0) {
        const QStringList parts = m_object.Components(address);
        for (int part = 0; part < 4; ++part)
            values[kAddressFields[part]] = parts.value(AddressPosition(parts, part)).trimmed();
    }
    const int company = m_object.Find(Named("ORG"));
    if (company >= 0)
        values[CardField::Company] = m_object.Components(company).value(0).trimmed();
    for (const SimpleRule &rule : SimpleRules()) {
        const int index = m_object.Find(rule.test, rule.occurrence);
        if (index >= 0)
            values[rule.field] = m_object.Text(index).trimmed();
    }
    values[CardField::Birthday] = BirthdayText(values[CardField::Birthday]);
    values[CardField::Vip] = values[CardField::Vip] == QLatin1String("1") ? QStringLiteral("1") : QString();
    return values;
}

void CVCard::Apply(const CardValues &values, const CardChanges &changed)
{
    if (changed[size_t(CardField::Name)]) {
        const QString &name = values[CardField::Name];
        SetOrRemove(m_object, m_object.Find(Named("FN")), "FN", {name});
        m_object.Set(m_object.Find(Named("N")), "N", {name});
    }
    if (std::any_of(std::begin(kAddressFields), std::end(kAddressFields),
                    [&](CardField field) { return changed[size_t(field)]; })) {
        const int index = m_object.Find(Named("ADR"));
        QStringList parts = index >= 0 ? m_object.Components(index) : QStringList();
        if (parts.size() != 4) {
            while (parts.size() < kAddressParts)
                parts.append(QString());
        }
        for (int part = 0; part < 4; ++part)
            parts[AddressPosition(parts, part)] = values[kAddressFields[part]];
        SetOrRemove(m_object, index, "ADR", parts);
    }
    if (changed[size_t(CardField::Company)]) {
        const int index = m_object.Find(Named("ORG"));
        QStringList parts = index >= 0 ? m_object.Components(index) : QStringList{QString()};
        parts[0] = values[CardField::Company];
        SetOrRemove(m_object, index, "ORG", parts);
    }
    for (const SimpleRule &rule : SimpleRules()) {
        if (changed[size_t(rule.field)])
            SetOrRemove(m_object, m_object.Find(rule.test, rule.occurrence), rule.newHead, {values[rule.field]});
    }
}

} // namespace orrin::phone
