// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Short messages as the phone stores and sends them in PDU mode: SMS-DELIVER
// (received) and SMS-SUBMIT (to be sent), each after the service-centre part.
// User data in the GSM 7-bit default alphabet, 8-bit data or UCS2; one
// message only: a text that does not fit is refused, never cut.
//
// Decoding reads only within the bytes given and refuses anything malformed:
// short input, lengths that do not match, unknown message types.

#include <QByteArray>
#include <QString>

#include <optional>

namespace orrin::phone {

// Type-of-address octets.
constexpr quint8 kUnknownNumberType = 0x81;
constexpr quint8 kInternationalNumberType = 0x91;
constexpr quint8 kAlphanumericAddressType = 0xd0;

struct SmsAddress {
    // Digits (and * # a b c) without "+", or the text of an alphanumeric address.
    QString text;
    quint8 type = kUnknownNumberType;

    bool IsInternational() const { return (type & 0x70) == 0x10; }
    bool IsAlphanumeric() const { return (type & 0x70) == 0x50; }
    bool operator==(const SmsAddress &) const = default;
};

enum class SmsKind { Deliver, Submit };
enum class SmsAlphabet { Gsm7, EightBit, Ucs2 };

struct SmsPdu {
    SmsKind kind = SmsKind::Submit;
    SmsAddress serviceCentre;     // empty: the SIM's own centre
    SmsAddress party;             // originator (DELIVER) or destination (SUBMIT)
    bool statusReport = false;    // SUBMIT: a report is asked for; DELIVER: one goes back to the sender
    bool replyPath = false;
    bool rejectDuplicates = false; // SUBMIT only
    bool noMoreMessages = true;    // DELIVER only: the centre holds no more for this phone
    quint8 messageReference = 0;   // SUBMIT only
    quint8 protocolId = 0;
    SmsAlphabet alphabet = SmsAlphabet::Gsm7;
    bool flash = false;            // message class 0: shown at once, not stored
    std::optional<quint8> validity; // SUBMIT only: the relative validity octet
    QString timeStamp;             // DELIVER only: yyMMddhhmmss, empty when the centre's stamp is no time
    int timeZoneQuarters = 0;      // DELIVER only: offset from UTC in quarter hours
    QByteArray userDataHeader;     // without its length octet; empty: none
    QString text;                  // 8-bit data reads as Latin-1

    bool operator==(const SmsPdu &) const = default;
};

// The alphabet a text needs: GSM 7-bit when every character has a septet, else UCS2.
SmsAlphabet AlphabetFor(const QString &text);

// The PDU's bytes: service-centre part, then the TPDU. Nothing when the text
// does not fit in one message or an address cannot be encoded.
std::optional<QByteArray> EncodePdu(const SmsPdu &pdu);
std::optional<SmsPdu> DecodePdu(const QByteArray &bytes);

// The same, as the hexadecimal text the phone exchanges (upper case).
std::optional<QByteArray> EncodePduHex(const SmsPdu &pdu);
std::optional<SmsPdu> DecodePduHex(const QByteArray &hex);

// Octets of the TPDU, the length AT+CMGW and AT+CMGS take: all but the
// service-centre part. -1 for bytes that have no valid service-centre part.
int TpduLength(const QByteArray &bytes);

// Validity codes of the program: 0 "5 minutes", 1 "1 hour", 2 "12 hours",
// 3 "24 hours", 4 "1 week", 5 "Max".
inline constexpr quint8 kValidityOctets[] = {0x00, 0x0b, 0x8f, 0xa7, 0xad, 0xff};
inline constexpr int kMaxValidityCode = 5;
// The relative validity octet of a code; any other code is "Max".
quint8 ValidityOctet(int code);
// The longest code not longer than the octet's period.
int ValidityCode(quint8 octet);

} // namespace orrin::phone
