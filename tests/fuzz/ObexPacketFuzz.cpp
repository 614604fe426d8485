// SPDX-License-Identifier: GPL-2.0-or-later
// Any bytes as an OBEX packet, with each prefix size a packet can have; a
// packet that decodes must encode back to the same bytes.
#include "phone/obex/ObexPacket.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace orrin::phone::obex;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const int prefix : {0, 2, 4}) {
        const std::optional<ObexPacket> packet = DecodePacket(bytes, prefix);
        if (!packet)
            continue;
        (void)packet->Text(kName);
        (void)packet->Body();
        if (packet->Encode() != bytes)
            std::abort();
    }
    return 0;
}
