// SPDX-License-Identifier: GPL-2.0-or-later
// The simulated phone's numbered objects and the start-up commands of a
// general-purpose client: what it answers, what it keeps, what it refuses.
#include "phonesim/core/SimSession.h"

#include <gtest/gtest.h>

using namespace phonesim;

namespace {

const char kCtrlZ = 0x1a;

QByteArray Text(const SimOutput &output)
{
    QByteArray text;
    for (const SimChunk &chunk : output.chunks)
        text += chunk.bytes;
    return text;
}

class SimObjectTest : public ::testing::TestWithParam<SimFamily> {
protected:
    void SetUp() override { Send("ATE0\rAT+CMEE=1\r"); }

    QByteArray Send(const QByteArray &bytes) { return Text(session.Feed(bytes)); }
    SimObjectMemory &Memory(const QByteArray &type) { return phone.State().objects.memories[type]; }
    QByteArray Empty() const { return GetParam() == SimFamily::Newer ? "\r\n+CME ERROR: 100\r\n" : "\r\nOK\r\n"; }

    CSimPhone phone{SeedState(GetParam())};
    CCommandTable table = CommandTableFor(GetParam());
    CSimSession session{phone, table, {}};
};

TEST_P(SimObjectTest, ObjectsReadInNumberedPartsAndEmptySlotsAsTheFamilyAnswers)
{
    const QByteArray ranges = Send("AT^SBNR=?\r");
    EXPECT_TRUE(ranges.startsWith("\r\n^SBNR: (\"bmp\",(0-3)),(\"mid\",(0-4)),(\"vcf\",(0-")) << ranges.toStdString();
    const QByteArray tone = Memory("mid").entries.value(1);
    ASSERT_GT(tone.size(), 2 * 176);
    const QByteArray answer = Send("AT^SBNR=\"mid\",1\r");
    const int parts = int((tone.size() + 175) / 176);
    EXPECT_TRUE(answer.startsWith("\r\n^SBNR: \"mid\",1,1," + QByteArray::number(parts) + "\r\n\r\n" +
                                  tone.left(176).toHex().toUpper() + "\r\n"));
    EXPECT_TRUE(answer.endsWith(tone.mid((parts - 1) * 176).toHex().toUpper() + "\r\n\r\nOK\r\n"));
    EXPECT_EQ(Send("AT^SBNR=\"mid\",0\r"), Empty());
    EXPECT_EQ(Send("AT^SBNR=\"bmp\",2\r"), Empty()) << "no screensaver";
    EXPECT_EQ(Send("AT^SBNR=\"mid\",5\r"), "\r\n+CME ERROR: 21\r\n");
    EXPECT_EQ(Send("AT^SBNR=\"txt\",0\r"), "\r\n+CME ERROR: 4\r\n");
}

TEST_P(SimObjectTest, AnObjectIsKeptOnlyWhenEveryPartArrivedInOrder)
{
    const QByteArray card = "BEGIN:VCARD\r\nVERSION:2.1\r\nN:" + QByteArray(400, 'x') + "\r\nEND:VCARD\r\n";
    const QByteArray first = card.left(176).toHex();
    const QByteArray second = card.mid(176, 176).toHex();
    const QByteArray third = card.mid(352).toHex();
    EXPECT_EQ(Send("AT^SBNW=\"vcf\",1,1,3\r"), "\r\n> ");
    EXPECT_EQ(Send(first + kCtrlZ), "\r\nOK\r\n");
    // Part 3 before part 2 ends the upload; nothing is kept.
    EXPECT_EQ(Send("AT^SBNW=\"vcf\",1,3,3\r"), "\r\n+CME ERROR: 100\r\n");
    EXPECT_EQ(Send("AT^SBNW=\"vcf\",1,2,3\r"), "\r\n+CME ERROR: 100\r\n");
    EXPECT_FALSE(Memory("vcf").entries.contains(1));
    for (const auto &[part, data] : {std::pair(1, first), std::pair(2, second), std::pair(3, third)}) {
        EXPECT_EQ(Send("AT^SBNW=\"vcf\",1," + QByteArray::number(part) + ",3\r"), "\r\n> ");
        EXPECT_EQ(Send(data + kCtrlZ), "\r\nOK\r\n");
        EXPECT_EQ(Memory("vcf").entries.contains(1), part == 3);
    }
    EXPECT_EQ(Memory("vcf").entries.value(1), card);
    EXPECT_EQ(Send("AT^SBNW=\"vcf\",1,0\r"), "\r\nOK\r\n");
    EXPECT_FALSE(Memory("vcf").entries.contains(1));

    // What the phone does not take: no vCard, no 1-bit bitmap, no hex, too big a part.
    EXPECT_EQ(Send("AT^SBNW=\"vcf\",1,1,1\r"), "\r\n> ");
    EXPECT_EQ(Send("4E3A41" + QByteArray(1, kCtrlZ)), "\r\n+CME ERROR: 100\r\n");
    EXPECT_EQ(Send("AT^SBNW=\"bmp\",2,1,1\r"), "\r\n> ");
    EXPECT_EQ(Send(QByteArray("BM").toHex() + QByteArray(120, '0') + kCtrlZ), "\r\n+CME ERROR: 100\r\n");
    EXPECT_EQ(Send("AT^SBNW=\"mid\",0,1,1\r"), "\r\n> ");
    EXPECT_EQ(Send("4D5G" + QByteArray(1, kCtrlZ)), "\r\n+CME ERROR: 100\r\n");
    EXPECT_EQ(Send("AT^SBNW=\"mid\",0,1,1\r"), "\r\n> ");
    EXPECT_EQ(Send(QByteArray(509, 'M').toHex() + kCtrlZ), "\r\n+CME ERROR: 100\r\n");
    EXPECT_FALSE(Memory("mid").entries.contains(0));
    EXPECT_FALSE(Memory("bmp").entries.contains(2));
}

TEST_P(SimObjectTest, FullMemoryTakesNoNewObjectButAChangedOne)
{
    SimObjectMemory &events = Memory("vcs");
    events.capacity = int(events.entries.size());
    const int used = events.entries.firstKey();
    const int free = used + 1;
    ASSERT_FALSE(events.entries.contains(free));
    EXPECT_EQ(Send("AT^SBNW=\"vcs\"," + QByteArray::number(free) + ",1,1\r"), "\r\n+CME ERROR: 20\r\n");
    EXPECT_EQ(Send("AT^SBNW=\"vcs\"," + QByteArray::number(used) + ",1,1\r"), "\r\n> ");
    const QByteArray event = "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
    EXPECT_EQ(Send(event.toHex() + kCtrlZ), "\r\nOK\r\n");
    EXPECT_EQ(events.entries.value(used), event);
}

TEST_P(SimObjectTest, StartUpCommandsOfAGeneralClientAreAnswered)
{
    EXPECT_EQ(Send("AT+CFUN?\r"), "\r\n+CFUN: 1\r\n\r\nOK\r\n");
    EXPECT_EQ(Send("AT+CFUN=1\r"), "\r\nOK\r\n");
    EXPECT_EQ(Send("AT+CPIN?\r"), "\r\n+CPIN: READY\r\n\r\nOK\r\n");
    EXPECT_EQ(Send("AT+CHUP=?\r"), "\r\nOK\r\n");
    EXPECT_EQ(Send("AT+CREG?\r"), "\r\n+CREG: 0,1\r\n\r\nOK\r\n");
    EXPECT_TRUE(Send("AT+COPS?\r").startsWith("\r\n+COPS: 0,0,\"")) << "the operator by name";
    EXPECT_TRUE(Send("AT+CNMI=?\r").startsWith("\r\n+CNMI: ("));
    EXPECT_TRUE(Send("AT+CPMS=?\r").startsWith("\r\n+CPMS: (\""));
    EXPECT_TRUE(Send("AT+CSCS=?\r").contains("\"UCS2\""));
    EXPECT_TRUE(Send("AT+CPBS=?\r").contains("\"SM\""));
    EXPECT_EQ(Send("AT+CGMI=?\r"), "\r\nOK\r\n");
    EXPECT_EQ(Send("AT+CFUN=4\r"), "\r\n+CME ERROR: 4\r\n");
    EXPECT_EQ(Send("AT+CGATT?\r"), "\r\nERROR\r\n") << "no GPRS commands";
}

INSTANTIATE_TEST_SUITE_P(BothFamilies, SimObjectTest, ::testing::Values(SimFamily::Older, SimFamily::Newer),
                         [](const auto &info) { return info.param == SimFamily::Older ? "older" : "newer"; });

TEST(SimObjectFaultTest, BusyPhoneRefusesObjectWrites)
{
    CSimPhone phone{SeedState(SimFamily::Newer)};
    const CCommandTable table = CommandTableFor(SimFamily::Newer);
    FaultPlan faults;
    QString error;
    ASSERT_TRUE(AddFault(faults, QStringLiteral("error=^SBNW:BUSY"), &error)) << error.toStdString();
    CSimSession session{phone, table, faults};
    EXPECT_EQ(Text(session.Feed("AT^SBNW=\"bmp\",0,0\r")), "AT^SBNW=\"bmp\",0,0\r\r\n+CME ERROR: PHONE BUSY\r\n");
    EXPECT_TRUE(phone.State().objects.memories.value("bmp").entries.contains(0));
}

} // namespace
