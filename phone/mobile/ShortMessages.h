// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Short messages of the selected memory over AT in PDU mode: selection with
// the count and capacity, listing, reading, storing, sending and deleting.
// PDU mode is switched on once per line, before the first message command.

#include "phone/line/AtEngine.h"
#include "phone/sms/SmsPdu.h"

#include <QList>

#include <optional>

namespace orrin::phone {

// Message states as the phone numbers them (AT+CMGL, AT+CMGW).
enum MessageStatus : int { kReceivedUnread = 0, kReceivedRead = 1, kStoredUnsent = 2, kStoredSent = 3 };

struct StoredMessage {
    int location = 0;
    int status = kReceivedRead;
    // Nothing when the phone's PDU could not be read (malformed, or of a kind
    // the program does not show); the message is still listed.
    std::optional<SmsPdu> pdu;
};

struct MemoryUsage {
    int used = 0;
    int total = 0;
};

// The answer lines of AT+CMGL: each "+CMGL: <index>,<stat>,[<alpha>],<length>"
// line with the PDU line after it. Headers that make no sense are skipped.
QList<StoredMessage> ParseMessageList(const QList<QByteArray> &lines);
// The answer lines of AT+CMGR for the location.
std::optional<StoredMessage> ParseMessageRead(const QList<QByteArray> &lines, int location);
// "3,10,3,10,3,10" (AT+CPMS) -> 3 used of 10 in the first memory.
std::optional<MemoryUsage> ParseMemoryUsage(const QByteArray &value);

class CShortMessages {
public:
    // Time the phone may take to hand a message to the network.
    static constexpr int kNetworkWaitMs = 30000;

    // Selects the memory ("ME", "SM") for reading, writing and receiving.
    std::optional<MemoryUsage> Select(CAtEngine &engine, const QByteArray &memory);
    // The messages of the selected memory; expected sizes the wait.
    std::optional<QList<StoredMessage>> List(CAtEngine &engine, int expected);
    std::optional<StoredMessage> Read(CAtEngine &engine, int location);
    // The location the message went to; 0 when the memory is full; -1 when it failed.
    int Store(CAtEngine &engine, const SmsPdu &pdu, int status);
    bool Send(CAtEngine &engine, const SmsPdu &pdu);
    bool SendStored(CAtEngine &engine, int location);
    bool Delete(CAtEngine &engine, int location);

private:
    bool EnsurePduMode(CAtEngine &engine);

    bool m_pduMode = false;
};

} // namespace orrin::phone
