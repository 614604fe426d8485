// SPDX-License-Identifier: GPL-2.0-or-later
#include "phone/sms/SmsPdu.h"

#include "phone/sms/Gsm7.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace orrin::phone {
namespace {

constexpr int kMaxAddressDigits = 20;
constexpr int kMaxAlphanumericSeptets = 11;
constexpr int kMaxServiceCentreOctets = 10;
constexpr int kMaxUserDataOctets = 140;
constexpr int kMaxSeptets = 160;
constexpr int kTimeStampOctets = 7;
constexpr int kMaxTimeZoneQuarters = 79;

// First-octet bits.
constexpr quint8 kSubmitType = 0x01;
constexpr quint8 kTypeMask = 0x03;
constexpr quint8 kBit2 = 0x04;  // DELIVER: no more messages; SUBMIT: reject duplicates
constexpr quint8 kValidityMask = 0x18;
constexpr quint8 kRelativeValidity = 0x10;
constexpr quint8 kStatusReportBit = 0x20;
constexpr quint8 kHeaderBit = 0x40;
constexpr quint8 kReplyPathBit = 0x80;

// Data coding: the general group with a message class, by alphabet.
constexpr quint8 kClassBit = 0x10;

const char kDigitChars[] = "0123456789*#abc";

// Reads forward through the bytes, never past their end.
class CPduReader {
public:
    explicit CPduReader(const QByteArray &bytes) : m_bytes(bytes) {}

