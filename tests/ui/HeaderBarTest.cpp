// SPDX-License-Identifier: GPL-2.0-or-later
// The header bar: gradient, text colour, indent and centring, and the look
// without gradients.

#include "ui/HeaderBar.h"
#include "ui/Look.h"
#include "tests/ui/UiFixture.h"

namespace orrin::test {
namespace {

const QColor kTextColour(255, 0, 0);
const QColor kButtonText(0, 160, 0);
constexpr int kTextTolerance = 60;

int CountText(const QImage &image, const QColor &colour)
{
    return CountNear(image, image.rect(), colour, kTextTolerance);
}

// Leftmost column holding text of that colour, or -1.
int FirstColumnOf(const QImage &image, const QColor &colour)
{
    for (int x = 0; x < image.width(); ++x) {
        if (CountNear(image, QRect(x, 0, 1, image.height()), colour, kTextTolerance) > 0)
            return x;
    }
    return -1;
}

class HeaderBarTest : public CUiTest {
protected:
    std::unique_ptr<CHeaderBar> MakeBar(const QString &title)
    {
        auto bar = std::make_unique<CHeaderBar>(title);
        QPalette palette = bar->palette();
        palette.setColor(QPalette::ButtonText, kButtonText);
        bar->setPalette(palette);
        bar->SetTextColour(kTextColour);
        QFont font = bar->font();
        font.setPixelSize(16);
        font.setBold(true);
        bar->setFont(font);
        bar->resize(400, 21);
        return bar;
    }
};

TEST_F(HeaderBarTest, GradientRunsFromHighlightToWhite)
{
    auto bar = MakeBar(QString());
    ASSERT_TRUE(bar->HasGradient());
    const QImage image = bar->grab().toImage();
    const QColor highlight = bar->palette().color(QPalette::Highlight);
    EXPECT_EQ(image.pixelColor(0, 10), highlight);
    EXPECT_EQ(image.pixelColor(0, 0), highlight);
    // The gradient stops one pixel short of the right and bottom edges.
    EXPECT_TRUE(IsNear(image.pixelColor(398, 10), Qt::white, 2)) << image.pixelColor(398, 10).name().toStdString();
    const QColor middle = image.pixelColor(200, 10);
    EXPECT_TRUE(IsNear(middle, QColor((highlight.red() + 255) / 2, (highlight.green() + 255) / 2,
                                      (highlight.blue() + 255) / 2), 3));
}

TEST_F(HeaderBarTest, TitleStartsAtTheIndentInTheBarsTextColour)
{
    auto bar = MakeBar("HHHH");
    const QImage image = bar->grab().toImage();
    EXPECT_EQ(CountText(image, kButtonText), 0);
    const int first = FirstColumnOf(image, kTextColour);
    EXPECT_GE(first, CHeaderBar::kIndent);
    EXPECT_LE(first, CHeaderBar::kIndent + 3);

    bar->SetTitle("HHHH  ( 12 )");
    EXPECT_EQ(bar->Title(), "HHHH  ( 12 )");
}

TEST_F(HeaderBarTest, CentredTitleSitsInTheMiddle)
{
    auto bar = MakeBar("HHHH");
    bar->SetCentred(true);
    const QImage image = bar->grab().toImage();
    const int textWidth = bar->fontMetrics().horizontalAdvance("HHHH");
    const int first = FirstColumnOf(image, kTextColour);
    EXPECT_NEAR(first, (400 - textWidth) / 2, 4);
}

TEST_F(HeaderBarTest, WithoutGradientTheTextTakesTheButtonTextColour)
{
    SetGradientFillAvailable(false);
    auto bar = MakeBar("HHHH");
    SetGradientFillAvailable(true);
    ASSERT_FALSE(bar->HasGradient());
    const QImage image = bar->grab().toImage();
    EXPECT_GT(CountText(image, kButtonText), 0);
    EXPECT_EQ(CountText(image, kTextColour), 0);
    EXPECT_NE(image.pixelColor(0, 10), bar->palette().color(QPalette::Highlight));
}

} // namespace
} // namespace orrin::test
