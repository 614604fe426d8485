// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/TaskPane.h"

#include "ui/CommandMessage.h"
#include "ui/ControlId.h"
#include "ui/Look.h"
#include "ui/MenuResource.h"
#include "resources/Resources.h"
#include "ui/StepScrollBar.h"
#include "ui/SystemMetrics.h"

#include <QAction>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>

namespace orrin {

CTaskPane::CTaskPane(QWidget *parent)
    : QWidget(parent), m_pScrollBar(new CStepScrollBar(this)), m_handCursor(HandCursor())
{
    setObjectName(QStringLiteral("WndDirectUI"));
    SetControlId(this, kControlId);
    setMouseTracking(true);
    InitResources();
    m_expandedButton = QPixmap(BitmapPath(IDB_GROUP_EXPANDED));
    m_collapsedButton = QPixmap(BitmapPath(IDB_GROUP_COLLAPSED));

    m_pScrollBar->hide();
    connect(m_pScrollBar, &QScrollBar::valueChanged, this, qOverload<>(&QWidget::update));

    m_animationTimer.setInterval(kAnimationStepMs);
    m_animationTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_animationTimer, &QTimer::timeout, this, &CTaskPane::AnimationTick);
}

CTaskPane::~CTaskPane() = default;

bool CTaskPane::LoadMenu(int menuId)
{
    StopAnimation();
    ClearHover();
    m_groups.clear();
    const MenuResource *menu = FindMenu(menuId);
    if (menu) {
        for (const MenuPopup &popup : menu->popups) {
            auto group = std::make_unique<CTaskGroup>(popup.title, GradientFillAvailable());
            for (const MenuItem &item : popup.items)
                group->links.emplace_back(item.text, item.commandId);
            m_groups.push_back(std::move(group));
        }
    }
    Changed();
    return menu != nullptr;
}

int CTaskPane::AddGroup(const QString &title)
{
    m_groups.push_back(std::make_unique<CTaskGroup>(title, GradientFillAvailable()));
    Changed();
    return GroupCount() - 1;
}

bool CTaskPane::RemoveGroup(int index)
{
    if (index < 0 || index >= GroupCount())
        return false;
    CTaskGroup *group = m_groups[index].get();
    if (m_animation && m_animation->group == group)
        StopAnimation();
    if (m_pHoverGroup == group)
        m_pHoverGroup = nullptr;
    if (m_pHoverLink && std::any_of(group->links.begin(), group->links.end(),
                                    [this](const CTaskLink &link) { return &link == m_pHoverLink; }))
        m_pHoverLink = nullptr;
    m_groups.erase(m_groups.begin() + index);
    UpdateCursor();
    Changed();
    return true;
}

bool CTaskPane::AddLink(int group, const QString &text, int commandId)
{
    if (group < 0 || group >= GroupCount())
        return false;
    m_groups[group]->links.emplace_back(text, commandId);
    Changed();
    return true;
}

void CTaskPane::SetCommandTarget(QObject *target)
{
    m_commandTarget = target;
}

void CTaskPane::AddShortcut(int commandId, const QKeySequence &keys)
{
    auto *action = new QAction(this);
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    action->setData(commandId);
    connect(action, &QAction::triggered, this, [this, commandId] {
        if (OffersCommand(commandId))
            PostCommand(commandId, m_commandTarget);
    });
    (parentWidget() ? parentWidget() : this)->addAction(action);
}

bool CTaskPane::OffersCommand(int commandId) const
{
    return std::any_of(m_groups.begin(), m_groups.end(), [commandId](const auto &group) {
        return std::any_of(group->links.begin(), group->links.end(),
                           [commandId](const CTaskLink &link) { return link.commandId == commandId; });
    });
}

const CTaskGroup *CTaskPane::Group(int index) const
{
    return index >= 0 && index < GroupCount() ? m_groups[index].get() : nullptr;
}

void CTaskPane::Changed()
{
    Relayout();
    update();
}

// While a group animates it keeps its expanded room, so the groups below do
// not move until the body has slid away (or after it has slid in).
int CTaskPane::LayoutHeight(const CTaskGroup &group, int linkHeight) const
{
    if (m_animation && m_animation->group == &group)
        return group.ExpandedHeight(linkHeight);
    return group.Height(linkHeight);
}

void CTaskPane::Relayout()
{
    const SystemMetrics metrics = CurrentSystemMetrics();
    const int linkHeight = LinkHeight();

    int lastBottom = 0;
    for (const auto &group : m_groups)
        lastBottom += kGap + LayoutHeight(*group, linkHeight);
    const int extent = lastBottom + kGap;
    const bool scrolling = !m_groups.empty() && height() < extent;

    m_pScrollBar->setGeometry(width() - metrics.scrollBarWidth, 0, metrics.scrollBarWidth, height());
    m_pScrollBar->SetSteps(1, linkHeight, kWheelNotchLinks * linkHeight);
    m_pScrollBar->SetContent(scrolling ? extent : 0, height());
    m_pScrollBar->setVisible(scrolling);

    const int drawingWidth = width() - (scrolling ? metrics.scrollThumbWidth : 0);
    const QFontMetrics linkMetrics(font());
    int top = kGap;
    for (const auto &group : m_groups) {
        const int groupHeight = LayoutHeight(*group, linkHeight);
        group->Place(EdgeRect(kGap, top, drawingWidth - kGap, top + groupHeight), linkHeight, linkMetrics);
        top += groupHeight + kGap;
    }
}

