// SPDX-License-Identifier: GPL-2.0-or-later
// The task pane: groups built from menus, their geometry and look, hovering,
// collapsing, scrolling and the commands its links send.

#include "ui/CommandMessage.h"
#include "ui/Look.h"
#include "ui/MenuResource.h"
#include "link/SharedState.h"
#include "ui/StepScrollBar.h"
#include "ui/TaskPane.h"
#include "tests/support/TestSupport.h"
#include "tests/ui/UiFixture.h"

#include <QElapsedTimer>
#include <QTest>
#include <QWheelEvent>

namespace orrin::test {
namespace {

constexpr int kAddrbookMenu = 9145;
constexpr int kFiveLinkMenu = 9146;

const bool s_menusRegistered = RegisterMenu({kAddrbookMenu,
                                             {
                                                 {"Addressbook", {{"Read from phone", 32805}, {"Read from local", 32806}}},
                                                 {"Operation",
                                                  {{"New addressbook", 32807}, {"Modify", 32808}, {"Sync to local", 32810}}},
                                             }})
    && RegisterMenu({kFiveLinkMenu,
                     {
                         {"First", {{"One", 1}, {"Two", 2}, {"Three", 3}, {"Four", 4}, {"Five", 5}}},
                         {"Second", {{"One", 11}, {"Two", 12}, {"Three", 13}, {"Four", 14}, {"Five", 15}}},
                         {"Third", {{"One", 21}, {"Two", 22}, {"Three", 23}, {"Four", 24}, {"Five", 25}}},
                     }});

class TaskPaneTest : public CUiTest {
protected:
    void SetUp() override
    {
        CUiTest::SetUp();
        ASSERT_TRUE(s_menusRegistered);
        pane = std::make_unique<CTaskPane>();
        pane->resize(CTaskPane::kWidth, 400);
    }

    void Show()
    {
        pane->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(pane.get()));
        // Moves to where the pointer already is are dropped: start off-group.
        QTest::mouseMove(pane.get(), QPoint(1, 1));
    }

    // Points in the pane's own coordinates, scrolling included.
    QPoint HeaderPoint(int group) const
    {
        const QRect rect = pane->Group(group)->Rect();
        return QPoint(rect.left() + 30, rect.top() + 12 - pane->ScrollBar()->value());
    }
    QPoint LinkPoint(int group, int link, int dx = 2) const
    {
        const QRect hit = pane->Group(group)->links[link].hit;
        return QPoint(hit.left() + dx, hit.center().y() - pane->ScrollBar()->value());
    }

    void ToggleAndFinish(int group)
    {
        QTest::mouseMove(pane.get(), QPoint(1, 1));
        QTest::mouseMove(pane.get(), HeaderPoint(group));
        QTest::mousePress(pane.get(), Qt::LeftButton, {}, HeaderPoint(group));
        QTest::mouseRelease(pane.get(), Qt::LeftButton, {}, HeaderPoint(group));
        ASSERT_TRUE(WaitUntil([this] { return !pane->IsAnimating(); }));
    }

