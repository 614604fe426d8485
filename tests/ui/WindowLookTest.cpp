// SPDX-License-Identifier: GPL-2.0-or-later
// A whole view frame (task pane, header bar, tile grid) put together as the
// views do. With ORRIN_WINDOW_LOOK_PNG set, the picture is also saved there:
// scripts/window-look-shot makes docs/window-look.png this way.

#include "ui/HeaderBar.h"
#include "ui/Look.h"
#include "ui/MenuResource.h"
#include "ui/TaskPane.h"
#include "ui/Tile.h"
#include "ui/TileGrid.h"
#include "tests/ui/UiFixture.h"

#include <QPainter>
#include <QTest>

namespace orrin::test {
namespace {

constexpr int kPictureMenu = 9143;
const bool s_menuRegistered = RegisterMenu({kPictureMenu,
                                            {
                                                {"Picture", {{"Read from phone", 32796}, {"Read from local", 32797}}},
                                                {"Operation", {{"Upload to phone", 32828}, {"Make main screen", 32798}}},
                                            }});

// A tile showing a small one-bit picture: a frame with a diagonal.
class CSketchTile : public CTile {
public:
    using CTile::CTile;

protected:
    void DrawBody(QPainter &painter, const QRect &body) const override
    {
        const QRect screen = body.adjusted(20, 12, -20, -12);
        painter.fillRect(screen, QColor(40, 40, 40));
        painter.fillRect(screen.adjusted(2, 2, -2, -2), QColor(222, 230, 200));
        painter.setPen(QPen(QColor(40, 40, 40), 2));
        painter.drawLine(screen.bottomLeft() + QPoint(6, -6), screen.topRight() + QPoint(-6, 6));
    }
};

class CSketchGrid : public CTileGrid {
public:
    CSketchGrid(QWidget *parent) : CTileGrid(kPictureGridStyle, parent) {}

protected:
    void MakeTiles() override
    {
        for (int i = 1; i <= 12; ++i)
            AddTile(new CSketchTile(QStringLiteral("Logo%1.bmp").arg(i)));
    }
};

class WindowLookTest : public CUiTest {};

TEST_F(WindowLookTest, PaneHeaderAndGridMakeOneViewFrame)
{
    ASSERT_TRUE(s_menuRegistered);
    QWidget view;
    view.resize(760, 480);
    auto *pane = new CTaskPane(&view);
    auto *header = new CHeaderBar("Local Picture  ( 12 )", &view);
    auto *grid = new CSketchGrid(&view);
    ASSERT_TRUE(pane->LoadMenu(kPictureMenu));
    header->SetTextColour(Qt::white);
    QFont bold = header->font();
    bold.setBold(true);
    header->setFont(bold);
    const int width = view.width();
    const int height = view.height();
    pane->setGeometry(0, 0, CTaskPane::kWidth, height);
    header->setGeometry(CTaskPane::kWidth, 0, width - CTaskPane::kWidth, 21);
    grid->setGeometry(CTaskPane::kWidth, 20, width - CTaskPane::kWidth, height - 20);
    grid->Rebuild();
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));

    // A hovered link and a selected tile, as a user would leave them.
    const CTaskLink &link = pane->Group(0)->links[1];
    QTest::mouseMove(pane, link.hit.center());
    QTest::mouseMove(pane, link.hit.center() + QPoint(2, 0));
    QTest::mouseClick(grid->Tile(4), Qt::LeftButton, {}, QPoint(40, 40));
    ASSERT_TRUE(link.hovered);
    ASSERT_EQ(grid->SelectedIndex(), 4);

    const QImage shot = view.grab().toImage();
    const QColor highlight = view.palette().color(QPalette::Highlight);
    EXPECT_EQ(shot.pixelColor(3, height - 3), Lighten(highlight, 0.3));
    EXPECT_EQ(shot.pixelColor(CTaskPane::kWidth, 5), highlight);
    // Usable grid width 543: three columns of 120-pixel tiles.
    EXPECT_EQ(grid->Tile(3)->Rect().topLeft(), QPoint(10, 130));
    const QPoint tile4 = grid->mapTo(&view, grid->Tile(4)->Rect().topLeft());
    EXPECT_EQ(shot.pixelColor(tile4 + QPoint(1, 50)), CTile::kSelectedFrame);
    const QPoint tile0 = grid->mapTo(&view, grid->Tile(0)->Rect().topLeft());
    EXPECT_EQ(shot.pixelColor(tile0 + QPoint(1, 50)), CTile::kFrame);
    EXPECT_EQ(shot.pixelColor(tile0 + QPoint(45, 45)), QColor(222, 230, 200));

    const QByteArray path = qgetenv("ORRIN_WINDOW_LOOK_PNG");
    if (!path.isEmpty()) {
        EXPECT_TRUE(shot.save(QString::fromLocal8Bit(path), "PNG")) << path.constData();
    }
}

} // namespace
} // namespace orrin::test
