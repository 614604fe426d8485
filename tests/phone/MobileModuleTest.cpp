// SPDX-License-Identifier: GPL-2.0-or-later
// The real Mobile and OBEX modules against a simulated phone of each family:
// connection, identity, SIM, clock, the OBEX offer and the protocol trace.
#include "tests/support/PhoneSimProcess.h"
#include "tests/phone/RealModules.h"

#include <QDateTime>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <cstring>
#include <functional>

using namespace orrin::phone::test;
using orrin::test::CPhoneSimProcess;

namespace {

struct FamilyCase {
    const char *family;
    int mobileType;
    const char *model;
    const char *revision;
    const char *imei;
    const char *battery;
    const char *signal;  // -113 + 2 x the seed's rssi
    const char *ownNumber;
    const char *cardNumber;
    const char *imsi;
    const char *serviceCentre;
};

const FamilyCase kOlder{"older", PHONE_FAMILY_OLDER, "S45i", "56", "350123451234560", "60", "-85", "+491701234567",
                        "89490200001234567890", "262011234567890", "491710760000"};
const FamilyCase kNewer{"newer", PHONE_FAMILY_NEWER, "S55", "21", "351234567890128", "85", "-71", "+491729876543",
                        "8949022000765432109", "262027654321098", "491722270333"};

class FamilyTest : public RealModuleTest, public ::testing::WithParamInterface<FamilyCase> {
protected:
    void StartPhone(QStringList extra = {})
    {
        QStringList arguments{QStringLiteral("--family"), QString::fromLatin1(GetParam().family),
                              QStringLiteral("--link"), QStringLiteral("ports/COM1")};
        ASSERT_TRUE(phone.Start(arguments + extra));
    }

