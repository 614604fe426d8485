// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// One tile of a tile grid: a framed child window with a caption strip over a
// body that the member grid draws (a picture, a file icon, a contact card).

#include <QColor>
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

protected:
    // The member's own drawing of the body; nothing by default.
    virtual void DrawBody(QPainter &painter, const QRect &body) const;

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