    std::optional<quint8> Byte()
    {
        if (m_position >= m_bytes.size())
            return std::nullopt;
        return quint8(m_bytes.at(m_position++));
    }
    std::optional<QByteArray> Take(qsizetype count)
    {
        if (count < 0 || count > Remaining())
            return std::nullopt;
        const QByteArray taken = m_bytes.mid(m_position, count);
        m_position += count;
        return taken;
    }
    qsizetype Remaining() const { return m_bytes.size() - m_position; }

private:
    const QByteArray &m_bytes;
    qsizetype m_position = 0;
};

// ---- Addresses ----

std::optional<int> DigitNibble(QChar c)
{
    const char *found = std::find(std::begin(kDigitChars), std::end(kDigitChars) - 1, c.toLatin1());
    if (c.unicode() > 0x7f || found == std::end(kDigitChars) - 1)
        return std::nullopt;
    return int(found - kDigitChars);
}

// Digits as swapped semi-octets, an odd count padded with F.
std::optional<QByteArray> PackDigits(const QString &digits)
{
    if (digits.size() > kMaxAddressDigits)
        return std::nullopt;
    QByteArray octets((digits.size() + 1) / 2, char(0xff));
    for (qsizetype i = 0; i < digits.size(); ++i) {
        const std::optional<int> nibble = DigitNibble(digits.at(i));
        if (!nibble)
            return std::nullopt;
        const quint8 old = quint8(octets.at(i / 2));
        octets[i / 2] = char(i % 2 == 0 ? (old & 0xf0) | *nibble : (old & 0x0f) | (*nibble << 4));
    }
    return octets;
}

// count digits of swapped semi-octets; nothing for a filler inside them.
std::optional<QString> UnpackDigits(const QByteArray &octets, int count)
{
    QString digits;
    for (int i = 0; i < count; ++i) {
        const quint8 octet = quint8(octets.at(i / 2));
        const int nibble = i % 2 == 0 ? octet & 0x0f : octet >> 4;
        if (nibble == 0x0f)
            return std::nullopt;
        digits.append(QLatin1Char(kDigitChars[nibble]));
    }
    return digits;
}

struct AddressValue {
    QByteArray octets;
    int semiOctets = 0;  // digits, or the semi-octets the packed septets fill
};

std::optional<AddressValue> EncodeAddressValue(const SmsAddress &address)
{
    if (!address.IsAlphanumeric()) {
        const std::optional<QByteArray> octets = PackDigits(address.text);
        return octets ? std::optional(AddressValue{*octets, int(address.text.size())}) : std::nullopt;
    }
    const std::optional<QByteArray> septets = ToGsmSeptets(address.text);
    if (!septets || septets->size() > kMaxAlphanumericSeptets)
        return std::nullopt;
    return AddressValue{PackSeptets(*septets), int((septets->size() * 7 + 3) / 4)};
}

std::optional<QString> DecodeAddressValue(const QByteArray &octets, int semiOctets, quint8 type)
{
    SmsAddress address{{}, type};
    if (!address.IsAlphanumeric())
        return UnpackDigits(octets, semiOctets);
    const std::optional<QByteArray> septets = UnpackSeptets(octets, semiOctets * 4 / 7);
    return septets ? std::optional(FromGsmSeptets(*septets)) : std::nullopt;
}

// The service-centre part: its length counts the octets after it.
std::optional<QByteArray> EncodeServiceCentre(const SmsAddress &centre)
{
    if (centre.text.isEmpty())
        return QByteArray(1, '\0');
    const std::optional<AddressValue> value = EncodeAddressValue(centre);
    if (!value)
        return std::nullopt;
    return char(value->octets.size() + 1) + QByteArray(1, char(centre.type)) + value->octets;
}

std::optional<SmsAddress> DecodeServiceCentre(CPduReader &reader)
{
    const std::optional<quint8> length = reader.Byte();
    if (!length || *length > kMaxServiceCentreOctets + 1)
        return std::nullopt;
    if (*length == 0)
        return SmsAddress{};
    const std::optional<quint8> type = reader.Byte();
    const std::optional<QByteArray> octets = reader.Take(*length - 1);
    if (!type || !octets)
        return std::nullopt;
    // A number of odd length ends in a filler; the digit count follows from it.
    const bool filled = !octets->isEmpty() && (quint8(octets->back()) >> 4) == 0x0f;
    const int digits = int(octets->size() * 2) - (filled ? 1 : 0);
    const std::optional<QString> text = DecodeAddressValue(*octets, digits, *type);
    return text ? std::optional(SmsAddress{*text, *type}) : std::nullopt;
}

// The originator or destination: its length counts semi-octets.
std::optional<QByteArray> EncodeParty(const SmsAddress &party)
{
    const std::optional<AddressValue> value = EncodeAddressValue(party);
    if (!value)
        return std::nullopt;
    return char(value->semiOctets) + QByteArray(1, char(party.type)) + value->octets;
}

std::optional<SmsAddress> DecodeParty(CPduReader &reader)
{
    const std::optional<quint8> length = reader.Byte();
    if (!length || *length > kMaxAddressDigits)
        return std::nullopt;
    const std::optional<quint8> type = reader.Byte();
    const std::optional<QByteArray> octets = reader.Take((*length + 1) / 2);
    if (!type || !octets)
        return std::nullopt;
    const std::optional<QString> text = DecodeAddressValue(*octets, *length, *type);
    return text ? std::optional(SmsAddress{*text, *type}) : std::nullopt;
}

// ---- Time stamp ----

std::optional<QByteArray> EncodeTimeStamp(const QString &stamp, int quarters)
{
    const bool digits = stamp.size() == 12 && std::all_of(stamp.begin(), stamp.end(), [](QChar c) {
                            return c >= QLatin1Char('0') && c <= QLatin1Char('9');
                        });
    if (!digits || std::abs(quarters) > kMaxTimeZoneQuarters)
        return std::nullopt;
    QByteArray octets;
    for (int i = 0; i < 12; i += 2)
        octets.append(char((stamp.at(i).unicode() - '0') | ((stamp.at(i + 1).unicode() - '0') << 4)));
    const int offset = std::abs(quarters);
    octets.append(char((offset / 10) | (quarters < 0 ? 0x08 : 0) | ((offset % 10) << 4)));
    return octets;
}

void DecodeTimeStamp(const QByteArray &octets, SmsPdu &pdu)
{
    QString stamp;
    for (int i = 0; i < 6; ++i) {
        const quint8 octet = quint8(octets.at(i));
        if ((octet & 0x0f) > 9 || (octet >> 4) > 9)
            return;
        stamp += QLatin1Char(char('0' + (octet & 0x0f)));
        stamp += QLatin1Char(char('0' + (octet >> 4)));
    }
    pdu.timeStamp = stamp;
    const quint8 zone = quint8(octets.at(6));
    const int tens = zone & 0x07;
    const int units = zone >> 4;
    if (units <= 9)
        pdu.timeZoneQuarters = (zone & 0x08 ? -1 : 1) * (tens * 10 + units);
}

// ---- Data coding ----

quint8 DataCoding(const SmsPdu &pdu)
{
    quint8 dcs = pdu.flash ? kClassBit : 0;
    if (pdu.alphabet == SmsAlphabet::Ucs2)
        dcs |= 0x08;
    else if (pdu.alphabet == SmsAlphabet::EightBit)
        dcs |= 0x04;
    return dcs;
}

// Reads the alphabet and class 0 from the data-coding octet; nothing for
// compressed text.
bool ReadDataCoding(quint8 dcs, SmsPdu &pdu)
{
    const auto alphabetOf = [](int bits) {
        return bits == 1 ? SmsAlphabet::EightBit : bits == 2 ? SmsAlphabet::Ucs2 : SmsAlphabet::Gsm7;
    };
    if ((dcs & 0x80) == 0) {  // general groups, with or without automatic deletion
        if (dcs & 0x20)
            return false;
        pdu.alphabet = alphabetOf((dcs >> 2) & 0x03);
        pdu.flash = (dcs & kClassBit) && (dcs & 0x03) == 0;
    } else if ((dcs & 0xf0) == 0xf0) {
        pdu.alphabet = dcs & 0x04 ? SmsAlphabet::EightBit : SmsAlphabet::Gsm7;
        pdu.flash = (dcs & 0x03) == 0;
    } else {  // message waiting groups; reserved groups read as GSM 7-bit
        pdu.alphabet = (dcs & 0xf0) == 0xe0 ? SmsAlphabet::Ucs2 : SmsAlphabet::Gsm7;
    }
    return true;
}

// ---- User data ----

// Septets a header of this many octets (with its length octet) takes.
int HeaderSeptets(qsizetype headerOctets)
{
    return int((headerOctets * 8 + 6) / 7);
}

std::optional<QByteArray> EncodeUserData(const SmsPdu &pdu)
{
    const QByteArray header = pdu.userDataHeader.isEmpty()
                                  ? QByteArray()
                                  : char(pdu.userDataHeader.size()) + pdu.userDataHeader;
    if (header.size() > kMaxUserDataOctets)
        return std::nullopt;
    if (pdu.alphabet == SmsAlphabet::Gsm7) {
        const std::optional<QByteArray> septets = ToGsmSeptets(pdu.text);
        const int headerSeptets = HeaderSeptets(header.size());
        if (!septets || headerSeptets + septets->size() > kMaxSeptets)
            return std::nullopt;
        const int fillBits = int(headerSeptets * 7 - header.size() * 8);
        return char(headerSeptets + septets->size()) + header + PackSeptets(*septets, fillBits);
    }
    QByteArray payload;
    if (pdu.alphabet == SmsAlphabet::Ucs2) {
        for (const QChar c : pdu.text)
            payload += char(c.unicode() >> 8) + QByteArray(1, char(c.unicode() & 0xff));
    } else {
        if (std::any_of(pdu.text.begin(), pdu.text.end(), [](QChar c) { return c.unicode() > 0xff; }))
            return std::nullopt;
        payload = pdu.text.toLatin1();
    }
    if (header.size() + payload.size() > kMaxUserDataOctets)
        return std::nullopt;
    return char(header.size() + payload.size()) + header + payload;
}

// The header and its length octet from the front of the user data.
std::optional<QByteArray> ReadHeader(const QByteArray &data)
{
    if (data.isEmpty() || quint8(data.at(0)) + 1 > data.size())
        return std::nullopt;
    return data.mid(1, quint8(data.at(0)));
}

bool DecodeGsmUserData(int septetCount, const QByteArray &data, bool hasHeader, SmsPdu &pdu)
{
    if (septetCount > kMaxSeptets || data.size() != (septetCount * 7 + 7) / 8)
        return false;
    int skipSeptets = 0;
    int fillBits = 0;
    QByteArray packed = data;
    if (hasHeader) {
        const std::optional<QByteArray> header = ReadHeader(data);
        if (!header)
            return false;
        pdu.userDataHeader = *header;
        const qsizetype headerOctets = header->size() + 1;
        skipSeptets = HeaderSeptets(headerOctets);
        fillBits = int(skipSeptets * 7 - headerOctets * 8);
        packed = data.mid(headerOctets);
    }
    const std::optional<QByteArray> septets = UnpackSeptets(packed, septetCount - skipSeptets, fillBits);
    if (septetCount < skipSeptets || !septets)
        return false;
    pdu.text = FromGsmSeptets(*septets);
    return true;
}

bool DecodeOctetUserData(int length, const QByteArray &data, bool hasHeader, SmsPdu &pdu)
{
    if (length > kMaxUserDataOctets || data.size() != length)
        return false;
    QByteArray payload = data;
    if (hasHeader) {
        const std::optional<QByteArray> header = ReadHeader(data);
        if (!header)
            return false;
        pdu.userDataHeader = *header;
        payload = data.mid(header->size() + 1);
    }
    if (pdu.alphabet == SmsAlphabet::EightBit) {
        pdu.text = QString::fromLatin1(payload);
        return true;
    }
    if (payload.size() % 2 != 0)
        return false;
    pdu.text.clear();
    for (qsizetype i = 0; i < payload.size(); i += 2)
        pdu.text.append(QChar(char16_t((quint8(payload.at(i)) << 8) | quint8(payload.at(i + 1)))));
    return true;
}

bool DecodeUserData(CPduReader &reader, bool hasHeader, SmsPdu &pdu)
{
    const std::optional<quint8> length = reader.Byte();
    const std::optional<QByteArray> data = reader.Take(reader.Remaining());
    if (!length || !data)
        return false;
    if (pdu.alphabet == SmsAlphabet::Gsm7)
        return DecodeGsmUserData(*length, *data, hasHeader, pdu);
    return DecodeOctetUserData(*length, *data, hasHeader, pdu);
}

// ---- Whole messages ----

quint8 FirstOctet(const SmsPdu &pdu)
{
    quint8 octet = (pdu.statusReport ? kStatusReportBit : 0) | (pdu.userDataHeader.isEmpty() ? 0 : kHeaderBit) |
                   (pdu.replyPath ? kReplyPathBit : 0);
    if (pdu.kind == SmsKind::Deliver)
        return octet | (pdu.noMoreMessages ? kBit2 : 0);
    return octet | kSubmitType | (pdu.rejectDuplicates ? kBit2 : 0) | (pdu.validity ? kRelativeValidity : 0);
}

bool DecodeDeliver(CPduReader &reader, SmsPdu &pdu)
{
    const std::optional<SmsAddress> originator = DecodeParty(reader);
    const std::optional<quint8> protocolId = reader.Byte();
    const std::optional<quint8> dcs = reader.Byte();
    const std::optional<QByteArray> stamp = reader.Take(kTimeStampOctets);
    if (!originator || !protocolId || !dcs || !stamp || !ReadDataCoding(*dcs, pdu))
        return false;
    pdu.party = *originator;
    pdu.protocolId = *protocolId;
    DecodeTimeStamp(*stamp, pdu);
    return true;
}

bool DecodeSubmit(CPduReader &reader, quint8 firstOctet, SmsPdu &pdu)
{
    const std::optional<quint8> reference = reader.Byte();
    const std::optional<SmsAddress> destination = DecodeParty(reader);
    const std::optional<quint8> protocolId = reader.Byte();
    const std::optional<quint8> dcs = reader.Byte();
    if (!reference || !destination || !protocolId || !dcs || !ReadDataCoding(*dcs, pdu))
        return false;
    pdu.messageReference = *reference;
    pdu.party = *destination;
    pdu.protocolId = *protocolId;
    const quint8 validityFormat = firstOctet & kValidityMask;
    if (validityFormat == kRelativeValidity) {
        pdu.validity = reader.Byte();
        return pdu.validity.has_value();
    }
    // Enhanced and absolute periods take seven octets; the program has no code for them.
    return validityFormat == 0 || reader.Take(kTimeStampOctets).has_value();
}

bool IsHexText(const QByteArray &hex)
{
    return hex.size() % 2 == 0 &&
           std::all_of(hex.begin(), hex.end(), [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); });
}

} // namespace