    CPhoneSimProcess phone;
};

TEST_P(FamilyTest, ReadsIdentitySimAndClockAndSetsTheClock)
{
    const FamilyCase &c = GetParam();
    StartPhone();
    calls.SetMobileType(c.mobileType);
    ASSERT_TRUE(calls.OpenComms("COM1", 115200));

    MobileInfoTexts info;
    ASSERT_TRUE(info.Read(calls));
    EXPECT_STREQ(info.manufacturer, "SIEMENS");
    EXPECT_STREQ(info.model, c.model);
    EXPECT_STREQ(info.revision, c.revision);
    EXPECT_STREQ(info.imei, c.imei);
    EXPECT_STREQ(info.battery, c.battery);
    EXPECT_STREQ(info.signal, c.signal);
    EXPECT_STREQ(info.ownNumber, c.ownNumber);

    SimInfoTexts sim;
    ASSERT_TRUE(sim.Read(calls));
    EXPECT_STREQ(sim.cardNumber, c.cardNumber);
    EXPECT_STREQ(sim.imsi, c.imsi);
    EXPECT_STREQ(sim.serviceCentre, c.serviceCentre);

    char clock[ME_TIME_SIZE] = {};
    ASSERT_TRUE(calls.GetMETime(clock));
    const QDateTime phoneNow = QDateTime::fromString(QStringLiteral("20") + QString::fromLatin1(clock),
                                                     QStringLiteral("yyyy/MM/dd,HH:mm:ss"));
    EXPECT_LE(qAbs(phoneNow.secsTo(QDateTime::currentDateTime())), 5) << clock;

    ASSERT_TRUE(calls.SetMETime("24/02/29,23:59:58"));
    ASSERT_TRUE(calls.GetMETime(clock));
    const QDateTime setNow = QDateTime::fromString(QStringLiteral("20") + QString::fromLatin1(clock),
                                                   QStringLiteral("yyyy/MM/dd,HH:mm:ss"));
    const QDateTime setTo(QDate(2024, 2, 29), QTime(23, 59, 58));
    EXPECT_GE(setTo.secsTo(setNow), 0) << clock;
    EXPECT_LE(setTo.secsTo(setNow), 5) << clock;

    EXPECT_TRUE(calls.IrdaConnect());
    EXPECT_TRUE(calls.ObexConnect());
    EXPECT_TRUE(calls.CloseComms());
    EXPECT_TRUE(calls.IrdaClose());

    ASSERT_TRUE(phone.Stop());
    // One round trip per question: three for the greeting, seven for the
    // phone, three for the SIM, three for the clock, one for the link; OBEX
    // is a session: AT^SQWE=3, CONNECT, DISCONNECT, AT on the newer family;
    // AT^SBFB=?, AT^SIFS, AT^SBFB=1, the BFB hello, CONNECT, DISCONNECT, AT
    // on the older (its AT^SBFB=0 in a frame is no counted command).
    EXPECT_EQ(phone.Count(QStringLiteral("AT+CGMI")), 1);
    EXPECT_EQ(phone.Count(QStringLiteral("AT+CCLK")), 3);
    EXPECT_EQ(phone.TotalCount(), 3 + 7 + 3 + 3 + 1 + (GetParam().mobileType == 2 ? 4 : 7));
}

TEST_P(FamilyTest, ObexIsOfferedOnlyTheWayTheFamilyOffersIt)
{
    StartPhone();
    calls.SetMobileType(GetParam().mobileType == PHONE_FAMILY_NEWER ? PHONE_FAMILY_OLDER : PHONE_FAMILY_NEWER);
    ASSERT_TRUE(calls.OpenComms("COM1", 115200));
    EXPECT_TRUE(calls.IrdaConnect());
    EXPECT_FALSE(calls.ObexConnect());
    // The refusal is an answer; the line still works.
    char clock[ME_TIME_SIZE] = {};
    EXPECT_TRUE(calls.GetMETime(clock));
}

INSTANTIATE_TEST_SUITE_P(BothFamilies, FamilyTest, ::testing::Values(kOlder, kNewer),
                         [](const auto &info) { return std::string(info.param.family); });

class MobileModuleTest : public RealModuleTest {
protected:
    CPhoneSimProcess phone;
};

TEST_F(MobileModuleTest, ChosenModelIsTheOneReported)
{
    ASSERT_TRUE(phone.Start({"--family", "newer", "--model", "s57", "--link", "ports/COM2"}));
    ASSERT_TRUE(calls.OpenComms("COM2", 57600));
    MobileInfoTexts info;
    ASSERT_TRUE(info.Read(calls));
    EXPECT_STREQ(info.model, "S57");
}

TEST_F(MobileModuleTest, SavedPhoneKeepsItsClockAcrossARestart)
{
    const QString state = folder.FilePath(QStringLiteral("phone.json"));
    const QStringList arguments{"--family", "older", "--state", state, "--save", "--link", "ports/COM1"};
    ASSERT_TRUE(phone.Start(arguments));
    ASSERT_TRUE(calls.OpenComms("COM1", 115200));
    ASSERT_TRUE(calls.SetMETime("30/06/15,08:00:00"));
    calls.CloseComms();
    ASSERT_TRUE(phone.Stop()) << phone.ErrorOutput().toStdString();

    CPhoneSimProcess restarted;
    ASSERT_TRUE(restarted.Start(arguments));
    ASSERT_TRUE(calls.OpenComms("COM1", 115200));
    char clock[ME_TIME_SIZE] = {};
    ASSERT_TRUE(calls.GetMETime(clock));
    EXPECT_TRUE(QByteArray(clock).startsWith("30/06/15,08:00:")) << clock;
}

TEST_F(MobileModuleTest, CallsWithoutAnOpenLineFailAndLeaveEmptyTexts)
{
    MobileInfoTexts info;
    std::memset(info.model, 'x', sizeof info.model);
    EXPECT_FALSE(info.Read(calls));
    EXPECT_STREQ(info.model, "");
    char clock[ME_TIME_SIZE] = {};
    EXPECT_FALSE(calls.GetMETime(clock));
    EXPECT_FALSE(calls.SetMETime("24/02/29,23:59:58"));
    EXPECT_FALSE(calls.IrdaConnect());
    EXPECT_FALSE(calls.ObexConnect());
    EXPECT_TRUE(calls.IrdaClose());
    EXPECT_TRUE(calls.CloseComms());
    EXPECT_FALSE(calls.OpenComms(nullptr, 115200));
    EXPECT_FALSE(calls.OpenComms("COM1", 0));
}

TEST_F(MobileModuleTest, NullPointersAreFailuresOnAWorkingLine)
{
    ASSERT_TRUE(phone.Start({"--family", "newer", "--link", "ports/COM1"}));
    ASSERT_TRUE(calls.OpenComms("COM1", 115200));
    BookCalls book{modules};
    SmsCalls sms{modules};
    char text[64] = {};
    int32_t number = 0;
    SmsRecord record{};
    struct NullCase {
        const char *call;
        std::function<int()> run;
        int failure;
    };
    const NullCase cases[] = {
        {"GetMobileInfo", [&] { return calls.GetMobileInfo(text, text, text, text, text, text, nullptr); }, 0},
        {"GetSIMInfo", [&] { return calls.GetSIMInfo(text, text, nullptr); }, 0},
        {"GetMETime", [&] { return calls.GetMETime(nullptr); }, 0},
        {"SetMETime", [&] { return calls.SetMETime(nullptr); }, 0},
        {"SetMobileEncodeFormat", [&] { return book.SetMobileEncodeFormat(nullptr); }, 0},
        {"SetTeleBookMemo", [&] { return book.SetTeleBookMemo(nullptr); }, -1},
        {"ReadTeleBook", [&] { return book.ReadTeleBook(1, text, nullptr, &number); }, -1},
        {"WriteTeleBook", [&] { return book.WriteTeleBook("112", nullptr, 0); }, 0},
        {"ModifyTeleBook", [&] { return book.ModifyTeleBook(1, nullptr, "A", 0); }, 0},
        {"SetSMSMemoGetSMSNum", [&] { return sms.SetSMSMemoGetSMSNum(nullptr); }, -1},
        {"GetSMSSpace", [&] { return sms.GetSMSSpace(nullptr); }, -1},
        {"ListShortMessage", [&] { return sms.ListShortMessage(nullptr, 1); }, 0},
        {"GetShortMessage", [&] { return sms.GetShortMessage(1, nullptr); }, 0},
        {"SaveShortMessage", [&] { return sms.SaveShortMessage(nullptr, "+4917", 0, 5, 0, 2); }, -1},
        {"SendShortMessage", [&] { return sms.SendShortMessage("Hi", nullptr, 0, 5, 0); }, 0},
    };
    for (const NullCase &nullCase : cases)
        EXPECT_EQ(nullCase.run(), nullCase.failure) << nullCase.call;
    // Unchanged, the same calls succeed on this line.
    EXPECT_TRUE(calls.GetMETime(text));
    EXPECT_EQ(sms.GetShortMessage(1, &record), 1);

    // Detection with nowhere to put its finding does not run.
    ASSERT_TRUE(calls.CloseComms());
    const CScopedEnv devices("ORRIN_SERIAL_DEVICES", phone.Device().toLocal8Bit());
    EXPECT_FALSE(calls.MonitorPhone(nullptr, &number));
    EXPECT_FALSE(calls.MonitorPhone(text, nullptr));
    EXPECT_TRUE(calls.MonitorPhone(text, &number));
}

TEST_F(MobileModuleTest, HostWithoutQtCallsFromAPlainThreadQuietly)
{
    ASSERT_TRUE(phone.Start({"--family", "older", "--link", "ports/COM1"}));
    QProcess host;
    host.start(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("orrin_plain_host")),
               {phone.Device()});
    ASSERT_TRUE(host.waitForFinished(30000));
    EXPECT_EQ(host.exitCode(), 0) << host.readAllStandardOutput().toStdString();
    EXPECT_EQ(host.readAllStandardError(), QByteArray());
}

