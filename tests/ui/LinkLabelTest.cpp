// SPDX-License-Identifier: GPL-2.0-or-later
// The link label's hover, look and message, and the plain text panel.

#include "ui/LinkLabel.h"
#include "ui/Look.h"
#include "tests/support/TestSupport.h"
#include "tests/ui/UiFixture.h"

#include <QCursor>
#include <QTest>

namespace orrin::test {
namespace {

constexpr int kSyncMessage = 1025;

// A parent window that keeps the messages posted to it.
class CSinkWidget : public QWidget {
public:
    QList<ReceivedMessage> received;

protected:
    bool event(QEvent *e) override
    {
        if (auto *link = dynamic_cast<CLinkEvent *>(e)) {
            received.append({link->Message(), link->WParam()});
            return true;
        }
        return QWidget::event(e);
    }
};

class LinkLabelTest : public CUiTest {
protected:
    void SetUp() override
    {
        CUiTest::SetUp();
        parent.resize(400, 300);
        label = new CLinkLabel("Sync to Local time", kSyncMessage, &parent);
        label->setGeometry(100, 100, 150, 20);
        parent.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
    }

    QPoint LabelCentre() const { return label->mapToGlobal(label->rect().center()); }
    int CountInLabel(const QColor &colour) const
    {
        const QImage image = label->grab().toImage();
        return CountColour(image, image.rect(), colour);
    }
    // The longest horizontal run of that colour: an underline is one.
    int LongestRunInLabel(const QColor &colour) const
    {
        const QImage image = label->grab().toImage();
        int longest = 0;
        for (int y = 0; y < image.height(); ++y) {
            int run = 0;
            for (int x = 0; x < image.width(); ++x) {
                run = image.pixelColor(x, y).rgb() == colour.rgb() ? run + 1 : 0;
                longest = std::max(longest, run);
            }
        }
        return longest;
    }

    CSinkWidget parent;
    CLinkLabel *label = nullptr;
};

TEST_F(LinkLabelTest, HoverLightensAndUnderlinesUntilThePointerHasGone)
{
    const QColor highlight = label->palette().color(QPalette::Highlight);
    const QColor hover = Lighten(highlight, 0.35);
    const int textWidth = std::min(label->width() - 2,
        QFontMetrics(DialogFont(CLinkLabel::kFontHeight)).horizontalAdvance(label->Text()));
    EXPECT_GT(CountInLabel(highlight), 0);
    EXPECT_LT(LongestRunInLabel(hover), textWidth / 2);

    QCursor::setPos(LabelCentre());
    QTest::mouseMove(label, label->rect().center());
    ASSERT_TRUE(label->IsHovered());
    EXPECT_GE(LongestRunInLabel(hover), textWidth - 2);
    EXPECT_EQ(CountInLabel(highlight), 0);
    EXPECT_EQ(label->cursor().shape(), Qt::BitmapCursor);

    // While the pointer stays, the timer keeps the hover.
    QCursor::setPos(LabelCentre());
    Settle(3 * CLinkLabel::kHoverCheckMs);
    EXPECT_TRUE(label->IsHovered());

    QCursor::setPos(parent.mapToGlobal(QPoint(10, 10)));
    EXPECT_TRUE(WaitUntil([this] { return !label->IsHovered(); }));
    EXPECT_GT(CountInLabel(highlight), 0);
}

TEST_F(LinkLabelTest, LeftReleasePostsTheMessageToTheParent)
{
    QTest::mouseClick(label, Qt::RightButton, {}, QPoint(10, 10));
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(10, 10));
    ASSERT_TRUE(WaitUntil([this] { return !parent.received.isEmpty(); }));
    Settle(20);
    ASSERT_EQ(parent.received.size(), 1);
    EXPECT_EQ(parent.received[0].message, kSyncMessage);
    EXPECT_EQ(parent.received[0].wParam, 0);
}

TEST(TextPanel, WritesWrappedTextInsideItsMargins)
{
    CTextPanel panel;
    panel.resize(200, 120);
    panel.SetText("Meet me at the station at nine tomorrow morning, and bring the tickets please");
    const QImage image = panel.grab().toImage();
    const int area = image.width() * image.height();
    const int white = CountColour(image, image.rect(), Qt::white);
    EXPECT_LT(white, area);
    EXPECT_GT(white, area / 2);
    const int inset = CTextPanel::kInset;
    EXPECT_EQ(CountColour(image, QRect(0, 0, inset, 120), Qt::white), inset * 120);
    EXPECT_EQ(CountColour(image, QRect(200 - inset, 0, inset, 120), Qt::white), inset * 120);
    EXPECT_EQ(CountColour(image, QRect(0, 0, 200, inset), Qt::white), inset * 200);
    // Wrapped: there is text below the first line.
    const int lineHeight = QFontMetrics(DialogFont(CTextPanel::kFontHeight)).height();
    const QRect below(0, inset + lineHeight + 2, 200, lineHeight);
    EXPECT_LT(CountColour(image, below, Qt::white), below.width() * below.height());

    panel.SetText(QString());
    const QImage empty = panel.grab().toImage();
    EXPECT_EQ(CountColour(empty, empty.rect(), Qt::white), area);
}

} // namespace
} // namespace orrin::test
