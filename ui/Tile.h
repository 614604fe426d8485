// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// One tile of a tile grid: a framed child window with a caption strip over a
// body that the member grid draws (a picture, a file icon, a contact card).

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>
#include <QWidget>

namespace orrin {

class CTileGrid;

class CTile : public QWidget {
    Q_OBJECT
public:
    static constexpr int kCaptionHeight = 20;
    static constexpr int kCaptionFontHeight = 15;
    static constexpr int kEmptyCaptionFontHeight = 20;
    static inline const QColor kEmptyCaption{192, 192, 192};
    static inline const QColor kSelectedFrame{255, 215, 123};
    static inline const QColor kFrame{192, 192, 192};
    static inline const QColor kCaptionStrip{209, 205, 192};

    explicit CTile(const QString &caption);

    QString Caption() const { return m_strCaption; }
    bool IsSelected() const { return m_bSelected; }
    // The tile's rectangle in the grid, scrolling included.
    QRect Rect() const { return m_rect; }

    // Draws the whole tile at rect: white ground, frame, caption strip, body.
    // The grid draws every tile this way into its off-screen picture; the
    // tile's own window draws nothing over it.
    void Draw(QPainter &painter, const QRect &rect) const;

    // The area left to the body inside a tile drawn at rect.
    static QRect BodyArea(const QRect &rect);

    // Where a picture of the given size lands when fitted into area keeping
    // its aspect ratio: the full width, centred vertically, when it is at
    // least as wide (in proportion) as the area; else the full height,
    // centred horizontally.
    static QRect FittedRect(const QSize &picture, const QRect &area);
    // Draws the picture fitted into area; stretched without smoothing, so a
    // one-bit picture stays black and white.
    static void DrawFitted(QPainter &painter, const QImage &picture, const QRect &area);

protected:
    // The member's own drawing of the body; nothing by default.
    virtual void DrawBody(QPainter &painter, const QRect &body) const;
    // The body of a tile with nothing to show: the caption once more, grey,
    // centred at the top of the body inset by the given margins.
    void DrawEmptyCaption(QPainter &painter, const QRect &body, int insetX, int insetY) const;

    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    friend class CTileGrid;
    void SetSelected(bool selected) { m_bSelected = selected; }
    void SetRect(const QRect &rect);
    CTileGrid *Grid() const;

    QString m_strCaption;
    bool m_bSelected = false;
    QRect m_rect;
};

} // namespace orrin
