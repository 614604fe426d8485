#pragma once
// Texts in fixed-width record fields and buffers: 8-bit text in the system
// encoding (UTF-8 here, the ANSI code page on Windows), zero-terminated. A
// text longer than its field is cut at a character boundary, so the field
// keeps its terminator and no character is left half.

#include <QByteArray>
#include <QString>

#include <cstring>

namespace orrin {

// The longest prefix of text of at most maxBytes bytes that ends on a
// character boundary.
inline QByteArray CutToCharacterBoundary(const QByteArray &text, qsizetype maxBytes)
{
    if (maxBytes <= 0)
        return {};
    if (text.size() <= maxBytes)
        return text;
#if defined(Q_OS_WIN)
    // Double-byte code pages: a byte of 0x80 or more starts a two-byte character.
    qsizetype end = 0;
    while (end < maxBytes) {
        const qsizetype width = static_cast<unsigned char>(text[end]) >= 0x80 ? 2 : 1;
        if (end + width > maxBytes)
            break;
        end += width;
    }
#else
    // UTF-8: step back over continuation bytes to the start of the cut character.
    qsizetype end = maxBytes;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        --end;
#endif
    return text.left(end);
}

// Copies text into a field of the given size, cut to fit with its
// terminator; the rest of the field is zero-filled.
inline void CopyToField(char *field, size_t size, const QByteArray &text)
{
    if (size == 0)
        return;
    const QByteArray cut = CutToCharacterBoundary(text, qsizetype(size) - 1);
    std::memset(field, 0, size);
    std::memcpy(field, cut.constData(), size_t(cut.size()));
}

template <size_t N>
void CopyToField(char (&field)[N], const QString &text)
{
    CopyToField(field, N, text.toLocal8Bit());
}

// The text of a field up to its first zero byte, never past its end.
template <size_t N>
QByteArray FieldBytes(const char (&field)[N])
{
    return QByteArray(field, qsizetype(strnlen(field, N)));
}

template <size_t N>
QString FieldText(const char (&field)[N])
{
    return QString::fromLocal8Bit(FieldBytes(field));
}

} // namespace orrin