std::optional<int> CTaskPane::BodyShift(const CTaskGroup &group) const
{
    if (!m_animation || m_animation->group != &group)
        return std::nullopt;
    const int body = group.ExpandedHeight(LinkHeight()) - CTaskGroup::kHeaderHeight;
    const int uncovered = m_animation->step * body / kAnimationSteps;
    return group.collapsed ? uncovered : body - uncovered;
}

QPixmap CTaskPane::Render() const
{
    const qreal ratio = devicePixelRatioF();
    QPixmap buffer(size() * ratio);
    buffer.setDevicePixelRatio(ratio);
    const PaneColours colours = PaneColours::FromHighlight(palette().color(QPalette::Highlight));
    buffer.fill(colours.background);

    QPainter painter(&buffer);
    painter.translate(0, -m_pScrollBar->value());
    const GroupButtons buttons{m_expandedButton, m_collapsedButton};
    for (const auto &group : m_groups)
        group->Draw(painter, colours, font(), buttons, BodyShift(*group));
    return buffer;
}

void CTaskPane::paintEvent(QPaintEvent *)
{
    QPainter(this).drawPixmap(0, 0, Render());
}

void CTaskPane::resizeEvent(QResizeEvent *)
{
    Relayout();
}

void CTaskPane::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange ||
        event->type() == QEvent::LanguageChange)
        Changed();
    QWidget::changeEvent(event);
}

QPoint CTaskPane::ContentPoint(const QPoint &widgetPoint) const
{
    return widgetPoint + QPoint(0, m_pScrollBar->value());
}

// A group header under the pointer wins over links. Only a change of the
// hovered group is handled on one move; the link is taken up on the next.
void CTaskPane::UpdateHover(const QPoint &widgetPoint)
{
    const QPoint point = ContentPoint(widgetPoint);
    CTaskGroup *candidateGroup = nullptr;
    CTaskLink *candidateLink = nullptr;
    for (const auto &group : m_groups) {
        if (group->HitArea().contains(point)) {
            candidateGroup = group.get();
            break;
        }
    }
    for (auto group = m_groups.begin(); !candidateGroup && !candidateLink && group != m_groups.end(); ++group) {
        if ((*group)->collapsed)
            continue;
        for (CTaskLink &link : (*group)->links) {
            if (link.hit.contains(point)) {
                candidateLink = &link;
                break;
            }
        }
    }

    if (candidateGroup == m_pHoverGroup) {
        if (candidateLink == m_pHoverLink)
            return;
        if (m_pHoverLink)
            m_pHoverLink->hovered = false;
        if (candidateLink)
            candidateLink->hovered = true;
        m_pHoverLink = candidateLink;
    } else {
        if (m_pHoverGroup)
            m_pHoverGroup->hovered = false;
        if (candidateGroup)
            candidateGroup->hovered = true;
        m_pHoverGroup = candidateGroup;
    }
    UpdateCursor();
    update();
}

void CTaskPane::ClearHover()
{
    if (m_pHoverGroup)
        m_pHoverGroup->hovered = false;
    if (m_pHoverLink)
        m_pHoverLink->hovered = false;
    m_pHoverGroup = nullptr;
    m_pHoverLink = nullptr;
    UpdateCursor();
}

void CTaskPane::UpdateCursor()
{
    if (m_pHoverGroup || m_pHoverLink)
        setCursor(m_handCursor);
    else
        unsetCursor();
}

void CTaskPane::mouseMoveEvent(QMouseEvent *event)
{
    UpdateHover(event->position().toPoint());
}

void CTaskPane::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && m_pHoverGroup)
        ToggleGroup(m_pHoverGroup);
}

void CTaskPane::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_pHoverLink)
        return;
    if (m_pHoverLink->hit.contains(ContentPoint(event->position().toPoint())))
        PostCommand(m_pHoverLink->commandId, m_commandTarget);
}

// The pointer has left: nothing stays lit behind it.
void CTaskPane::leaveEvent(QEvent *)
{
    if (!m_pHoverGroup && !m_pHoverLink)
        return;
    ClearHover();
    update();
}

void CTaskPane::wheelEvent(QWheelEvent *event)
{
    m_pScrollBar->Wheel(event);
}

void CTaskPane::ToggleGroup(CTaskGroup *group)
{
    group->collapsed = !group->collapsed;
    m_animation = Animation{group, 0};
    m_animationTimer.start();
    Changed();
}

void CTaskPane::StopAnimation()
{
    m_animationTimer.stop();
    m_animation.reset();
}

void CTaskPane::AnimationTick()
{
    if (m_animation && ++m_animation->step < kAnimationSteps) {
        update();
        return;
    }
    StopAnimation();
    Changed();
}

} // namespace orrin
