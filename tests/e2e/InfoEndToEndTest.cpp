// SPDX-License-Identifier: GPL-2.0-or-later
// The information view end to end: the real frame and view, the real phone
// modules and the simulated phone on a pseudo-terminal.
#include "views/info/InfoContent.h"
#include "views/info/InfoWnd.h"
#include "tests/e2e/SimulatedPhoneFixture.h"

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>

using namespace orrin;
using namespace orrin::test;

namespace {

const QDateTime kPhoneClock(QDate(2004, 12, 25), QTime(10, 11, 12));

class InfoEndToEndTest : public SimulatedPhoneFixture {
protected:
    void SetUp() override
    {
        SimulatedPhoneFixture::SetUp();
        WriteSettings("[User]\r\nPhone type=S55(Europe,Latin America)\r\nCountry=Japan\r\n"
                      "[Connection]\r\nConnect device=COM1\r\nBaudrate=115200\r\n");
        StartPhone("COM1", {"--family", "newer", "--state", WriteClockState()});
        StartProgram();
        m_content = FrameView<CInfoWnd>(*m_frame)->findChild<CInfoContent *>();
    }

    // A newer-family phone (the rest from its seed) with its clock on
    // Christmas 2004.
    QString WriteClockState()
    {
        QJsonObject state;
        state["family"] = "newer";
        state["clock"] = QJsonObject{{"offsetSeconds", QDateTime::currentDateTime().secsTo(kPhoneClock)}};
        const QString path = m_dir.filePath("phone.json");
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(QJsonDocument(state).toJson());
        return path;
    }

    CInfoContent *m_content = nullptr;
};

TEST_F(InfoEndToEndTest, ConnectReadShowAndSynchroniseTheClock)
{
    CBoxRecorder boxes;
    Run(ID_CONNECT);
    ASSERT_EQ(g_bConnected.load(), 1) << (boxes.Boxes().isEmpty() ? "" : boxes.Boxes()[0].text.toStdString());
    EXPECT_EQ(ToolbarAction(*m_frame, 0)->text(), "&Disconnect");

    Run(ID_INFO_PHONE);
    InfoTexts texts = m_content->Texts();
    EXPECT_EQ(texts[kManufacturer], "SIEMENS");
    EXPECT_EQ(texts[kModel], "S55");
    EXPECT_EQ(texts[kSoftwareVersion], "21");
    EXPECT_EQ(texts[kImei], "351234567890128");
    EXPECT_EQ(texts[kBattery], "85");
    EXPECT_EQ(texts[kSignal], "-71");
    EXPECT_EQ(SignalPictureId(texts[kSignal]), 179);

    m_frame->RouteCommand(ID_INFO_SIM);
    EXPECT_EQ(m_content->Section(), kSimSection) << "the section switches before the answer";
    ASSERT_TRUE(WaitUntil([&] { return Idle(); }, 10000));
    texts = m_content->Texts();
    EXPECT_EQ(texts[kCardNumber], "8949022000765432109");
    EXPECT_EQ(texts[kImsi], "262027654321098");
    EXPECT_EQ(texts[kServiceCenter], "491722270333") << "shown with a \"+\" before it";

    Run(ID_INFO_TIME);
    EXPECT_TRUE(m_content->PhoneTimeText().startsWith("December 25, 2004, 10:1")) << m_content->PhoneTimeText().toStdString();

    FrameView<CInfoWnd>(*m_frame)->SyncToLocalTime();
    ASSERT_TRUE(WaitUntil([&] { return Idle(); }, 10000));
    EXPECT_TRUE(m_content->PhoneTimeText().startsWith("December 25, 2004")) << "the time read just before setting";

    Run(ID_INFO_TIME); // read back from the phone
    QString raw = m_content->Texts()[kPhoneTime];
    QDateTime phone = QDateTime::fromString(raw, "yy/MM/dd,HH:mm:ss").addYears(100);
    EXPECT_LT(std::abs(phone.secsTo(QDateTime::currentDateTime())), 30) << raw.toStdString();
    EXPECT_TRUE(boxes.Boxes().isEmpty());
}

TEST_F(InfoEndToEndTest, RefusedSimReadIsShownAndChangesNothing)
{
    m_phone.Stop();
    StartPhone("COM1", {"--family", "newer", "--fault", "error=AT^SCID:10"});
    CBoxRecorder boxes;
    Run(ID_CONNECT);
    ASSERT_EQ(g_bConnected.load(), 1);
    Run(ID_INFO_SIM);
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].text, "Unable to read SIM card information!");
    EXPECT_EQ(m_content->Texts()[kCardNumber], "");
}

// The phone answers the connection and one identity read, then nothing.
TEST_F(InfoEndToEndTest, SilentPhoneFailsTheReadAndKeepsTheTextsReadBefore)
{
    m_phone.Stop();
    StartPhone("COM1", {"--family", "newer", "--fault", "silent-after=15"});
    CBoxRecorder boxes;
    Run(ID_CONNECT);
    ASSERT_EQ(g_bConnected.load(), 1);
    Run(ID_INFO_PHONE);
    ASSERT_EQ(m_content->Texts()[kModel], "S55");
    Run(ID_INFO_PHONE);
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].text, "Unable to read phone information!");
    EXPECT_EQ(m_content->Texts()[kManufacturer], "SIEMENS");
    EXPECT_EQ(m_content->Texts()[kModel], "S55");
}

} // namespace
