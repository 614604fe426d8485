// SPDX-License-Identifier: GPL-2.0-or-later
// Colour lightening, the controls' system measures and the program's own
// pictures.

#include "ui/Look.h"
#include "resources/Resources.h"
#include "ui/SystemMetrics.h"
#include "tests/ui/UiFixture.h"

#include <QFile>

namespace orrin::test {
namespace {

TEST(Lighten, MovesEachChannelTowardWhiteAndTruncates)
{
    const QColor highlight(48, 140, 198);
    EXPECT_EQ(Lighten(highlight, 0.3), QColor(110, 174, 215)); // 110.1, 174.5, 215.1
    EXPECT_EQ(Lighten(highlight, 0.75), QColor(203, 226, 240));
    EXPECT_EQ(Lighten(QColor(0, 0, 0), 0.35), QColor(89, 89, 89)); // 89.25
    EXPECT_EQ(Lighten(QColor(10, 255, 0), 1.0), QColor(255, 255, 255));
    EXPECT_EQ(Lighten(QColor(0, 0, 255, 128), 0.5).alpha(), 128);
}

TEST(Lighten, LeavesTheColourAloneOutsideZeroToOne)
{
    const QColor colour(12, 34, 56);
    EXPECT_EQ(Lighten(colour, 0.0), colour);
    EXPECT_EQ(Lighten(colour, -0.3), colour);
    EXPECT_EQ(Lighten(colour, 1.01), colour);
}

TEST(SystemMetrics, MulDivRoundsHalvesAwayFromZero)
{
    EXPECT_EQ(MulDiv(19, 9, 8), 21);
    EXPECT_EQ(MulDiv(20, 9, 8), 23);
    EXPECT_EQ(MulDiv(-20, 9, 8), -23);
    EXPECT_EQ(MulDiv(20, -9, -8), 23);
    EXPECT_EQ(MulDiv(1 << 30, 8, 8), 1 << 30); // no overflow in between
    EXPECT_EQ(MulDiv(5, 5, 0), 0);
}

// The pictures must really be linked in: a missing resource still gives a
// non-null icon, so look at the files and their pixels.
TEST(Resources, CollapseButtonsAndHandCursorAreCompiledIn)
{
    InitResources();
    for (const QString &path : {BitmapPath(IDB_GROUP_COLLAPSED), BitmapPath(IDB_GROUP_EXPANDED), CursorPath(IDC_HAND)})
        EXPECT_TRUE(QFile::exists(path)) << path.toStdString();

    const QImage collapsed(BitmapPath(IDB_GROUP_COLLAPSED));
    const QImage expanded(BitmapPath(IDB_GROUP_EXPANDED));
    ASSERT_EQ(collapsed.size(), QSize(21, 21));
    ASSERT_EQ(expanded.size(), QSize(21, 21));
    EXPECT_EQ(collapsed.pixelColor(10, 4).alpha(), 255); // the round face
    EXPECT_EQ(collapsed.pixelColor(0, 0).alpha(), 0);    // transparent corners
    EXPECT_NE(collapsed, expanded);

    const QCursor hand = HandCursor();
    EXPECT_EQ(hand.shape(), Qt::BitmapCursor);
    EXPECT_EQ(hand.hotSpot(), QPoint(kHandHotSpotX, kHandHotSpotY));
    const QImage picture = hand.pixmap().toImage();
    ASSERT_EQ(picture.size(), QSize(32, 32));
    EXPECT_GT(picture.pixelColor(kHandHotSpotX, kHandHotSpotY + 1).alpha(), 0); // the fingertip
    EXPECT_EQ(picture.pixelColor(31, 0).alpha(), 0);
}

} // namespace
} // namespace orrin::test
