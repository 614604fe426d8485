// SPDX-License-Identifier: GPL-2.0-or-later
// The short-message codec: the public PDU examples, round trips of every
// field the program uses, the limits of one message, and malformed input.
#include "phone/sms/Gsm7.h"
#include "phone/sms/SmsPdu.h"

#include <gtest/gtest.h>

using namespace orrin::phone;

namespace {

// Public examples (3GPP 23.040 and widely published dumps).
const QByteArray kPublicSubmit = "0011000B916407281553F80000AA0AE8329BFD4697D9EC37";
const QByteArray kPublicDeliver = "07917283010010F5040BC87238880900F10000993092516195800AE8329BFD4697D9EC37";

// Made with an independent encoder.
// DELIVER from +4917612345678, 04/03/15 10:30:45 +01:00, GSM text with extension characters.
const QByteArray kExtensionDeliver = "00040D91947116325476F80000403051010354401347B9DF53066D509BF22605DAF0DEEB8D0F";
// SUBMIT to +79161234567, UCS2, class 0, report asked, 24 hours.
const QByteArray kUcs2FlashSubmit =
    "0031000B919761214365F70018A71E041F04400438043204350442002C0020043C04380440002100204F60597D";
// DELIVER from the alphanumeric sender "Siemens", 03/12/24 23:59:59 -05:00.
const QByteArray kAlphanumericDeliver = "00040DD0D374B95D76CF0100003021423295950A08D7327BFC6E9743";
// DELIVER with a concatenation header (reference 42, part 1 of 2): the text starts after a fill bit.
const QByteArray kHeaderDeliver = "00440A919451113254000050101000000000160500032A0201A061391DF47697416F33887E7F03";

SmsPdu Submit(const QString &text, bool ucs2 = false)
{
    SmsPdu pdu;
    pdu.kind = SmsKind::Submit;
    pdu.party = {QStringLiteral("491701234567"), kInternationalNumberType};
    pdu.alphabet = ucs2 ? SmsAlphabet::Ucs2 : SmsAlphabet::Gsm7;
    pdu.validity = 0xff;
    pdu.text = text;
    return pdu;
}

SmsPdu RoundTrip(const SmsPdu &pdu)
{
    const std::optional<QByteArray> hex = EncodePduHex(pdu);
    EXPECT_TRUE(hex);
    const std::optional<SmsPdu> decoded = DecodePduHex(hex.value_or(QByteArray()));
    EXPECT_TRUE(decoded) << hex.value_or("").toStdString();
    return decoded.value_or(SmsPdu{});
}

TEST(SmsPduTest, PublicSubmitDecodesAndEncodesBackByteForByte)
{
    const std::optional<SmsPdu> pdu = DecodePduHex(kPublicSubmit);
    ASSERT_TRUE(pdu);
    EXPECT_EQ(pdu->kind, SmsKind::Submit);
    EXPECT_TRUE(pdu->serviceCentre.text.isEmpty());
    EXPECT_EQ(pdu->party.text, "46708251358");
    EXPECT_TRUE(pdu->party.IsInternational());
    EXPECT_EQ(pdu->alphabet, SmsAlphabet::Gsm7);
    EXPECT_EQ(pdu->validity, quint8(0xaa));
    EXPECT_FALSE(pdu->statusReport);
    EXPECT_FALSE(pdu->flash);
    EXPECT_EQ(pdu->text, "hellohello");
    EXPECT_EQ(EncodePduHex(*pdu), kPublicSubmit);
    EXPECT_EQ(TpduLength(QByteArray::fromHex(kPublicSubmit)), 23);
    // Four days is no code of the program: the longest code within it, 24 hours.
    EXPECT_EQ(ValidityCode(*pdu->validity), 3);
}

TEST(SmsPduTest, PublicDeliverDecodesAndEncodesBackByteForByte)
{
    const std::optional<SmsPdu> pdu = DecodePduHex(kPublicDeliver);
    ASSERT_TRUE(pdu);
    EXPECT_EQ(pdu->kind, SmsKind::Deliver);
    EXPECT_EQ(pdu->serviceCentre, (SmsAddress{QStringLiteral("27381000015"), kInternationalNumberType}));
    EXPECT_EQ(pdu->party, (SmsAddress{QStringLiteral("27838890001"), 0xc8}));
    EXPECT_FALSE(pdu->party.IsInternational());
    EXPECT_EQ(pdu->timeStamp, "990329151659");
    EXPECT_EQ(pdu->timeZoneQuarters, 8);
    EXPECT_FALSE(pdu->validity);
    EXPECT_EQ(pdu->text, "hellohello");
    EXPECT_EQ(EncodePduHex(*pdu), kPublicDeliver);
    EXPECT_EQ(TpduLength(QByteArray::fromHex(kPublicDeliver)), 28);
}

TEST(SmsPduTest, IndependentlyMadeMessagesDecodeAndEncodeBack)
{
    const std::optional<SmsPdu> extension = DecodePduHex(kExtensionDeliver);
    ASSERT_TRUE(extension);
    EXPECT_EQ(extension->text, QStringLiteral("Grüße {€} [ok]"));
    EXPECT_EQ(extension->party.text, "4917612345678");
    EXPECT_EQ(extension->timeStamp, "040315103045");
    EXPECT_EQ(extension->timeZoneQuarters, 4);

    const std::optional<SmsPdu> flash = DecodePduHex(kUcs2FlashSubmit);
    ASSERT_TRUE(flash);
    EXPECT_EQ(flash->text, QStringLiteral("Привет, мир! 你好"));
    EXPECT_EQ(flash->alphabet, SmsAlphabet::Ucs2);
    EXPECT_TRUE(flash->flash);
    EXPECT_TRUE(flash->statusReport);
    EXPECT_EQ(flash->validity, quint8(0xa7));

    const std::optional<SmsPdu> named = DecodePduHex(kAlphanumericDeliver);
    ASSERT_TRUE(named);
    EXPECT_TRUE(named->party.IsAlphanumeric());
    EXPECT_EQ(named->party.text, "Siemens");
    EXPECT_EQ(named->timeZoneQuarters, -20);
    EXPECT_EQ(named->text, "Welcome!");

    const std::optional<SmsPdu> part = DecodePduHex(kHeaderDeliver);
    ASSERT_TRUE(part);
    EXPECT_EQ(part->userDataHeader, QByteArray::fromHex("00032A0201"));
    EXPECT_EQ(part->text, "Part one of two");

    for (const QByteArray &hex : {kExtensionDeliver, kUcs2FlashSubmit, kAlphanumericDeliver, kHeaderDeliver})
        EXPECT_EQ(EncodePduHex(*DecodePduHex(hex)), hex);
}

TEST(SmsPduTest, EveryValidityCodeRoundTrips)
{
    const quint8 expected[] = {0x00, 0x0b, 0x8f, 0xa7, 0xad, 0xff};
    for (int code = 0; code <= kMaxValidityCode; ++code) {
        SmsPdu pdu = Submit(QStringLiteral("valid"));
        pdu.validity = ValidityOctet(code);
        EXPECT_EQ(pdu.validity, expected[code]);
        const SmsPdu back = RoundTrip(pdu);
        ASSERT_TRUE(back.validity);
        EXPECT_EQ(ValidityCode(*back.validity), code);
    }
    // Codes the program does not know are "Max"; octets between codes take the shorter one.
    EXPECT_EQ(ValidityOctet(6), 0xff);
    EXPECT_EQ(ValidityOctet(-1), 0xff);
    EXPECT_EQ(ValidityCode(0x0a), 0);
    EXPECT_EQ(ValidityCode(0xa8), 3);
    EXPECT_EQ(ValidityCode(0xfe), 4);
}

TEST(SmsPduTest, BothAlphabetsClassZeroAndReportRoundTrip)
{
    const QString gsm = QStringLiteral("@£$¥ Δ_ΦΓ {}[]~^|\\€ äöüß ÄÖÜ ¿¡ \r\n");
    EXPECT_EQ(AlphabetFor(gsm), SmsAlphabet::Gsm7);
    const QString unicode = QStringLiteral("Ёлка 中文 😀");
    EXPECT_EQ(AlphabetFor(unicode), SmsAlphabet::Ucs2);

    for (const bool flash : {false, true}) {
        for (const bool report : {false, true}) {
            for (const QString &text : {gsm, unicode}) {
                SmsPdu pdu = Submit(text, AlphabetFor(text) == SmsAlphabet::Ucs2);
                pdu.flash = flash;
                pdu.statusReport = report;
                EXPECT_EQ(RoundTrip(pdu), pdu);
            }
        }
    }
    // The bits on the wire: first octet 0x31 (report, relative validity), class 0 codings 0x10 and 0x18.
    SmsPdu pdu = Submit(QStringLiteral("x"));
    pdu.flash = true;
    pdu.statusReport = true;
    EXPECT_TRUE(EncodePduHex(pdu)->startsWith("0031"));
    EXPECT_EQ(EncodePdu(pdu)->at(12), 0x10);
    pdu.alphabet = SmsAlphabet::Ucs2;
    EXPECT_EQ(EncodePdu(pdu)->at(12), 0x18);
}

TEST(SmsPduTest, DeliverWithReportIndicationAndNationalNumberRoundTrips)
{
    SmsPdu pdu;
    pdu.kind = SmsKind::Deliver;
    pdu.serviceCentre = {QStringLiteral("491722270333"), kInternationalNumberType};
    pdu.party = {QStringLiteral("0301234567"), kUnknownNumberType};
    pdu.statusReport = true;
    pdu.timeStamp = QStringLiteral("051231235959");
    pdu.timeZoneQuarters = -14;
    pdu.text = QStringLiteral("Grüße aus Köln");
    pdu.alphabet = AlphabetFor(pdu.text);
    EXPECT_EQ(RoundTrip(pdu), pdu);
}

TEST(SmsPduTest, ATextThatNeedsTwoMessagesIsRefused)
{
    EXPECT_TRUE(EncodePdu(Submit(QString(160, QLatin1Char('a')))));
    EXPECT_FALSE(EncodePdu(Submit(QString(161, QLatin1Char('a')))));
    // Characters of the extension table take two septets each.
    EXPECT_TRUE(EncodePdu(Submit(QString(80, QChar(0x20ac)))));
    EXPECT_FALSE(EncodePdu(Submit(QString(80, QChar(0x20ac)) + QLatin1Char('a'))));
    EXPECT_TRUE(EncodePdu(Submit(QString(70, QChar(0x4e2d)), true)));
    EXPECT_FALSE(EncodePdu(Submit(QString(71, QChar(0x4e2d)), true)));
    // A character without a septet cannot go as GSM text.
    EXPECT_FALSE(EncodePdu(Submit(QStringLiteral("中"))));
    // A 160-septet text exactly fills 140 octets.
    EXPECT_EQ(TpduLength(*EncodePdu(Submit(QString(160, QLatin1Char('a'))))), 13 + 1 + 140);
}

TEST(SmsPduTest, AddressesThatCannotBeEncodedAreRefused)
{
    SmsPdu pdu = Submit(QStringLiteral("x"));
    pdu.party.text = QStringLiteral("49170-1234");
    EXPECT_FALSE(EncodePdu(pdu));
    pdu.party.text = QString(21, QLatin1Char('1'));
    EXPECT_FALSE(EncodePdu(pdu));
    pdu.party.text = QString(20, QLatin1Char('1'));
    EXPECT_TRUE(EncodePdu(pdu));
    pdu.party = {QStringLiteral("TwelveLetter"), kAlphanumericAddressType};
    EXPECT_FALSE(EncodePdu(pdu));
    pdu.party.text.chop(1);
    EXPECT_EQ(RoundTrip(pdu).party.text, "TwelveLette");
    // An empty destination is a draft without recipient.
    pdu.party = {};
    EXPECT_EQ(RoundTrip(pdu).party.text, "");
}

TEST(SmsPduTest, EveryShortenedMessageIsRefused)
{
    for (const QByteArray &hex : {kPublicSubmit, kPublicDeliver, kUcs2FlashSubmit, kHeaderDeliver}) {
        const QByteArray bytes = QByteArray::fromHex(hex);
        for (qsizetype length = 0; length < bytes.size(); ++length)
            EXPECT_FALSE(DecodePdu(bytes.left(length))) << hex.toStdString() << " cut to " << length;
        EXPECT_FALSE(DecodePdu(bytes + '\0')) << "one octet too many";
    }
}

TEST(SmsPduTest, DamagedMessagesNeverReadPastTheirEnd)
{
    // Every octet of every example set to values that break lengths and
    // types; each damaged PDU is either refused or read within its bytes (an
    // address-sanitizer build watches the reads), and what reads encodes again
    // unless its time stamp is no time.
    for (const QByteArray &hex :
         {kPublicSubmit, kPublicDeliver, kUcs2FlashSubmit, kHeaderDeliver, kAlphanumericDeliver}) {
        const QByteArray bytes = QByteArray::fromHex(hex);
        for (qsizetype at = 0; at < bytes.size(); ++at) {
            for (const char value : {'\x00', '\x01', '\x0b', '\x40', '\x7f', '\x8c', '\xa0', '\xd0', '\xff'}) {
                QByteArray damaged = bytes;
                damaged[at] = value;
                const std::optional<SmsPdu> pdu = DecodePdu(damaged);
                const bool stamped = pdu && !(pdu->kind == SmsKind::Deliver && pdu->timeStamp.isEmpty());
                if (stamped) {
                    EXPECT_TRUE(EncodePdu(*pdu)) << damaged.toHex().toStdString();
                }
            }
        }
    }
}

TEST(SmsPduTest, MalformedTextAndLengthsAreRefused)
{
    EXPECT_FALSE(DecodePduHex(kPublicSubmit.chopped(1)));         // odd length
    EXPECT_FALSE(DecodePduHex(QByteArray(kPublicSubmit).replace(4, 2, "G0")));
    EXPECT_FALSE(DecodePduHex(""));
    // User data length larger and smaller than the data.
    EXPECT_FALSE(DecodePduHex(QByteArray(kPublicSubmit).replace(28, 2, "0B")));
    EXPECT_FALSE(DecodePduHex(QByteArray(kPublicSubmit).replace(28, 2, "08")));
    // 161 septets, more than one message holds, however many octets follow.
    EXPECT_FALSE(DecodePduHex("0001000B916407281553F80000A1" + QByteArray(282, 'A')));
    // A destination of 21 digits; a service centre longer than the rest.
    EXPECT_FALSE(DecodePduHex(QByteArray(kPublicSubmit).replace(6, 2, "15")));
    EXPECT_FALSE(DecodePduHex("0C91" + kPublicSubmit.mid(2)));
    // UCS2 data of odd length; a header longer than the user data.
    EXPECT_FALSE(DecodePduHex("0011000B916407281553F80008AA03004100"));
    EXPECT_FALSE(DecodePduHex("0051000B916407281553F80008AA0209FF"));
    // A filler inside a number.
    EXPECT_FALSE(DecodePduHex(QByteArray(kPublicSubmit).replace(10, 2, "F4")));
    // Status reports and reserved types are no messages the program lists.
    EXPECT_FALSE(DecodePduHex("0002" + kPublicSubmit.mid(4)));
    EXPECT_FALSE(DecodePduHex("0003" + kPublicSubmit.mid(4)));
    // Compressed text.
    EXPECT_FALSE(DecodePduHex(QByteArray(kPublicSubmit).replace(24, 2, "20")));
    EXPECT_EQ(TpduLength(QByteArray::fromHex("05")), -1);
}

TEST(SmsPduTest, ATimeStampThatIsNoTimeLeavesTheTimeEmpty)
{
    const std::optional<SmsPdu> pdu = DecodePduHex(QByteArray(kPublicDeliver).replace(38, 2, "F9"));
    ASSERT_TRUE(pdu);
    EXPECT_TRUE(pdu->timeStamp.isEmpty());
    EXPECT_EQ(pdu->text, "hellohello");
    EXPECT_FALSE(EncodePdu(*pdu));
}

TEST(SmsPduTest, SeptetsPackLeastSignificantBitFirst)
{
    const QByteArray septets = *ToGsmSeptets(QStringLiteral("hellohello"));
    EXPECT_EQ(PackSeptets(septets).toHex().toUpper(), "E8329BFD4697D9EC37");
    EXPECT_EQ(UnpackSeptets(PackSeptets(septets, 3), 10, 3), septets);
    EXPECT_FALSE(UnpackSeptets(QByteArray(8, '\0'), 10));
    // An escape before an unknown code reads as the main table's character; a trailing escape is dropped.
    EXPECT_EQ(FromGsmSeptets(QByteArray("\x1b\x41", 2)), "A");
    EXPECT_EQ(FromGsmSeptets(QByteArray("\x41\x1b", 2)), "A");
    EXPECT_EQ(ToGsmSeptets(QStringLiteral("€"))->toHex(), "1b65");
}

} // namespace
