// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// One collapsible group of a task pane and its links: what they hold, where
// they sit and how they are drawn.

#include <QColor>
#include <QRect>
#include <QString>

#include <deque>
#include <optional>

class QFont;
class QFontMetrics;
class QPainter;
class QPixmap;

namespace orrin {

// The pane's texts are English source texts, marked with
// QT_TRANSLATE_NOOP("CTaskPane", ...); they are measured and drawn in the
// language of the installed translation.
QString TaskPaneText(const QString &source);

struct CTaskLink {
    CTaskLink(const QString &text, int commandId) : text(text), commandId(commandId) {}

    QString text; // source text
    int commandId;
    bool hovered = false;
    QRect row; // the link's row, content coordinates
    QRect hit; // the measured text inside the row; pointer target
};

// The pane's colours, all derived from the highlight colour.
struct PaneColours {
    QColor highlight;
    QColor hover;      // hovered titles, links and underlines
    QColor background; // the pane behind the groups
    QColor body;       // a group's body behind its links

    static PaneColours FromHighlight(const QColor &highlight);
};

// The pictures of the collapse button.
struct GroupButtons {
    const QPixmap &expanded;  // shown on an expanded group
    const QPixmap &collapsed; // shown on a collapsed group
};

class CTaskGroup {
public:
    static constexpr int kHeaderHeight = 25;
    static constexpr int kCornerRadius = 5;
    static constexpr int kEdgeInset = 5; // the header's plain-coloured strips
    static constexpr int kTitleIndent = 15;
    static constexpr int kLinkIndent = 10;
    static constexpr int kButtonFromRight = 26;
    static constexpr int kButtonFromTop = 2;
    static constexpr int kHitTop = 2;
    static constexpr int kHitBottom = 23;
    static inline const QColor kHeaderEdge{198, 211, 247};

    CTaskGroup(const QString &title, bool gradient);

    QString title; // source text
    bool hovered = false;
    bool collapsed = false;
    std::deque<CTaskLink> links; // a deque keeps links in place as more are added

    int Height(int linkHeight) const;
    int ExpandedHeight(int linkHeight) const;

    // Puts the group at rect (content coordinates) with its links' rows and
    // hit rectangles; the links are placed even while collapsed.
    void Place(const QRect &rect, int linkHeight, const QFontMetrics &linkMetrics);
    QRect Rect() const { return m_rect; }
    QRect HitArea() const;
    int HeaderBottom() const { return m_rect.top() + kHeaderHeight; }

    // Draws the group. With bodyShift the body is drawn expanded, moved up by
    // that many pixels and cut off at the header, over the pane background.
    void Draw(QPainter &painter, const PaneColours &colours, const QFont &font,
              const GroupButtons &buttons, std::optional<int> bodyShift) const;

private:
    void DrawHeader(QPainter &painter, const PaneColours &colours, const QFont &font,
                    const GroupButtons &buttons) const;
    void DrawBody(QPainter &painter, const PaneColours &colours, const QFont &font, int bottom,
                  bool withLinks) const;
    void DrawLink(QPainter &painter, const CTaskLink &link, const PaneColours &colours, const QFont &font) const;

    bool m_bGradient;
    QRect m_rect;
};

} // namespace orrin
