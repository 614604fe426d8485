// SPDX-License-Identifier: GPL-2.0-or-later
// The information view over the module doubles: reads, sections, clocks,
// the signal picture and the clock synchronisation.
#include "tests/doubles/DoubleControl.h"
#include "views/info/InfoContent.h"
#include "views/info/InfoWnd.h"
#include "ui/LinkLabel.h"
#include "ui/Look.h"
#include "app/MainFrame.h"
#include "resources/Resources.h"
#include "ui/TaskPane.h"
#include "tests/support/FrameParts.h"
#include "tests/support/TestSupport.h"
#include "ui/WaitWnd.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

using namespace orrin;
using namespace orrin::test;
using doubles::Reply;

namespace {

Reply Texts(std::vector<QByteArray> texts, long result = 1)
{
    Reply reply = doubles::Result(result);
    reply.texts = std::move(texts);
    return reply;
}

bool AllWhite(const QImage &image, const QRect &area)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixelColor(x, y) != QColor(Qt::white))
                return false;
        }
    }
    return true;
}

TEST(PhoneTimeTest, LongFormAndRewrittenRawText)
{
    QString raw = "04/12/25,10:11:12+04";
    EXPECT_EQ(FormatPhoneTime(&raw), "December 25, 2004, 10:11:12");
    EXPECT_EQ(raw, "04/12/25,10:11:12");

    raw = "49/01/02,03:04:05";
    EXPECT_EQ(FormatPhoneTime(&raw), "January 02, 2049, 03:04:05");
    raw = "50/06/30,23:59:59";
    EXPECT_EQ(FormatPhoneTime(&raw), "June 30, 1950, 23:59:59");
    raw = "99/13/01,00:00:00";
    EXPECT_EQ(FormatPhoneTime(&raw), " 01, 1999, 00:00:00") << "an unknown month has no name";

    raw = "";
    EXPECT_EQ(FormatPhoneTime(&raw), "");
    raw = "04/1"; // a short answer must not read past its end
    FormatPhoneTime(&raw);
    EXPECT_EQ(raw, "04/1,::");
}

TEST(SignalPictureTest, RangesOfTheFivePictures)
{
    EXPECT_EQ(SignalPictureId("-113"), 180);
    EXPECT_EQ(SignalPictureId("-112"), 177);
    EXPECT_EQ(SignalPictureId("-92"), 177);
    EXPECT_EQ(SignalPictureId("-91"), 178);
    EXPECT_EQ(SignalPictureId("-72"), 178);
    EXPECT_EQ(SignalPictureId("-71"), 179);
    EXPECT_EQ(SignalPictureId("-52"), 179);
    EXPECT_EQ(SignalPictureId("-51"), 176);
    EXPECT_EQ(SignalPictureId("-50"), 0);
    EXPECT_EQ(SignalPictureId("-114"), 0);
    EXPECT_EQ(SignalPictureId(""), 0);
}

class InfoViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        InitResources();
        doubles::Reset();
        ResetSharedState();
        m_previousDir = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
        QFile settings(m_dir.filePath("setting.ini"));
        ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
        settings.write("[User]\r\nPhone type=S55(Europe,Latin America)\r\nCountry=Japan\r\n"
                       "[Connection]\r\nConnect device=COM1\r\nBaudrate=115200\r\n");
        settings.close();
        frame = std::make_unique<CMainFrame>();
        frame->resize(900, 600);
        frame->show();
        ASSERT_TRUE(WaitUntil([] { return !g_strPhoneType.Get().isEmpty(); })) << "first paint loads the settings";
        frame->StartWorker();
        view = FrameView<CInfoWnd>(*frame);
        content = view->findChild<CInfoContent *>();
    }
    void TearDown() override
    {
        frame.reset();
        QDir::setCurrent(m_previousDir);
    }

    void Connect()
    {
        frame->RouteCommand(ID_CONNECT);
        ASSERT_TRUE(WaitUntil([] { return g_bConnected.load() == 1 && !g_bBusy.load(); }));
        ASSERT_TRUE(WaitUntil([] { return TheWaitWindow() == nullptr; }));
    }

    // Runs a view command and waits until its answer has been shown.
    void RunAndWait(int command)
    {
        frame->RouteCommand(command);
        ASSERT_TRUE(WaitUntil([] { return g_bBusy.load() == 0 && g_nCommand.load() == 0; }));
    }

    QTemporaryDir m_dir;
    QString m_previousDir;
    std::unique_ptr<CMainFrame> frame;
    CInfoWnd *view = nullptr;
    CInfoContent *content = nullptr;
};

TEST_F(InfoViewTest, LayoutOfPaneHeaderAndContent)
{
    view->resize(800, 500);
    EXPECT_EQ(view->findChild<CTaskPane *>()->geometry(), QRect(0, 0, 200, 500));
    EXPECT_EQ(content->geometry(), QRect(200, 20, 600, 480));
    EXPECT_EQ(content->findChild<CLinkLabel *>()->geometry(), QRect(300, 290, 150, 20));
    EXPECT_EQ(view->findChild<CTaskPane *>()->GroupCount(), 1);
}

