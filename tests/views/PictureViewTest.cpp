// SPDX-License-Identifier: GPL-2.0-or-later
// The picture view in a main frame over the module doubles: the folder scan
// and its tiles, the check of a local bitmap before any traffic, the phone's
// two pictures with their operations, and the upload notice.
#include "stores/picture/PictureData.h"
#include "tests/media/MediaBuilders.h"
#include "tests/views/MediaViewFixture.h"
#include "ui/HeaderBar.h"
#include "ui/StepScrollBar.h"
#include "views/picture/PictureWnd.h"

using namespace orrin;
using namespace orrin::test;

namespace {

const QByteArray kPhoneSized = BuildBitmap({.width = 101, .height = 64});
const QColor kGrey{192, 192, 192};

class PictureViewTest : public MediaViewFixture<CPictureWnd> {
protected:
    int ViewCommand() const override { return ID_VIEW_PICTURE; }

    void SetUp() override
    {
        MediaViewFixture::SetUp();
        ThePictureData().MainScreen().Clear();
        ThePictureData().Screensaver().Clear();
    }
    // The calls and boxes a make-main-screen or make-screensaver of one local file gives.
    QStringList SetFromLocal(const QByteArray &file, int command)
    {
        QDir(m_folder.path()).removeRecursively();
        QDir().mkpath(m_folder.path());
        Put(QStringLiteral("logo.bmp"), file);
        frame->RouteCommand(ID_PICTURE_READ_LOCAL);
        Click(0);
        doubles::Reset();
        const qsizetype before = boxes.Texts().size();
        Run(command);
        return doubles::Calls() + boxes.Texts().mid(before);
    }

