// SPDX-License-Identifier: GPL-2.0-or-later
#include "phone/line/TextFit.h"

#include "phone/TextBoundary.h"

#include <algorithm>
#include <cstring>

namespace orrin::phone {

QByteArray CutToFit(const QString &text, size_t maxBytes)
{
    QByteArray encoded = text.toLocal8Bit();
    encoded.truncate(CharacterBoundary(encoded, qsizetype(std::min<size_t>(maxBytes, size_t(encoded.size())))));
    return encoded;
}

void FitText(const QString &text, char *buffer, size_t size)
{
    if (!buffer || size == 0)
        return;
    const QByteArray bytes = CutToFit(text, size - 1);
    std::memcpy(buffer, bytes.constData(), size_t(bytes.size()));
    buffer[bytes.size()] = '\0';
}

std::optional<QString> CallerText(const char *text, size_t maxBytes)
{
    if (!text)
        return std::nullopt;
    const size_t length = strnlen(text, maxBytes + 1);
    if (length > maxBytes)
        return std::nullopt;
    return QString::fromLocal8Bit(text, qsizetype(length));
}

QString PhoneText(const QByteArray &bytes)
{
    QString text = QString::fromLatin1(bytes);
    text.removeIf([](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7f; });
    return text.trimmed();
}

} // namespace orrin::phone
