// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The command pane along a view's left edge: collapsible groups of links, one
// group per popup of the view's menu plus groups the view adds at run time. A
// click on a link posts its command id to the main frame.

#include "ui/TaskGroup.h"

#include <QCursor>
#include <QPixmap>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <memory>
#include <optional>
#include <vector>

class QKeySequence;

namespace orrin {

class CStepScrollBar;

class CTaskPane : public QWidget {
    Q_OBJECT
public:
    static constexpr int kControlId = 1000;
    static constexpr int kWidth = 200;
    static constexpr int kGap = 10;            // around and between groups
    static constexpr int kAnimationSteps = 20; // collapse and expand
    static constexpr int kAnimationStepMs = 10;
    static constexpr int kWheelNotchLinks = 2; // links scrolled per wheel notch

    explicit CTaskPane(QWidget *parent = nullptr);
    ~CTaskPane() override;

    // Replaces all groups by those of the registered menu of that number;
    // false, with the pane left empty, when there is no such menu.
    bool LoadMenu(int menuId);
    // Appends an empty expanded group; returns its index.
    int AddGroup(const QString &title);
    // False when there is no group at that index.
    bool RemoveGroup(int index);
    bool AddLink(int group, const QString &text, int commandId);

    // Where link commands go; the main frame when none is set.
    void SetCommandTarget(QObject *target);

    // A key for one of the pane's commands: pressed with the focus anywhere in
    // the pane's parent (its view), it posts the command as a click on its link
    // would, while the pane shows such a link.
    void AddShortcut(int commandId, const QKeySequence &keys);
    bool OffersCommand(int commandId) const;

    int GroupCount() const { return static_cast<int>(m_groups.size()); }
    // The group at that index, or null.
    const CTaskGroup *Group(int index) const;
    bool IsAnimating() const { return m_animation.has_value(); }
    CStepScrollBar *ScrollBar() const { return m_pScrollBar; }

    // The pane as it is painted: one off-screen picture of the whole client.
    QPixmap Render() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    struct Animation {
        CTaskGroup *group;
        int step;
    };

    void Changed();
    void Relayout();
    int LayoutHeight(const CTaskGroup &group, int linkHeight) const;
    std::optional<int> BodyShift(const CTaskGroup &group) const;
    QPoint ContentPoint(const QPoint &widgetPoint) const;
    void UpdateHover(const QPoint &widgetPoint);
    void ClearHover();
    void UpdateCursor();
    void ToggleGroup(CTaskGroup *group);
    void StopAnimation();
    void AnimationTick();

    std::vector<std::unique_ptr<CTaskGroup>> m_groups;
    CTaskGroup *m_pHoverGroup = nullptr;
    CTaskLink *m_pHoverLink = nullptr;
    std::optional<Animation> m_animation;
    QTimer m_animationTimer;
    CStepScrollBar *m_pScrollBar;
    QPointer<QObject> m_commandTarget;
    QPixmap m_expandedButton;
    QPixmap m_collapsedButton;
    QCursor m_handCursor;
};

} // namespace orrin
