// SPDX-License-Identifier: GPL-2.0-or-later
// The tile grid: layout in the window, painting, scrolling, resizing,
// selection, the right button of each member and rebuilding.

#include "ui/ControlId.h"
#include "link/SharedState.h"
#include "ui/StepScrollBar.h"
#include "tests/support/TestSupport.h"
#include "ui/Tile.h"
#include "ui/TileGrid.h"
#include "tests/ui/UiFixture.h"

#include <QTest>
#include <QWheelEvent>

#include <tuple>

namespace orrin::test {
namespace {

constexpr int kThumb = kPinnedMetrics.scrollThumbWidth;

// A member grid with numbered tiles and a record of its clicks.
class CTestGrid : public CTileGrid {
public:
    using CTileGrid::CTileGrid;

    int tilesToMake = 0;
    bool rebuildOnClick = false;
    QList<std::tuple<int, Qt::MouseButton>> clicks; // tile index (-1 for none), button
    int doubleClicks = 0;

    void SetTiles(int count)
    {
        tilesToMake = count;
        Rebuild();
    }

protected:
    void MakeTiles() override
    {
        for (int i = 0; i < tilesToMake; ++i)
            AddTile(new CTile(QStringLiteral("Tile %1").arg(i)));
    }

    void OnClick(CTile *clicked, Qt::MouseButton button, const QPoint &) override
    {
        clicks.append({IndexOf(clicked), button});
        if (rebuildOnClick)
            Rebuild();
    }

private:
    int IndexOf(const CTile *tile) const
    {
        for (int i = 0; i < TileCount(); ++i) {
            if (Tile(i) == tile)
                return i;
        }
        return -1;
    }
};

// A card grid's own double click.
class CCardGrid : public CTestGrid {
public:
    using CTestGrid::CTestGrid;
    QList<int> doubleClicked; // index of the selected tile at the double click

protected:
    void OnDoubleClick(CTile *, const QPoint &) override { doubleClicked.append(SelectedIndex()); }
};

class TileGridTest : public CUiTest {
protected:
    void SetUp() override
    {
        CUiTest::SetUp();
        g_bBusy = 0;
    }
    void TearDown() override
    {
        g_bBusy = 0;
        CUiTest::TearDown();
    }

    void Show(QWidget &grid)
    {
        grid.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    }

