// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// One picture or ringtone as the phone module reads and writes it: a data
// block of whole MEDIA_BLOCK_SIZE blocks, zero-filled, and the number of its
// bytes in use.

#include "phone/PhoneApi.h"

#include <QByteArray>

#include <cstdint>
#include <vector>

namespace orrin {

class MediaBuffer {
public:
    explicit MediaBuffer(int blocks);

    int32_t Blocks() const { return m_nBlocks; }
    int32_t Capacity() const { return m_nBlocks * MEDIA_BLOCK_SIZE; }
    int32_t Length() const { return m_nLength; }
    uint8_t *Data() { return m_data.data(); }
    const uint8_t *Data() const { return m_data.data(); }
    // The bytes in use.
    QByteArray Bytes() const;

    // The whole block zeroed, then the bytes copied in; false (and the buffer
    // as it was) when they do not fit.
    bool Fill(const QByteArray &bytes);
    // Zero data, length 0.
    void Clear();
    // Takes the length a module reported; one outside the block empties the
    // buffer and gives false, so no length ever points past the data.
    bool TakeLength(int32_t length);

private:
    int32_t m_nLength = 0;
    int32_t m_nBlocks;
    std::vector<uint8_t> m_data;
};

} // namespace orrin