    std::unique_ptr<CTaskPane> pane;
};

TEST_F(TaskPaneTest, GroupHeightsFollowLinksAndMenuBar)
{
    EXPECT_EQ(LinkHeight(), 21); // 19 * 9 / 8 = 21.375
    pane->AddGroup("Empty");
    pane->AddGroup("Three");
    for (int command : {1, 2, 3})
        ASSERT_TRUE(pane->AddLink(1, "Link", command));

    EXPECT_EQ(pane->Group(0)->Height(LinkHeight()), 25);
    EXPECT_EQ(pane->Group(1)->Height(LinkHeight()), 88);

    const QRect first = pane->Group(0)->Rect();
    const QRect second = pane->Group(1)->Rect();
    EXPECT_EQ(first, QRect(10, 10, CTaskPane::kWidth - 20, 25));
    EXPECT_EQ(second.top(), first.top() + first.height() + 10);
    EXPECT_EQ(second.height(), 88);
    // Link rows follow the header, one link height each.
    EXPECT_EQ(pane->Group(1)->links[0].row.top(), second.top() + 25);
    EXPECT_EQ(pane->Group(1)->links[2].row.top(), second.top() + 25 + 2 * 21);

    PinSystemMetrics(SystemMetrics{20, 17, 17}); // 22.5 rounds up
    EXPECT_EQ(LinkHeight(), 23);
}

TEST_F(TaskPaneTest, MenuBuildsOneGroupPerPopupAndBadIndexesAreRefused)
{
    ASSERT_TRUE(pane->LoadMenu(kAddrbookMenu));
    ASSERT_EQ(pane->GroupCount(), 2);
    EXPECT_EQ(pane->Group(0)->title, "Addressbook");
    EXPECT_EQ(pane->Group(1)->links.size(), 3u);
    EXPECT_EQ(pane->Group(1)->links[2].text, "Sync to local");
    EXPECT_EQ(pane->Group(1)->links[2].commandId, 32810);
    EXPECT_FALSE(RegisterMenu({kAddrbookMenu, {}})); // the first menu stays
    EXPECT_EQ(FindMenu(kAddrbookMenu)->popups.size(), 2);

    // The view's run-time group: remove group 1, add it back with other links.
    EXPECT_TRUE(pane->RemoveGroup(1));
    EXPECT_EQ(pane->AddGroup("Operation"), 1);
    EXPECT_TRUE(pane->AddLink(1, "Upload to phone", 32828));
    EXPECT_EQ(pane->Group(1)->links.size(), 1u);

    EXPECT_FALSE(pane->RemoveGroup(2));
    EXPECT_FALSE(pane->RemoveGroup(-1));
    EXPECT_FALSE(pane->AddLink(2, "Nowhere", 1));
    EXPECT_EQ(pane->Group(2), nullptr);
    EXPECT_EQ(pane->GroupCount(), 2);

    // A menu that does not exist leaves the pane empty.
    EXPECT_FALSE(pane->LoadMenu(4242));
    EXPECT_EQ(pane->GroupCount(), 0);
    EXPECT_TRUE(pane->Render().toImage().pixelColor(100, 30)
                == Lighten(pane->palette().color(QPalette::Highlight), 0.3));
}

TEST_F(TaskPaneTest, PaneNarrowerThanItsMarginsStillPaintsAndScrolls)
{
    pane->resize(8, 30);
    Show();
    ASSERT_TRUE(pane->LoadMenu(kFiveLinkMenu));
    EXPECT_EQ(pane->Group(0)->Rect().width(), 0);
    EXPECT_FALSE(pane->ScrollBar()->isHidden());
    pane->Render();
    QTest::mouseMove(pane.get(), QPoint(4, 20));
    EXPECT_FALSE(pane->Group(0)->hovered);
}

TEST_F(TaskPaneTest, ScrollBarShowsWhileGroupsDoNotFitAndCollapsingHidesIt)
{
    pane->resize(CTaskPane::kWidth, 250);
    Show();
    ASSERT_TRUE(pane->LoadMenu(kFiveLinkMenu)); // 10 + 3 * (130 + 10) = 430 > 250
    EXPECT_FALSE(pane->ScrollBar()->isHidden());
    EXPECT_EQ(pane->ScrollBar()->maximum(), 430 - 250 + 1);
    // The groups make room for the thumb.
    EXPECT_EQ(pane->Group(0)->Rect().width(), CTaskPane::kWidth - 17 - 20);

    ToggleAndFinish(0); // 325
    EXPECT_FALSE(pane->ScrollBar()->isHidden());
    ToggleAndFinish(1); // 220
    EXPECT_TRUE(pane->ScrollBar()->isHidden());
    EXPECT_EQ(pane->ScrollBar()->value(), 0);
    EXPECT_EQ(pane->Group(0)->Rect().width(), CTaskPane::kWidth - 20);
    EXPECT_EQ(pane->Group(2)->Rect().top(), 10 + 25 + 10 + 25 + 10);

    ToggleAndFinish(1); // expanding again brings the scroll bar back
    EXPECT_FALSE(pane->ScrollBar()->isHidden());
}

TEST_F(TaskPaneTest, CollapseAnimatesForTwentyStepsThenLeavesTheCollapsedHeight)
{
    Show();
    ASSERT_TRUE(pane->LoadMenu(kFiveLinkMenu));
    const QRect expanded = pane->Group(0)->Rect();
    const QColor body = Lighten(pane->palette().color(QPalette::Highlight), 0.75);
    const QPoint bodyBottom(expanded.right() - 3, expanded.bottom() - 2);
    ASSERT_EQ(Pixel(pane->Render(), bodyBottom.x(), bodyBottom.y()), body);

    QElapsedTimer clock;
    QTest::mouseMove(pane.get(), HeaderPoint(0));
    clock.start();
    QTest::mousePress(pane.get(), Qt::LeftButton, {}, HeaderPoint(0));

    // The group is collapsed at once but keeps its room while the body slides.
    ASSERT_TRUE(pane->IsAnimating());
    EXPECT_TRUE(pane->Group(0)->collapsed);
    EXPECT_EQ(pane->Group(0)->Rect(), expanded);
    ASSERT_TRUE(WaitUntil([&] { return Pixel(pane->Render(), bodyBottom.x(), bodyBottom.y()) != body; }));
    EXPECT_TRUE(pane->IsAnimating());

    ASSERT_TRUE(WaitUntil([this] { return !pane->IsAnimating(); }));
    const qint64 elapsed = clock.elapsed();
    EXPECT_GE(elapsed, CTaskPane::kAnimationSteps * CTaskPane::kAnimationStepMs - 10);
    EXPECT_LT(elapsed, 2000);
    EXPECT_EQ(pane->Group(0)->Rect().height(), 25);
    EXPECT_EQ(pane->Group(1)->Rect().top(), 10 + 25 + 10);
}

TEST_F(TaskPaneTest, HoverLeavesTheHeaderBeforeTakingUpTheLink)
{
    Show();
    ASSERT_TRUE(pane->LoadMenu(kAddrbookMenu));

    QTest::mouseMove(pane.get(), HeaderPoint(0));
    EXPECT_TRUE(pane->Group(0)->hovered);
    EXPECT_EQ(pane->cursor().shape(), Qt::BitmapCursor);

    QTest::mouseMove(pane.get(), LinkPoint(0, 0));
    EXPECT_FALSE(pane->Group(0)->hovered);
    EXPECT_FALSE(pane->Group(0)->links[0].hovered);
    EXPECT_NE(pane->cursor().shape(), Qt::BitmapCursor);

    QTest::mouseMove(pane.get(), LinkPoint(0, 0, 4));
    EXPECT_TRUE(pane->Group(0)->links[0].hovered);
    EXPECT_EQ(pane->cursor().shape(), Qt::BitmapCursor);

    // Straight onto the next link: the hover moves with the pointer.
    QTest::mouseMove(pane.get(), LinkPoint(0, 1));
    EXPECT_FALSE(pane->Group(0)->links[0].hovered);
    EXPECT_TRUE(pane->Group(0)->links[1].hovered);

    // Beside the text is not on the link.
    const CTaskLink &link = pane->Group(0)->links[1];
    QTest::mouseMove(pane.get(), QPoint(link.hit.right() + 5, link.hit.center().y()));
    EXPECT_FALSE(pane->Group(0)->links[1].hovered);
    EXPECT_NE(pane->cursor().shape(), Qt::BitmapCursor);
}

TEST_F(TaskPaneTest, HoveredLinkIsUnderlinedInTheLighterColour)
{
    Show();
    ASSERT_TRUE(pane->LoadMenu(kAddrbookMenu));
    const QColor hover = Lighten(pane->palette().color(QPalette::Highlight), 0.35);
    const QRect hit = pane->Group(0)->links[0].hit;
    const QRect underline(hit.left(), hit.bottom(), hit.width(), 1);
    EXPECT_LT(CountColour(pane->Render().toImage(), underline, hover), hit.width() / 2);

    QTest::mouseMove(pane.get(), LinkPoint(0, 0));
    QTest::mouseMove(pane.get(), LinkPoint(0, 0, 3));
    ASSERT_TRUE(pane->Group(0)->links[0].hovered);
    EXPECT_EQ(CountColour(pane->Render().toImage(), underline, hover), hit.width());
}

TEST_F(TaskPaneTest, ReleaseOnAHoveredLinkPostsItsCommandToTheMainFrame)
{
    CMessageSink frame;
    g_hMainWnd.Set(&frame);
    Show();
    ASSERT_TRUE(pane->LoadMenu(kAddrbookMenu));

    QTest::mouseMove(pane.get(), LinkPoint(1, 2));
    QTest::mouseMove(pane.get(), LinkPoint(1, 2, 3));
    QTest::mouseClick(pane.get(), Qt::LeftButton, {}, LinkPoint(1, 2, 3));
    EXPECT_TRUE(WaitUntil([&] { return frame.Has(WM_POSTED_COMMAND); }));
    EXPECT_EQ(frame.LastWParam(WM_POSTED_COMMAND), 32810);

    // A right click, or a release beside the link, sends nothing.
    QTest::mouseClick(pane.get(), Qt::RightButton, {}, LinkPoint(1, 2, 3));
    QTest::mousePress(pane.get(), Qt::LeftButton, {}, LinkPoint(1, 2, 3));
    QTest::mouseRelease(pane.get(), Qt::LeftButton, {}, QPoint(180, LinkPoint(1, 2).y()));
    Settle(50);
    EXPECT_EQ(frame.Count(WM_POSTED_COMMAND), 1);

    // A pane given its own receiver sends there instead.
    CMessageSink view;
    pane->SetCommandTarget(&view);
    QTest::mouseMove(pane.get(), LinkPoint(0, 0));
    QTest::mouseMove(pane.get(), LinkPoint(0, 0, 3));
    QTest::mouseClick(pane.get(), Qt::LeftButton, {}, LinkPoint(0, 0, 3));
    EXPECT_TRUE(WaitUntil([&] { return view.Has(WM_POSTED_COMMAND); }));
    EXPECT_EQ(view.LastWParam(WM_POSTED_COMMAND), 32805);
    EXPECT_EQ(frame.Count(WM_POSTED_COMMAND), 1);
    g_hMainWnd.Set(nullptr);
}

// A key the view gave a command posts it while a link offers that command.
TEST_F(TaskPaneTest, ShortcutInTheViewPostsTheCommandOnlyWhileALinkOffersIt)
{
    QWidget view;
    auto *viewPane = new CTaskPane(&view);
    auto *list = new QWidget(&view);
    list->setFocusPolicy(Qt::StrongFocus);
    CMessageSink target;
    viewPane->SetCommandTarget(&target);
    viewPane->AddShortcut(32810, QKeySequence::Delete);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    view.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
    list->setFocus();

    QTest::keyClick(list, Qt::Key_Delete);
    Settle(50);
    EXPECT_EQ(target.Count(WM_POSTED_COMMAND), 0);

    ASSERT_TRUE(viewPane->LoadMenu(kAddrbookMenu));
    QTest::keyClick(list, Qt::Key_Delete);
    EXPECT_TRUE(WaitUntil([&] { return target.Has(WM_POSTED_COMMAND); }));
    EXPECT_EQ(target.LastWParam(WM_POSTED_COMMAND), 32810);
}

TEST_F(TaskPaneTest, LinksOfACollapsedGroupCannotBeHovered)
{
    Show();
    ASSERT_TRUE(pane->LoadMenu(kFiveLinkMenu));
    const QPoint where = LinkPoint(2, 0);
    ToggleAndFinish(2);
    QTest::mouseMove(pane.get(), where);
    QTest::mouseMove(pane.get(), where + QPoint(2, 0));
    EXPECT_FALSE(pane->Group(2)->links[0].hovered);
}

TEST_F(TaskPaneTest, ScrollBarStepsByPixelsAndLinksAndHoverFollowsTheScroll)
{
    pane->resize(CTaskPane::kWidth, 150);
    Show();
    ASSERT_TRUE(pane->LoadMenu(kFiveLinkMenu));
    CStepScrollBar *bar = pane->ScrollBar();
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(bar->value(), 1);
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(bar->value(), 22);
    bar->triggerAction(QAbstractSlider::SliderPageStepSub);
    bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(bar->value(), 0);
    bar->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(bar->value(), 430 - 150 + 1);
    bar->triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_EQ(bar->value(), 0);

    // Scrolled by 140 the second group sits at the top.
    bar->setValue(140);
    QTest::mouseMove(pane.get(), HeaderPoint(1));
    EXPECT_TRUE(pane->Group(1)->hovered);
    EXPECT_LT(HeaderPoint(1).y(), 25);
}

TEST_F(TaskPaneTest, WheelScrollsTwoLinksPerNotch)
{
    pane->resize(CTaskPane::kWidth, 150);
    Show();
    ASSERT_TRUE(pane->LoadMenu(kFiveLinkMenu));
    QWheelEvent down(QPointF(50, 50), pane->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, -120), Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(pane.get(), &down);
    EXPECT_EQ(pane->ScrollBar()->value(), 2 * 21);
    QWheelEvent halfUp(QPointF(50, 50), pane->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, 60), Qt::NoButton,
                       Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(pane.get(), &halfUp);
    EXPECT_EQ(pane->ScrollBar()->value(), 21);

    // Content that fits does not move.
    pane->resize(CTaskPane::kWidth, 600);
    QCoreApplication::sendEvent(pane.get(), &down);
    EXPECT_EQ(pane->ScrollBar()->value(), 0);
}

TEST_F(TaskPaneTest, GroupIsDrawnWithRoundedHeaderAndLightBody)
{
    pane->AddGroup("A");
    pane->AddLink(0, "x", 1);
    const QColor highlight = pane->palette().color(QPalette::Highlight);
    const QRect group = pane->Group(0)->Rect();
    const int left = group.left();
    const int right = group.left() + group.width();
    const int top = group.top();
    const int middle = (left + right) / 2;
    const QImage image = pane->Render().toImage();

    EXPECT_EQ(image.pixelColor(2, 2), Lighten(highlight, 0.3));
    EXPECT_EQ(image.pixelColor(left, top), Lighten(highlight, 0.3)); // rounded corner
    EXPECT_EQ(image.pixelColor(right - 1, top), Lighten(highlight, 0.3));
    EXPECT_EQ(image.pixelColor(left + 2, top + 15), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(right - 2, top + 15), CTaskGroup::kHeaderEdge);
    const QColor fading = image.pixelColor(middle + 20, top + 15);
    EXPECT_TRUE(fading != QColor(Qt::white) && fading.blue() >= 247 && fading.red() < 255 && fading.red() >= 198);
    EXPECT_EQ(image.pixelColor(left, top + 40), QColor(Qt::white)); // body outline
    EXPECT_EQ(image.pixelColor(right - 5, top + 40), Lighten(highlight, 0.75));
    EXPECT_GT(CountColour(image, QRect(left + 15, top, 30, 25), highlight), 0); // title
    EXPECT_GT(CountColour(image, pane->Group(0)->links[0].hit, highlight), 0);  // link text

    // The collapse button's picture sits near the right end of the header,
    // and changes when the group is collapsed.
    const QRect button(right - 26, top + 2, 21, 21);
    const QColor chevron(33, 70, 165);
    EXPECT_GT(CountNear(image, button, chevron, 40), 5);
    EXPECT_EQ(CountNear(image, EdgeRect(left, top, right - 26, top + 25), chevron, 40), 0);
    Show();
    ToggleAndFinish(0);
    ASSERT_TRUE(pane->Group(0)->collapsed);
    EXPECT_NE(pane->Render().toImage().copy(button), image.copy(button));
}

TEST_F(TaskPaneTest, WithoutGradientsTheFadingHalfOfTheHeaderIsLeftOut)
{
    SetGradientFillAvailable(false);
    pane->AddGroup("A");
    SetGradientFillAvailable(true);
    const QRect group = pane->Group(0)->Rect();
    const int middle = group.left() + group.width() / 2;
    const QImage image = pane->Render().toImage();
    EXPECT_EQ(image.pixelColor(middle + 20, group.top() + 15),
              Lighten(pane->palette().color(QPalette::Highlight), 0.3));
    EXPECT_EQ(image.pixelColor(group.left() + 2, group.top() + 15), QColor(Qt::white));
}

} // namespace
} // namespace orrin::test