    static QScrollBar *BarWithId(const QWidget &grid, int id)
    {
        for (QScrollBar *bar : grid.findChildren<QScrollBar *>()) {
            if (ControlId(bar) == id)
                return bar;
        }
        return nullptr;
    }
};

TEST_F(TileGridTest, EmptyGridIsWhiteWithADisabledScrollBar)
{
    CTestGrid grid(kPictureGridStyle);
    grid.resize(400, 300);
    grid.SetTiles(0);
    const QImage image = grid.Render().toImage();
    EXPECT_EQ(CountColour(image, image.rect(), Qt::white), 400 * 300);
    QScrollBar *bar = BarWithId(grid, 2005);
    ASSERT_NE(bar, nullptr);
    EXPECT_FALSE(bar->isEnabled());
    EXPECT_EQ(bar->geometry(), QRect(400 - 17, 0, 17, 300));

    CTestGrid cards(kAddrbookGridStyle);
    EXPECT_NE(BarWithId(cards, 2003), nullptr);
}

TEST_F(TileGridTest, FixedRuleLaysOutTwoColumnsAndScrollsWhenTaller)
{
    CTestGrid grid(kPictureGridStyle);
    grid.resize(300 + kThumb, 300);
    grid.SetTiles(12);
    ASSERT_EQ(grid.TileCount(), 12);
    EXPECT_EQ(grid.UsableWidth(), 300);
    EXPECT_EQ(grid.Tile(0)->Rect(), QRect(10, 10, 120, 100));
    EXPECT_EQ(grid.Tile(1)->Rect(), QRect(150, 10, 120, 100));
    EXPECT_EQ(grid.Tile(11)->Rect(), QRect(150, 610, 120, 100));
    EXPECT_EQ(grid.Tile(11)->geometry(), grid.Tile(11)->Rect()); // the window follows
    EXPECT_EQ(grid.Tile(0)->objectName(), "Item");

    // Six rows of 120 from y = 10: extent 710, range up to 720 in pages of 300.
    CStepScrollBar *bar = grid.ScrollBar();
    EXPECT_TRUE(bar->isEnabled());
    EXPECT_EQ(bar->maximum(), 720 - 300 + 1);
    EXPECT_EQ(bar->pageStep(), 300);
}

TEST_F(TileGridTest, CardGridsFollowTheVariableRuleAndNarrowGridsOneColumn)
{
    CTestGrid cards(kAddrbookGridStyle);
    cards.resize(400 + kThumb, 300);
    Show(cards);
    cards.SetTiles(7);
    EXPECT_EQ(cards.Tile(0)->Rect(), QRect(10, 10, 180, 100));
    EXPECT_EQ(cards.Tile(1)->Rect().left(), 210);
    cards.resize(500 + kThumb, 300);
    EXPECT_EQ(cards.Tile(2)->Rect(), QRect(342, 10, 146, 100));
    EXPECT_EQ(cards.Tile(6)->Rect().top(), 250);

    CTestGrid pictures(kPictureGridStyle);
    pictures.resize(100 + kThumb, 300);
    Show(pictures);
    pictures.SetTiles(3);
    EXPECT_EQ(pictures.Tile(2)->Rect(), QRect(10, 250, 80, 100));
    pictures.resize(5, 300); // less than the thumb: empty tiles, no crash
    EXPECT_EQ(pictures.Tile(0)->Rect().width(), 0);
    pictures.Render();
}

TEST_F(TileGridTest, ScrollingMovesTilesAndResizingReturnsToTheTop)
{
    CTestGrid grid(kPictureGridStyle);
    grid.resize(300 + kThumb, 300);
    Show(grid);
    grid.SetTiles(12);
    CStepScrollBar *bar = grid.ScrollBar();

    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(bar->value(), 5);
    EXPECT_EQ(grid.Tile(0)->Rect().top(), 5);
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(bar->value(), 305);
    bar->triggerAction(QAbstractSlider::SliderPageStepSub);
    bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(bar->value(), 0);

    bar->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(bar->value(), 421);
    EXPECT_EQ(grid.Tile(0)->Rect().top(), 10 - 421);
    EXPECT_EQ(grid.Tile(11)->Rect().top(), 610 - 421);
    EXPECT_EQ(grid.Tile(11)->geometry().top(), 610 - 421);

    grid.resize(300 + kThumb, 320);
    EXPECT_EQ(bar->value(), 0);
    EXPECT_EQ(grid.Tile(0)->Rect().top(), 10);
    EXPECT_EQ(bar->geometry(), QRect(300, 0, 17, 320));
}

TEST_F(TileGridTest, ContentThatFitsAgainIsShownFromTheTop)
{
    CTestGrid grid(kPictureGridStyle);
    grid.resize(300 + kThumb, 300);
    grid.SetTiles(12);
    grid.ScrollBar()->triggerAction(QAbstractSlider::SliderToMaximum);
    grid.SetTiles(2);
    EXPECT_EQ(grid.ScrollBar()->value(), 0);
    EXPECT_FALSE(grid.ScrollBar()->isEnabled());
    EXPECT_EQ(grid.Tile(0)->Rect().top(), 10);
}

TEST_F(TileGridTest, WheelScrollsHalfARowPerNotch)
{
    CTestGrid grid(kPictureGridStyle);
    grid.resize(300 + kThumb, 300);
    Show(grid);
    grid.SetTiles(12);
    QWheelEvent down(QPointF(140, 50), grid.mapToGlobal(QPointF(140, 50)), QPoint(), QPoint(0, -120), Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&grid, &down);
    EXPECT_EQ(grid.ScrollBar()->value(), 60);
    EXPECT_EQ(grid.Tile(0)->Rect().top(), 10 - 60);

    // Over a tile the wheel reaches the grid as well.
    QWheelEvent overTile(QPointF(20, 20), grid.Tile(2)->mapToGlobal(QPointF(20, 20)), QPoint(), QPoint(0, -120),
                         Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(grid.Tile(2), &overTile);
    EXPECT_EQ(grid.ScrollBar()->value(), 120);
}

TEST_F(TileGridTest, OneTileIsSelectedAtATime)
{
    CTestGrid grid(kPictureGridStyle);
    grid.resize(300 + kThumb, 300);
    Show(grid);
    grid.SetTiles(6);

    QTest::mouseClick(grid.Tile(3), Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_EQ(grid.SelectedIndex(), 3);
    EXPECT_EQ(grid.SelectedTile(), grid.Tile(3));
    QTest::mouseClick(grid.Tile(5), Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_EQ(grid.SelectedIndex(), 5);
    EXPECT_FALSE(grid.Tile(3)->IsSelected());

    QTest::mouseClick(&grid, Qt::LeftButton, {}, QPoint(140, 50)); // between the columns
    EXPECT_EQ(grid.SelectedIndex(), -1);
    for (int i = 0; i < grid.TileCount(); ++i)
        EXPECT_FALSE(grid.Tile(i)->IsSelected());

    const QList<std::tuple<int, Qt::MouseButton>> expected{
        {3, Qt::LeftButton}, {5, Qt::LeftButton}, {-1, Qt::LeftButton}};
    EXPECT_EQ(grid.clicks, expected);

    // A rebuild forgets the selection.
    QTest::mouseClick(grid.Tile(1), Qt::LeftButton, {}, QPoint(50, 50));
    grid.Rebuild();
    EXPECT_EQ(grid.SelectedIndex(), -1);
}

TEST_F(TileGridTest, RightButtonSelectsOnReleaseOrOnPressByMember)
{
    CTestGrid pictures(kPictureGridStyle);
    pictures.resize(300 + kThumb, 300);
    Show(pictures);
    pictures.SetTiles(4);
    QTest::mousePress(pictures.Tile(2), Qt::RightButton, {}, QPoint(50, 50));
    EXPECT_EQ(pictures.SelectedIndex(), -1);
    EXPECT_TRUE(pictures.clicks.isEmpty());
    QTest::mouseRelease(pictures.Tile(2), Qt::RightButton, {}, QPoint(50, 50));
    EXPECT_EQ(pictures.SelectedIndex(), 2);
    ASSERT_EQ(pictures.clicks.size(), 1);
    EXPECT_EQ(pictures.clicks[0], std::make_tuple(2, Qt::RightButton));

    CTestGrid ringtones(kRingtoneGridStyle);
    ringtones.resize(300 + kThumb, 300);
    Show(ringtones);
    ringtones.SetTiles(4);
    QTest::mousePress(ringtones.Tile(1), Qt::RightButton, {}, QPoint(50, 50));
    EXPECT_EQ(ringtones.SelectedIndex(), 1);
    QTest::mouseRelease(ringtones.Tile(1), Qt::RightButton, {}, QPoint(50, 50));
    EXPECT_EQ(ringtones.clicks.size(), 1);
    // On empty space the right button clears the selection.
    QTest::mousePress(&ringtones, Qt::RightButton, {}, QPoint(140, 250));
    EXPECT_EQ(ringtones.SelectedIndex(), -1);
    EXPECT_EQ(ringtones.clicks.last(), std::make_tuple(-1, Qt::RightButton));
}

TEST_F(TileGridTest, DoubleClickIsASecondClickUnlessTheMemberTakesIt)
{
    CTestGrid pictures(kPictureGridStyle);
    pictures.resize(300 + kThumb, 300);
    Show(pictures);
    pictures.SetTiles(4);
    QTest::mouseDClick(pictures.Tile(1), Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_EQ(pictures.SelectedIndex(), 1);

    CCardGrid cards(kAddrbookGridStyle);
    cards.resize(400 + kThumb, 300);
    Show(cards);
    cards.SetTiles(4);
    QTest::mouseClick(cards.Tile(2), Qt::LeftButton, {}, QPoint(50, 50));
    QTest::mouseDClick(cards.Tile(2), Qt::LeftButton, {}, QPoint(50, 50));
    QTest::mouseClick(&cards, Qt::LeftButton, {}, QPoint(200, 280));
    QTest::mouseDClick(&cards, Qt::LeftButton, {}, QPoint(200, 280));
    EXPECT_EQ(cards.doubleClicked, (QList<int>{2, -1}));
}

TEST_F(TileGridTest, TilesAreFramedAndCaptionedBySelection)
{
    CTestGrid grid(kPictureGridStyle);
    grid.resize(300 + kThumb, 300);
    Show(grid);
    grid.SetTiles(2);
    QTest::mouseClick(grid.Tile(1), Qt::LeftButton, {}, QPoint(50, 50));
    const QImage image = grid.Render().toImage();
    const QColor highlight = grid.palette().color(QPalette::Highlight);

    const QRect plain = grid.Tile(0)->Rect();
    EXPECT_EQ(image.pixelColor(plain.left(), plain.top() + 50), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(plain.left() + 1, plain.top() + 50), CTile::kFrame);
    EXPECT_EQ(image.pixelColor(plain.left() + 2, plain.top() + 50), CTile::kFrame);
    EXPECT_EQ(image.pixelColor(plain.right() - 1, plain.bottom() - 1), CTile::kFrame);
    EXPECT_EQ(image.pixelColor(plain.left() + 3, plain.top() + 60), QColor(Qt::white)); // body
    EXPECT_EQ(image.pixelColor(plain.right() - 3, plain.top() + 3), CTile::kCaptionStrip);
    EXPECT_EQ(image.pixelColor(plain.right() - 3, plain.top() + 22), CTile::kCaptionStrip);
    EXPECT_EQ(image.pixelColor(plain.right() - 3, plain.top() + 23), QColor(Qt::white));
    EXPECT_GT(CountColour(image, QRect(plain.left() + 3, plain.top() + 3, 60, 20), Qt::black), 0);

    const QRect chosen = grid.Tile(1)->Rect();
    EXPECT_EQ(image.pixelColor(chosen.left() + 1, chosen.top() + 50), CTile::kSelectedFrame);
    EXPECT_EQ(image.pixelColor(chosen.right() - 3, chosen.top() + 10), highlight);
    EXPECT_GT(CountColour(image, QRect(chosen.left() + 3, chosen.top() + 3, 60, 20), Qt::white), 0);
    EXPECT_EQ(CountColour(image, QRect(chosen.left() + 3, chosen.top() + 3, 60, 20), Qt::black), 0);

    // What the screen shows is that picture: tiles add nothing of their own.
    EXPECT_EQ(grid.grab().toImage().copy(chosen), image.copy(chosen));
}

TEST_F(TileGridTest, RebuildMessageMakesTilesAndClearsBusy)
{
    CTestGrid grid(kPictureGridStyle);
    grid.resize(300 + kThumb, 300);
    grid.tilesToMake = 5;
    g_bBusy = 1;
    PostMessageTo(&grid, WM_PICTURE_DONE, 0);
    ASSERT_TRUE(WaitUntil([&] { return grid.TileCount() == 5; }));
    EXPECT_EQ(g_bBusy.load(), 0);

    // Other messages do not rebuild.
    grid.tilesToMake = 1;
    SendMessageTo(&grid, WM_RINGTONE_DONE, 0);
    EXPECT_EQ(grid.TileCount(), 5);

    // No data: the grid empties, and the operation is over all the same.
    grid.tilesToMake = 0;
    g_bBusy = 1;
    SendMessageTo(&grid, WM_PICTURE_DONE, 0);
    EXPECT_EQ(grid.TileCount(), 0);
    EXPECT_EQ(g_bBusy.load(), 0);
    EXPECT_FALSE(grid.ScrollBar()->isEnabled());
}

TEST_F(TileGridTest, RebuildFromInsideATileClickIsSafe)
{
    CTestGrid grid(kPictureGridStyle);
    grid.resize(300 + kThumb, 300);
    Show(grid);
    grid.SetTiles(3);
    grid.rebuildOnClick = true;
    QTest::mouseClick(grid.Tile(0), Qt::LeftButton, {}, QPoint(50, 50));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(grid.TileCount(), 3);
    EXPECT_EQ(grid.SelectedIndex(), -1);
    EXPECT_EQ(grid.findChildren<CTile *>().size(), 3);
}

} // namespace
} // namespace orrin::test
