#include "stores/common/TextField.h"

#include <cstring>

namespace orrin {
namespace {

qsizetype Utf8SequenceLength(unsigned char lead)
{
    if (lead >= 0xF0 && lead <= 0xF7)
        return 4;
    if (lead >= 0xE0)
        return lead <= 0xEF ? 3 : 1;
    if (lead >= 0xC0)
        return 2;
    return 1; // ASCII, or a stray continuation byte
}

qsizetype CharacterLength(QByteArrayView text, qsizetype at, TextEncoding encoding)
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

} // namespace

TextEncoding SystemTextEncoding()
{
#if defined(Q_OS_WIN)
    return TextEncoding::DoubleByte;
#else
    return TextEncoding::Utf8;
#endif
}

qsizetype CharacterBoundary(QByteArrayView text, qsizetype limit, TextEncoding encoding)
{
    if (text.size() <= limit)
        return text.size();
    qsizetype end = 0;
    while (end < limit) {
        const qsizetype next = end + CharacterLength(text, end, encoding);
        if (next > limit)
            break;
        end = next;
    }
    return end;
}

void CopyTextField(char *field, std::size_t size, QByteArrayView text)
{
    if (size == 0)
        return;
    const auto kept = std::size_t(CharacterBoundary(text, qsizetype(size - 1)));
    std::memmove(field, text.data(), kept);
    std::memset(field + kept, 0, size - kept);
}

QByteArrayView TextFieldView(const char *field, std::size_t size)
{
    const void *terminator = std::memchr(field, 0, size);
    const std::size_t length = terminator ? std::size_t(static_cast<const char *>(terminator) - field) : size;
    return QByteArrayView(field, qsizetype(length));
}

} // namespace orrin
