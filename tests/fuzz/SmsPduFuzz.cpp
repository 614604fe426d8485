// SPDX-License-Identifier: GPL-2.0-or-later
// Any bytes as a PDU, raw and as the phone's hexadecimal text: decoded or
// refused; whatever decodes and encodes again must decode once more.
#include "phone/mobile/SmsRecords.h"
#include "phone/sms/SmsPdu.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void CheckDecoded(const std::optional<orrin::phone::SmsPdu> &pdu)
{
    if (!pdu)
        return;
    if (const std::optional<QByteArray> again = orrin::phone::EncodePdu(*pdu)) {
        if (!orrin::phone::DecodePdu(*again) || orrin::phone::TpduLength(*again) < 0)
            std::abort();
    }
    orrin::phone::StoredMessage message;
    message.pdu = pdu;
    SmsRecord record{};
    orrin::phone::FillSmsRecord(message, record);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    CheckDecoded(orrin::phone::DecodePdu(bytes));
    CheckDecoded(orrin::phone::DecodePduHex(bytes));
    (void)orrin::phone::TpduLength(bytes);
    return 0;
}
