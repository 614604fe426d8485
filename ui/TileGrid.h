// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A scrollable grid of tiles, the content of the picture, ringtone and
// address-book views. The grid lays the tiles out, paints them through one
// off-screen picture, scrolls, and keeps at most one tile selected; a member
// grid makes the tiles from its data and adds its own reaction to clicks.

#include "ui/TileLayout.h"

#include <QList>
#include <QPixmap>
#include <QPointer>
#include "link/MessageTarget.h"

#include <QWidget>

namespace orrin {

class CStepScrollBar;
class CTile;

enum class TileWidthRule { Fixed, Variable };
enum class RightButtonAction { Release, Press };

// What tells the members of the family apart.
struct TileGridStyle {
    int scrollBarId;
    TileWidthRule widthRule;
    int tileWidth;    // the fixed width, or the least variable width
    int maxTileWidth; // the greatest variable width
    int tileHeight;
    RightButtonAction rightButton; // which right-button event selects
    int rebuildMessage;            // the message that rebuilds the tiles
    int scrollStep = 0;            // line and page step in pixels; 0: lines of 5, pages of the client
};

extern const TileGridStyle kPictureGridStyle;
extern const TileGridStyle kRingtoneGridStyle;
extern const TileGridStyle kAddrbookGridStyle;
extern const TileGridStyle kS57AddrbookGridStyle;
extern const TileGridStyle kCalendarGridStyle;

class CTileGrid : public CMessageTarget<QWidget> {
    Q_OBJECT
public:
    static constexpr int kLineStep = 5;

    explicit CTileGrid(const TileGridStyle &style, QWidget *parent = nullptr);
    ~CTileGrid() override;

    const TileGridStyle &Style() const { return m_style; }

    // Destroys the tiles and makes new ones (MakeTiles), lays them out,
    // repaints and clears g_bBusy, also when there are none: the operation
    // that asked for the rebuild is over either way. The rebuild message of
    // the style, sent or posted to the grid, does the same.
    void Rebuild();

    int TileCount() const { return static_cast<int>(m_tiles.size()); }
    CTile *Tile(int index) const;
    // The first selected tile (the one commands act on), or null.
    CTile *SelectedTile() const;
    int SelectedIndex() const;

    // Width the layout rules work with: the client less the scroll thumb.
    int UsableWidth() const;
    CStepScrollBar *ScrollBar() const { return m_pScrollBar; }

    // The grid as it is painted: one off-screen picture of the client area.
    QPixmap Render() const;

protected:
    // Makes the member's tiles from its data, handing each to AddTile; none
    // when there is nothing to show.
    virtual void MakeTiles() = 0;
    void AddTile(CTile *tile);

    // The member's reaction after a click has set the selection; clicked is
    // null for a click on empty space.
    virtual void OnClick(CTile *clicked, Qt::MouseButton button, const QPoint &globalPos);
    // A double click; by default the same as a second left click.
    virtual void OnDoubleClick(CTile *clicked, const QPoint &globalPos);

    void OnMessage(int message, int wParam) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    friend class CTile;
    void TileButton(CTile *tile, Qt::MouseButton button, bool press, const QPoint &globalPos);
    void TileDoubleClick(CTile *tile, const QPoint &globalPos);
    void Button(Qt::MouseButton button, bool press, const QPoint &globalPos);
    void Click(Qt::MouseButton button, const QPoint &globalPos);
    void Select(CTile *tile);
    void RepaintTile(const CTile *tile);
    TileColumns Columns() const;
    void Relayout();
    void OnScrolled();

    TileGridStyle m_style;
    QList<CTile *> m_tiles;
    QPointer<CTile> m_selected;
    QPointer<CTile> m_lastClicked;
    CStepScrollBar *m_pScrollBar;
};

} // namespace orrin
