// SPDX-License-Identifier: GPL-2.0-or-later
#include "stores/common/TextField.h"

#include <cstring>

namespace orrin {

void CopyTextField(char *field, std::size_t size, QByteArrayView text)
{
    if (size == 0)
        return;
    const auto kept = std::size_t(CharacterBoundary(text, qsizetype(size - 1)));
    if (kept > 0) // an empty view may hold no data pointer at all
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
