// SPDX-License-Identifier: GPL-2.0-or-later
#include "views/common/FieldValidator.h"

#include <QHash>

#include <algorithm>

namespace orrin {
namespace {

qsizetype ByteLength(const QString &text)
{
    return text.toLocal8Bit().size();
}

// How often each character other than an ASCII digit occurs.
QHash<QChar, int> NonDigits(const QString &text)
{
    QHash<QChar, int> counts;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            ++counts[c];
    }
    return counts;
}

} // namespace

CFieldValidator::CFieldValidator(int maxBytes, Characters characters, QObject *parent)
    : QValidator(parent), m_nMaxBytes(maxBytes), m_characters(characters)
{
}

void CFieldValidator::SetStartText(const QString &text)
{
    m_strStart = text;
}

QValidator::State CFieldValidator::validate(QString &input, int &) const
{
    return Fits(input) && TypedOnlyDigits(input) ? Acceptable : Invalid;
}

bool CFieldValidator::Fits(const QString &text) const
{
    return ByteLength(text) <= std::max<qsizetype>(m_nMaxBytes, ByteLength(m_strStart));
}

// Every character other than an ASCII digit must have been there at the start.
bool CFieldValidator::TypedOnlyDigits(const QString &text) const
{
    if (m_characters == Characters::Any)
        return true;
    const QHash<QChar, int> start = NonDigits(m_strStart);
    const QHash<QChar, int> now = NonDigits(text);
    return std::all_of(now.keyValueBegin(), now.keyValueEnd(),
                       [&](const auto &entry) { return entry.second <= start.value(entry.first); });
}

} // namespace orrin