    QStringList reads; // files the tiles read, for a test that counts them
};

TEST_F(PictureViewTest, FolderScanListsItsBitmapsAndASecondFolderReplacesThem)
{
    EXPECT_EQ(HeaderTitle(*view), QStringLiteral("Picture"));
    g_bBusy.store(1); // another operation runs: the scan waits for it
    frame->RouteCommand(ID_PICTURE_READ_LOCAL);
    EXPECT_TRUE(prompts.isEmpty());
    EXPECT_EQ(g_bBusy.load(), 1);
    g_bBusy.store(0);
    const QString current = QDir::currentPath();
    frame->RouteCommand(ID_PICTURE_READ_LOCAL);
    EXPECT_EQ(prompts, QStringList({"Please select a BMP picture folder"}));
    EXPECT_EQ(QDir::currentPath(), current);
    EXPECT_EQ(HeaderTitle(*view), QStringLiteral("Local Picture"));
    EXPECT_EQ(Grid().TileCount(), 0);
    EXPECT_FALSE(Grid().ScrollBar()->isEnabled());
    EXPECT_EQ(Grid().Render().toImage().pixelColor(40, 40), QColor(Qt::white));

    Put(QStringLiteral("b.BMP"), kPhoneSized);
    Put(QStringLiteral("a.bmp"), BuildBitmap({.width = 200, .height = 150, .bitCount = 8}));
    Put(QStringLiteral("broken.bmp"), QByteArray("BM") + QByteArray(40, '\xff'));
    Put(QStringLiteral("notes.txt"), "no picture");
    ASSERT_TRUE(QDir(m_folder.path()).mkdir(QStringLiteral("folder.bmp")));
    frame->RouteCommand(ID_PICTURE_READ_LOCAL);
    EXPECT_EQ(Captions(), QStringList({"a.bmp", "b.BMP", "broken.bmp"}));
    EXPECT_TRUE(BodyShows(0, Qt::black) && !BodyShows(0, kGrey)); // drawn
    EXPECT_TRUE(BodyShows(2, kGrey));                              // the broken one: its caption in grey
    EXPECT_EQ(g_bBusy.load(), 0);

    QTemporaryDir second;
    chosenFolder = second.path();
    QFile(QDir(m_folder.path()).filePath("b.BMP")).copy(QDir(second.path()).filePath("z.bmp"));
    frame->RouteCommand(ID_PICTURE_READ_LOCAL);
    EXPECT_EQ(Captions(), QStringList({"z.bmp"}));
    EXPECT_EQ(view->LocalPaths(), QStringList({QDir(second.path()).filePath("z.bmp")}));
}

TEST_F(PictureViewTest, OnlyABitmapThePhoneCanShowIsSent)
{
    EXPECT_EQ(SetFromLocal(kPhoneSized, ID_PICTURE_MAIN_SCREEN),
              QStringList({QStringLiteral("SetPicture(0,%1)").arg(kPhoneSized.size())}));
    EXPECT_EQ(SetFromLocal(kPhoneSized, ID_PICTURE_SCREENSAVER),
              QStringList({QStringLiteral("SetPicture(2,%1)").arg(kPhoneSized.size())}));
    EXPECT_EQ(ThePictureData().Screensaver().Bytes(), kPhoneSized);
    const QString mainSize = QStringLiteral("Picture size doesn't match with main screen!");
    EXPECT_EQ(SetFromLocal(BuildBitmap({.width = 112, .height = 74}), ID_PICTURE_MAIN_SCREEN),
              QStringList({mainSize}));
    EXPECT_EQ(SetFromLocal(BuildBitmap({.width = 111, .height = 75}), ID_PICTURE_SCREENSAVER),
              QStringList({"Picture size doesn't match with screensaver!"}));
    EXPECT_EQ(SetFromLocal(BuildBitmap({.width = 16, .height = 16, .bitCount = 4}), ID_PICTURE_MAIN_SCREEN),
              QStringList({mainSize}));
    EXPECT_EQ(SetFromLocal(kPhoneSized + QByteArray(2880, '\0'), ID_PICTURE_MAIN_SCREEN), QStringList({mainSize}));
    EXPECT_EQ(SetFromLocal(QByteArray("BM") + QByteArray(40, '\xff'), ID_PICTURE_MAIN_SCREEN),
              QStringList({mainSize}));
    EXPECT_EQ(g_bBusy.load(), 0);
}

TEST_F(PictureViewTest, PhoneReadShowsBothPicturesAndOffersTheirOperations)
{
    doubles::Reply logo;
    logo.bytes = kPhoneSized;
    doubles::Queue(QStringLiteral("GetPicture"), logo);
    doubles::Queue(QStringLiteral("GetPicture"), doubles::Result(0));
    Run(ID_PICTURE_READ_PHONE);
    EXPECT_EQ(doubles::Calls(), QStringList({"GetPicture(0,2)", "GetPicture(2,2)"}));
    EXPECT_EQ(HeaderTitle(*view), QStringLiteral("Phone Picture"));
    EXPECT_EQ(Captions(), QStringList({"Main screen", "Screensaver"}));
    EXPECT_TRUE(BodyShows(1, kGrey));
    EXPECT_TRUE(BodyShows(0, Qt::black) && !BodyShows(0, kGrey));

    Click(0, Qt::RightButton);
    EXPECT_EQ(Operations(), QStringList({"Set as screensaver=32799", "Clear picture=32800"}));
    Click(1);
    EXPECT_EQ(Operations(), QStringList({"Set as main screen=32798", "Clear picture=32800"}));
    doubles::Reset();
    Run(ID_PICTURE_SCREENSAVER); // the selected tile is not the main screen: nothing
    Run(ID_PICTURE_CLEAR);
    Click(0);
    Run(ID_PICTURE_SCREENSAVER);
    EXPECT_EQ(doubles::Calls(),
              QStringList({"ClearPicture(2)", QStringLiteral("SetPicture(2,%1)").arg(kPhoneSized.size())}));
    EXPECT_EQ(view->findChild<CTaskPane *>()->GroupCount(), 1);
}

TEST_F(PictureViewTest, UploadOfTheSelectedFileEndsWithItsNotice)
{
    Put(QStringLiteral("logo.bmp"), kPhoneSized);
    frame->RouteCommand(ID_PICTURE_READ_LOCAL);
    Click(0);
    EXPECT_EQ(Operations(), QStringList({"Upload to phone=32828", "Set as main screen=32798",
                                         "Set as screensaver=32799"}));
    Run(ID_PICTURE_CLEAR); // clears nothing while local files are shown
    Run(ID_PICTURE_UPLOAD);
    const QString sent = QStringLiteral("SendFile(%1)").arg(QDir(m_folder.path()).filePath("logo.bmp"));
    EXPECT_TRUE(doubles::Calls().contains(sent)) << doubles::Calls().join(u' ').toStdString();
    EXPECT_EQ(boxes.Texts(), QStringList({"Picture was successfully uploaded to /Bitmap."}));
    EXPECT_TRUE(doubles::CallsOf(QStringLiteral("ClearPicture")).isEmpty());
}

TEST_F(PictureViewTest, NarrowWindowShowsOneColumnOfNarrowedTiles)
{
    Put(QStringLiteral("a.bmp"), kPhoneSized);
    Put(QStringLiteral("b.bmp"), kPhoneSized);
    frame->RouteCommand(ID_PICTURE_READ_LOCAL);
    Grid().resize(Grid().width() - Grid().UsableWidth() + 130, Grid().height());
    EXPECT_EQ(Grid().Tile(0)->Rect(), QRect(10, 10, 110, 100));
    EXPECT_EQ(Grid().Tile(1)->Rect().left(), 10);
}

TEST_F(PictureViewTest, TilesOutOfSightAreNotReadFromDisk)
{
    for (int i = 0; i < 40; ++i)
        Put(QStringLiteral("p%1.bmp").arg(i, 2, 10, QLatin1Char('0')), kPhoneSized);
    view->SetFileReader([this](const QString &path, qint64 maxBytes) {
        reads << QFileInfo(path).fileName();
        return ReadLocalFile(path, maxBytes);
    });
    frame->RouteCommand(ID_PICTURE_READ_LOCAL);
    reads.clear();
    Grid().Render();
    ASSERT_FALSE(reads.isEmpty());
    EXPECT_TRUE(reads.contains("p00.bmp"));
    EXPECT_FALSE(reads.contains("p39.bmp"));
    reads.clear();
    Grid().ScrollBar()->setValue(Grid().ScrollBar()->maximum());
    Grid().Render();
    EXPECT_TRUE(reads.contains("p39.bmp"));
    EXPECT_FALSE(reads.contains("p00.bmp"));
}

} // namespace
