// SPDX-License-Identifier: GPL-2.0-or-later
#include "stores/common/MediaBuffer.h"

#include <algorithm>
#include <cstring>

namespace orrin {

MediaBuffer::MediaBuffer(int blocks)
    : m_nBlocks(std::max(blocks, 0)), m_data(size_t(m_nBlocks) * MEDIA_BLOCK_SIZE, 0)
{
}

QByteArray MediaBuffer::Bytes() const
{
    return QByteArray(reinterpret_cast<const char *>(m_data.data()), m_nLength);
}

bool MediaBuffer::Fill(const QByteArray &bytes)
{
    if (bytes.size() > Capacity())
        return false;
    std::fill(m_data.begin(), m_data.end(), 0);
    if (!bytes.isEmpty())
        std::memcpy(m_data.data(), bytes.constData(), size_t(bytes.size()));
    m_nLength = int32_t(bytes.size());
    return true;
}

void MediaBuffer::Clear()
{
    Fill({});
}

bool MediaBuffer::TakeLength(int32_t length)
{
    if (length < 0 || length > Capacity()) {
        Clear();
        return false;
    }
    m_nLength = length;
    return true;
}

} // namespace orrin