TEST_F(MobileModuleTest, LongTextsAreCutAtACharacterBoundary)
{
    // A revision of 30 "Ü": 60 bytes in UTF-8 for a 40-byte buffer.
    QFile state(folder.FilePath(QStringLiteral("state.json")));
    ASSERT_TRUE(state.open(QIODevice::WriteOnly));
    state.write(QJsonDocument(QJsonObject{{"family", "older"},
                                          {"identity", QJsonObject{{"revision", QString(30, QChar(0xdc))}}}})
                    .toJson());
    state.close();
    ASSERT_TRUE(phone.Start({"--family", "older", "--state", state.fileName(), "--link", "ports/COM1"}));
    ASSERT_TRUE(calls.OpenComms("COM1", 115200));
    MobileInfoTexts info;
    ASSERT_TRUE(info.Read(calls));
    EXPECT_EQ(QString::fromUtf8(info.revision), QString(19, QChar(0xdc)));
}

TEST_F(MobileModuleTest, TraceRecordsEveryLineWithThePort)
{
    const QString tracePath = folder.FilePath(QStringLiteral("trace.txt"));
    const CScopedEnv trace("ORRIN_TRACE", tracePath.toLocal8Bit());
    ASSERT_TRUE(phone.Start({"--family", "newer", "--link", "ports/COM1"}));
    ASSERT_TRUE(calls.OpenComms("COM1", 115200));
    MobileInfoTexts info;
    ASSERT_TRUE(info.Read(calls));
    calls.CloseComms();

    QFile file(tracePath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral(" COM1 > AT+CGMI\n"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral(" COM1 < SIEMENS\n"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral(" COM1 # opened ") + phone.Device())) << text.toStdString();
}

TEST_F(MobileModuleTest, EveryEntryPointIsExported)
{
    const char *const mobileNames[] = {
        "MonitorPhone", "MonitorComm", "OpenComms", "CloseComms", "GetMobileInfo", "GetSIMInfo", "GetMETime",
        "SetMETime", "SetMobileEncodeFormat", "SetTeleBookMemo", "GetTeleBookNum", "ReadTeleBook",
        "WriteTeleBook", "ModifyTeleBook", "DeleteTeleBook", "SetSMSMemoGetSMSNum", "GetSMSSpace",
        "ListShortMessage", "GetShortMessage", "SaveShortMessage", "SendShortMessage", "SendUnSent",
        "DeleteShortMessage", "GetAddressBookNum", "GetVCF", "ClearVCF", "SetVCF", "GetVCF_S57", "ClearVCF_S57",
        "SetVCF_S57", "GetAdrCaleSpace", "GetVCS", "SetVCS", "ClearVCS", "GetPicture", "SetPicture",
        "ClearPicture", "GetRingTone", "SetRingTone", "ClearRingTone"};
    const char *const obexNames[] = {"SetMobileType", "IrdaConnect", "ObexConnect", "IrdaClose", "GetRoot",
                                     "GetChild", "GetFolderFileNum", "ListingCurrentFolder", "DeleteFolderFile",
                                     "SendFile"};
    for (const char *name : mobileNames)
        EXPECT_TRUE(modules.Mobile(name)) << name;
    for (const char *name : obexNames)
        EXPECT_TRUE(modules.Obex(name)) << name;
}

} // namespace
