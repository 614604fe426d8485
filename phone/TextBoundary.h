// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Where a text in the system's 8-bit encoding may be cut without splitting a
// character. Shared by the phone modules (texts handed to the caller's
// buffers) and the stores (the records' text fields): one rule for both.
// Header-only, Qt Core only.

#include <QByteArrayView>
#include <QtGlobal>

namespace orrin {

// How the bytes of a text form characters.
enum class TextEncoding {
    Utf8,      // a lead byte tells the length of its sequence
    DoubleByte // a byte of 0x80 or more starts a two-byte character
};

inline TextEncoding SystemTextEncoding()
{
#if defined(Q_OS_WIN)
    return TextEncoding::DoubleByte;
#else
    return TextEncoding::Utf8;
#endif
}

namespace text_boundary {

inline qsizetype Utf8SequenceLength(unsigned char lead)
{
    if (lead >= 0xF0 && lead <= 0xF7)
        return 4;
    if (lead >= 0xE0)
        return lead <= 0xEF ? 3 : 1;
    if (lead >= 0xC0)
        return 2;
    return 1; // ASCII, or a stray continuation byte
}

inline qsizetype CharacterLength(QByteArrayView text, qsizetype at, TextEncoding encoding)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    if (encoding == TextEncoding::DoubleByte)
        return lead >= 0x80 ? 2 : 1;
    const qsizetype length = Utf8SequenceLength(lead);
    for (qsizetype i = 1; i < length; ++i) {
        if (at + i >= text.size() || (static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80)
            return 1; // a broken sequence: its lead byte stands alone
    }
    return length;
}

} // namespace text_boundary

// The length of the longest start of text that fits in limit bytes without
// splitting a character. Bytes that start no valid sequence count as one.
inline qsizetype CharacterBoundary(QByteArrayView text, qsizetype limit,
                                   TextEncoding encoding = SystemTextEncoding())
{
    if (text.size() <= limit)
        return text.size();
    qsizetype end = 0;
    while (end < limit) {
        const qsizetype next = end + text_boundary::CharacterLength(text, end, encoding);
        if (next > limit)
            break;
        end = next;
    }
    return end;
}

} // namespace orrin
