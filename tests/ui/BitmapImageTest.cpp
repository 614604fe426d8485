// SPDX-License-Identifier: GPL-2.0-or-later
// Bitmap files as pictures and their drawing in a tile: rows the right way
// up, colour tables, depths, and the fit into the tile's body.

#include "tests/media/MediaBuilders.h"
#include "tests/ui/UiFixture.h"
#include "ui/BitmapImage.h"
#include "ui/Tile.h"

#include <QPainter>

namespace orrin::test {
namespace {

// A picture tile's body: its bitmap fitted, or its caption in grey.
class CPictureTestTile : public CTile {
public:
    CPictureTestTile(const QString &caption, const QImage &picture) : CTile(caption), m_picture(picture) {}

protected:
    void DrawBody(QPainter &painter, const QRect &body) const override
    {
        if (m_picture.isNull())
            DrawEmptyCaption(painter, body, 5, 20);
        else
            DrawFitted(painter, m_picture, body);
    }

private:
    QImage m_picture;
};

QImage Drawn(const CTile &tile, const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    tile.Draw(painter, image.rect());
    return image;
}

TEST(BitmapImageTest, RowsComeTopFirstInTheTableColours)
{
    const auto topLeftOnly = [](int x, int y) { return x == 0 && y == 0 ? 1 : 0; };
    for (int headerSize : {40, 12}) {
        const QImage image = BitmapImage(BuildBitmap({.width = 9, .height = 3, .headerSize = headerSize}, topLeftOnly));
        ASSERT_FALSE(image.isNull()) << headerSize;
        EXPECT_EQ(image.size(), QSize(9, 3));
        EXPECT_EQ(image.pixel(0, 0), qRgb(255, 255, 255)) << headerSize;
        EXPECT_EQ(image.pixel(0, 2), qRgb(0, 0, 0)) << headerSize;
        EXPECT_EQ(image.pixel(8, 0), qRgb(0, 0, 0)) << headerSize;
    }
    const QImage sixteen = BitmapImage(BuildBitmap({.width = 5, .height = 2, .bitCount = 4},
                                                   [](int x, int y) { return x + 5 * y; }));
    EXPECT_EQ(sixteen.pixel(3, 0), qRgb(51, 51, 51));
    EXPECT_EQ(sixteen.pixel(4, 1), qRgb(153, 153, 153));
    const QImage grey =
        BitmapImage(BuildBitmap({.width = 3, .height = 1, .bitCount = 8}, [](int x, int) { return x; }));
    EXPECT_EQ(grey.pixel(2, 0), qRgb(2, 2, 2));
}

TEST(BitmapImageTest, TrueColourIndexBeyondTableAndBrokenFiles)
{
    QByteArray rgb = BuildBitmap({.width = 2, .height = 2, .bitCount = 24});
    const qsizetype bottomRow = 14 + 40;
    rgb[bottomRow + 3] = char(0x30); // blue, green, red of the bottom row's second pixel
    rgb[bottomRow + 4] = char(0x20);
    rgb[bottomRow + 5] = char(0x10);
    EXPECT_EQ(BitmapImage(rgb).pixel(1, 1), qRgb(0x10, 0x20, 0x30));

    // One colour in the table, yet pixels of index 1.
    const QImage beyond = BitmapImage(BuildBitmap({.width = 2, .height = 1, .coloursUsed = 1},
                                                  [](int x, int) { return x; }));
    EXPECT_EQ(beyond.pixel(1, 0), qRgb(0, 0, 0));

    BitmapError error = BitmapError::None;
    EXPECT_TRUE(BitmapImage(QByteArray("BM").append(40, '\xff'), &error).isNull());
    EXPECT_EQ(error, BitmapError::UnknownHeader);
    EXPECT_TRUE(BitmapImage(BuildBitmap({.height = -8}), &error).isNull());
    EXPECT_EQ(error, BitmapError::NegativeSize);

    // Within its file, yet more pixels than a picture is drawn from.
    QByteArray wide = BuildBitmap({.width = 8, .height = 1});
    PutLittle(wide, 18, 8 * 1024 * 1024, 4);
    PutLittle(wide, 22, 4, 4);
    wide.append(QByteArray(4 * 1024 * 1024, '\0'));
    EXPECT_TRUE(BitmapImage(wide, &error).isNull());
    EXPECT_EQ(error, BitmapError::TooLarge);
}

TEST(BitmapImageTest, FitKeepsTheAspectRatioCentredInTheBody)
{
    const QRect body(2, 22, 116, 76);
    EXPECT_EQ(CTile::FittedRect({101, 64}, body), QRect(2, 22 + 1, 116, 73));
    EXPECT_EQ(CTile::FittedRect({10, 40}, body), QRect(2 + 48, 22, 19, 76));
    EXPECT_EQ(CTile::FittedRect({116, 76}, body), body);
    EXPECT_TRUE(CTile::FittedRect({0, 5}, body).isEmpty());
}

TEST(BitmapImageTest, TileDrawsItsBitmapFittedOrItsCaptionInGrey)
{
    // All black, one-bit: the fitted picture covers 116 x 73 of the body.
    const QImage black = BitmapImage(BuildBitmap({.width = 101, .height = 64}, [](int, int) { return 0; }));
    const QImage drawn = Drawn(CPictureTestTile(QStringLiteral("Logo"), black), {120, 100});
    const QRect body = CTile::BodyArea(QRect(0, 0, 120, 100));
    EXPECT_EQ(CountColour(drawn, body, Qt::black), 116 * 73);
    EXPECT_EQ(drawn.pixelColor(60, body.top() + 1), QColor(Qt::black));
    EXPECT_EQ(drawn.pixelColor(60, body.top() + 1 + 73), QColor(Qt::white)); // the row below the picture

    const QImage empty = Drawn(CPictureTestTile(QStringLiteral("Main screen"), {}), {120, 100});
    EXPECT_EQ(CountColour(empty, body, Qt::black), 0);
    EXPECT_GT(CountColour(empty, body.adjusted(5, 20, -5, 0), CTile::kEmptyCaption), 10);
    const QRect aboveInset(body.left() + 1, body.top() + 1, body.width() - 2, 19); // inside the frame, under the strip
    EXPECT_EQ(CountNear(empty, aboveInset, CTile::kEmptyCaption, 10), 0);
}

} // namespace
} // namespace orrin::test