SmsAlphabet AlphabetFor(const QString &text)
{
    return ToGsmSeptets(text) ? SmsAlphabet::Gsm7 : SmsAlphabet::Ucs2;
}

std::optional<QByteArray> EncodePdu(const SmsPdu &pdu)
{
    const std::optional<QByteArray> centre = EncodeServiceCentre(pdu.serviceCentre);
    const std::optional<QByteArray> party = EncodeParty(pdu.party);
    const std::optional<QByteArray> userData = EncodeUserData(pdu);
    if (!centre || !party || !userData)
        return std::nullopt;
    QByteArray bytes = *centre;
    bytes += char(FirstOctet(pdu));
    if (pdu.kind == SmsKind::Submit)
        bytes += char(pdu.messageReference);
    bytes += *party;
    bytes += char(pdu.protocolId);
    bytes += char(DataCoding(pdu));
    if (pdu.kind == SmsKind::Deliver) {
        const std::optional<QByteArray> stamp = EncodeTimeStamp(pdu.timeStamp, pdu.timeZoneQuarters);
        if (!stamp)
            return std::nullopt;
        bytes += *stamp;
    } else if (pdu.validity) {
        bytes += char(*pdu.validity);
    }
    return bytes + *userData;
}

std::optional<SmsPdu> DecodePdu(const QByteArray &bytes)
{
    CPduReader reader(bytes);
    SmsPdu pdu;
    const std::optional<SmsAddress> centre = DecodeServiceCentre(reader);
    const std::optional<quint8> firstOctet = reader.Byte();
    if (!centre || !firstOctet)
        return std::nullopt;
    pdu.serviceCentre = *centre;
    pdu.statusReport = *firstOctet & kStatusReportBit;
    pdu.replyPath = *firstOctet & kReplyPathBit;
    const bool hasHeader = *firstOctet & kHeaderBit;
    bool read = false;
    switch (*firstOctet & kTypeMask) {
    case 0:
        pdu.kind = SmsKind::Deliver;
        pdu.noMoreMessages = *firstOctet & kBit2;
        read = DecodeDeliver(reader, pdu);
        break;
    case kSubmitType:
        pdu.kind = SmsKind::Submit;
        pdu.rejectDuplicates = *firstOctet & kBit2;
        read = DecodeSubmit(reader, *firstOctet, pdu);
        break;
    default:  // status reports, commands and reserved types
        return std::nullopt;
    }
    if (!read || !DecodeUserData(reader, hasHeader, pdu))
        return std::nullopt;
    return pdu;
}

std::optional<QByteArray> EncodePduHex(const SmsPdu &pdu)
{
    const std::optional<QByteArray> bytes = EncodePdu(pdu);
    return bytes ? std::optional(bytes->toHex().toUpper()) : std::nullopt;
}

std::optional<SmsPdu> DecodePduHex(const QByteArray &hex)
{
    if (!IsHexText(hex))
        return std::nullopt;
    return DecodePdu(QByteArray::fromHex(hex));
}

int TpduLength(const QByteArray &bytes)
{
    if (bytes.isEmpty() || quint8(bytes.at(0)) + 1 >= bytes.size())
        return -1;
    return int(bytes.size() - 1 - quint8(bytes.at(0)));
}

quint8 ValidityOctet(int code)
{
    return code >= 0 && code <= kMaxValidityCode ? kValidityOctets[code] : kValidityOctets[kMaxValidityCode];
}

int ValidityCode(quint8 octet)
{
    int code = 0;
    while (code < kMaxValidityCode && kValidityOctets[code + 1] <= octet)
        ++code;
    return code;
}

} // namespace orrin::phone
