// SPDX-License-Identifier: GPL-2.0-or-later
#include "phonesim/core/SimText.h"

#include <algorithm>
#include <cctype>

namespace phonesim {

QByteArray TextInCharset(const QString &text, const QByteArray &charset)
{
    QByteArray bytes;
    for (const QChar c : text) {
        if (charset == "UCS2")
            bytes += QByteArray::number(c.unicode(), 16).rightJustified(4, '0').toUpper();
        else
            bytes += c.unicode() >= 0x20 && c.unicode() < 0x7f ? c.toLatin1() : '?';
    }
    return bytes;
}

std::optional<QString> TextFromCharset(const QByteArray &bytes, const QByteArray &charset)
{
    if (charset != "UCS2")
        return QString::fromLatin1(bytes);
    const auto isHexDigit = [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; };
    const bool hex = std::all_of(bytes.begin(), bytes.end(), isHexDigit);
    if (!hex || bytes.size() % 4 != 0)
        return std::nullopt;
    QString text;
    for (qsizetype i = 0; i < bytes.size(); i += 4)
        text.append(QChar(char16_t(bytes.mid(i, 4).toUShort(nullptr, 16))));
    return text;
}

QList<QByteArray> SplitArguments(const QByteArray &args)
{
    QList<QByteArray> fields{QByteArray()};
    bool quoted = false;
    for (const char c : args) {
        if (c == '"')
            quoted = !quoted;
        else if (c == ',' && !quoted)
            fields.append(QByteArray());
        else if (quoted || c != ' ')
            fields.last().append(c);
    }
    return fields;
}

std::optional<int> WholeNumber(const QByteArray &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional(value) : std::nullopt;
}

QByteArray Quoted(const QByteArray &text)
{
    return '"' + text + '"';
}

} // namespace phonesim
