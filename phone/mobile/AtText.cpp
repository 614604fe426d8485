// SPDX-License-Identifier: GPL-2.0-or-later
#include "phone/mobile/AtText.h"

#include <QRegularExpression>

#include <algorithm>
#include <cctype>

namespace orrin::phone {
namespace {

constexpr int kHexPerUnit = 4;

bool IsHexText(const QByteArray &text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); });
}

std::optional<QString> FromUcs2Hex(const QByteArray &hex)
{
    if (hex.size() % kHexPerUnit != 0 || !IsHexText(hex))
        return std::nullopt;
    QString text;
    text.reserve(hex.size() / kHexPerUnit);
    for (qsizetype i = 0; i < hex.size(); i += kHexPerUnit)
        text.append(QChar(char16_t(hex.mid(i, kHexPerUnit).toUShort(nullptr, 16))));
    return text;
}

QByteArray ToUcs2Hex(const QString &text)
{
    QByteArray hex;
    hex.reserve(text.size() * kHexPerUnit);
    for (const QChar c : text)
        hex += QByteArray::number(c.unicode(), 16).rightJustified(kHexPerUnit, '0').toUpper();
    return hex;
}

bool IsPlainPrintable(QChar c)
{
    return c.unicode() >= 0x20 && c.unicode() < 0x7f && c != QLatin1Char('"');
}

} // namespace

std::optional<Charset> CharsetNamed(const QByteArray &name)
{
    const QByteArray upper = name.trimmed().toUpper();
    if (upper == "UCS2")
        return Charset::Ucs2;
    if (upper == "GSM")
        return Charset::Gsm;
    return std::nullopt;
}

QByteArray CharsetName(Charset charset)
{
    return charset == Charset::Ucs2 ? "UCS2" : "GSM";
}

std::optional<QString> DecodeAtText(const QByteArray &field, Charset charset)
{
    if (charset == Charset::Ucs2)
        return FromUcs2Hex(field);
    QString text = QString::fromLatin1(field);
    text.removeIf([](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7f; });
    return text;
}

std::optional<QByteArray> EncodeAtText(const QString &text, Charset charset)
{
    if (charset == Charset::Ucs2)
        return ToUcs2Hex(text);
    if (!std::all_of(text.begin(), text.end(), IsPlainPrintable))
        return std::nullopt;
    return text.toLatin1();
}

QString DecodeAtNumber(const QByteArray &field, Charset charset)
{
    const QByteArray trimmed = field.trimmed();
    if (charset == Charset::Gsm)
        return QString::fromLatin1(trimmed);
    const std::optional<QString> decoded = FromUcs2Hex(trimmed);
    if (charset == Charset::Ucs2)
        return decoded.value_or(QString::fromLatin1(trimmed));
    const bool readsAsDigits = decoded && !decoded->isEmpty() && IsDialString(*decoded);
    return readsAsDigits ? *decoded : QString::fromLatin1(trimmed);
}

std::optional<int> AtNumber(const QByteArray &field)
{
    bool ok = false;
    const int value = field.trimmed().toInt(&ok);
    return ok ? std::optional(value) : std::nullopt;
}

bool IsMemoryName(const QByteArray &memory)
{
    static const QRegularExpression kName(QStringLiteral("^[A-Z0-9]{2}$"));
    return kName.match(QString::fromLatin1(memory)).hasMatch();
}

bool IsDialString(const QString &number)
{
    static const QRegularExpression kDialString(QStringLiteral("^\\+?[0-9*#pPwW]*$"));
    return kDialString.match(number).hasMatch();
}

} // namespace orrin::phone