TEST_F(InfoViewTest, ContentPaintsTheSignalPictureAndTheServiceCentreSign)
{
    InfoTexts texts;
    texts[kSignal] = "-51";
    content->SetTexts(texts);
    const QRect picture = content->SignalPictureRect();
    const QImage strongest = content->grab().toImage();
    QImage onWhite(picture.size(), QImage::Format_RGB32);
    onWhite.fill(Qt::white);
    QPainter(&onWhite).drawImage(0, 0, QImage(BitmapPath(176)));
    EXPECT_EQ(strongest.copy(picture).convertToFormat(QImage::Format_RGB32), onWhite);
    // Nothing of the picture where a long local number is written, one row down.
    const QFontMetrics metrics(DialogFont(15));
    const QRect numberBox(350, 170, metrics.horizontalAdvance("+49 170 12345678901234"), metrics.height());
    EXPECT_TRUE(AllWhite(strongest, numberBox));
    EXPECT_GE(picture.left(), 350 + metrics.horizontalAdvance("-51dBm")) << "right of the signal value";
    texts[kSignal] = "-50";
    content->SetTexts(texts);
    EXPECT_TRUE(content->SignalPictureRect().isEmpty());
    EXPECT_TRUE(AllWhite(content->grab().toImage(), picture)) << "no picture for -50";

    content->SetSection(kSimSection);
    const QImage withoutCentre = content->grab().toImage();
    texts[kServiceCenter] = "491722270333";
    content->SetTexts(texts);
    EXPECT_NE(content->grab().toImage(), withoutCentre) << "the SIM section shows the service centre";
}

TEST_F(InfoViewTest, ReadingWhileNotConnectedAsksToConnect)
{
    CBoxRecorder boxes;
    frame->RouteCommand(ID_INFO_SIM);
    ASSERT_TRUE(WaitUntil([&] { return boxes.Boxes().size() == 1; }));
    EXPECT_EQ(boxes.Boxes()[0].text, "Mobilephone is not connected. \nPlease Connect first.");
    EXPECT_EQ(content->Section(), kPhoneSection);
    EXPECT_TRUE(doubles::CallsOf("GetSIMInfo").isEmpty());
}

TEST_F(InfoViewTest, PhoneInformationArrivesInTheContent)
{
    Connect();
    doubles::Queue("GetMobileInfo", Texts({"SIEMENS", "S55", "21", "350123456789012", "80", "-71", ""}));
    RunAndWait(ID_INFO_PHONE);
    EXPECT_EQ(content->Texts()[kManufacturer], "SIEMENS");
    EXPECT_EQ(content->Texts()[kSignal], "-71");
    EXPECT_EQ(SignalPictureId(content->Texts()[kSignal]), 179);
    EXPECT_EQ(TheWaitWindow(), nullptr);
}

TEST_F(InfoViewTest, SimSectionSwitchesAtOnceAndKeepsTheOldTextsUntilTheAnswer)
{
    Connect();
    doubles::Queue("GetSIMInfo", Texts({"8949", "26201", "491710760000"}));
    RunAndWait(ID_INFO_SIM);
    EXPECT_EQ(content->Texts()[kServiceCenter], "491710760000");

    CBoxRecorder boxes;
    frame->RouteCommand(ID_INFO_PHONE);
    ASSERT_TRUE(WaitUntil([] { return g_bBusy.load() == 0; }));
    doubles::Queue("GetSIMInfo", Texts({}, 0));
    frame->RouteCommand(ID_INFO_SIM);
    EXPECT_EQ(content->Section(), kSimSection) << "switched before the answer";
    EXPECT_EQ(content->Texts()[kCardNumber], "8949");
    ASSERT_TRUE(WaitUntil([&] { return boxes.Boxes().size() == 1; }));
    EXPECT_EQ(boxes.Boxes()[0].text, "Unable to read SIM card information!");
    EXPECT_EQ(content->Texts()[kCardNumber], "8949") << "a failed read keeps the previous texts";
    EXPECT_EQ(g_bBusy.load(), 0);
}

TEST_F(InfoViewTest, LocalTimeStaysBlankUntilThePhoneClockWasRead)
{
    Connect();
    view->ShowLocalTime();
    EXPECT_EQ(content->LocalTimeText(), "");
    doubles::Queue("GetMETime", Texts({"04/12/25,10:11:12"}));
    RunAndWait(ID_INFO_TIME);
    EXPECT_EQ(content->PhoneTimeText(), "December 25, 2004, 10:11:12");
    view->ShowLocalTime();
    EXPECT_TRUE(content->LocalTimeText().contains(QString::number(QDate::currentDate().year())));
}

TEST_F(InfoViewTest, SyncLinkSetsTheClockAndShowsTheTimeReadBefore)
{
    Connect();
    doubles::Queue("GetMETime", Texts({"03/02/01,04:05:06"}));
    QTest::mouseClick(content->findChild<CLinkLabel *>(), Qt::LeftButton);
    ASSERT_TRUE(WaitUntil([] { return !doubles::CallsOf("SetMETime").isEmpty() && g_bBusy.load() == 0; }));
    const QString sent = doubles::CallsOf("SetMETime")[0].mid(10, 17);
    QDateTime set = QDateTime::fromString(sent, "yy/MM/dd,HH:mm:ss");
    set = set.addYears(100); // two-digit years read as 19xx
    EXPECT_LT(std::abs(set.secsTo(QDateTime::currentDateTime())), 60) << sent.toStdString();
    ASSERT_TRUE(WaitUntil([&] { return content->PhoneTimeText() == "February 01, 2003, 04:05:06"; }));
}

TEST_F(InfoViewTest, SyncWhileACommandWaitsOverwritesNothing)
{
    Connect();
    g_bBusy.store(1);
    g_nCommand.store(kInfoReadTime); // a read still waiting in the slot
    frame->StopWorker();
    view->SyncToLocalTime();
    EXPECT_EQ(g_nCommand.load(), kInfoReadTime);
    EXPECT_EQ(TheWaitWindow(), nullptr);
    g_nCommand.store(0);
}

} // namespace
