// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/TileGrid.h"

#include "ui/Look.h"
#include "link/Messages.h"
#include "link/SharedState.h"
#include "ui/StepScrollBar.h"
#include "ui/SystemMetrics.h"
#include "ui/Tile.h"

#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QWheelEvent>

namespace orrin {

const TileGridStyle kPictureGridStyle{2005, TileWidthRule::Fixed, 120, 120, 100, RightButtonAction::Release,
                                      WM_PICTURE_DONE};
const TileGridStyle kRingtoneGridStyle{2005, TileWidthRule::Fixed, 120, 120, 100, RightButtonAction::Press,
                                       WM_RINGTONE_DONE};
const TileGridStyle kAddrbookGridStyle{2003, TileWidthRule::Variable, 120, 180, 100, RightButtonAction::Release,
                                       WM_ADDRBOOK_DONE};
const TileGridStyle kS57AddrbookGridStyle{2003, TileWidthRule::Variable, 120, 180, 100,
                                          RightButtonAction::Release, WM_S57ADDRBOOK_DONE};
const TileGridStyle kCalendarGridStyle{2004, TileWidthRule::Variable, 120, 180, 100, RightButtonAction::Release,
                                       WM_CALENDAR_DONE, 20};

CTileGrid::CTileGrid(const TileGridStyle &style, QWidget *parent)
    : CMessageTarget(parent), m_style(style), m_pScrollBar(new CStepScrollBar(this, style.scrollBarId))
{
    m_pScrollBar->setEnabled(false);
    connect(m_pScrollBar, &QScrollBar::valueChanged, this, &CTileGrid::OnScrolled);
}

CTileGrid::~CTileGrid() = default;

// Old tiles go later, not at once: a rebuild may start inside a tile's own
// mouse handling (a context-menu command).
void CTileGrid::Rebuild()
{
    for (CTile *tile : std::as_const(m_tiles)) {
        tile->hide();
        tile->deleteLater();
    }
    m_tiles.clear();
    m_selected = nullptr;
    m_lastClicked = nullptr;
    MakeTiles();
    Relayout();
    update();
    g_bBusy = 0;
}

void CTileGrid::AddTile(CTile *tile)
{
    tile->setParent(this);
    m_tiles.append(tile);
    tile->show();
}

CTile *CTileGrid::Tile(int index) const
{
    return index >= 0 && index < TileCount() ? m_tiles[index] : nullptr;
}

CTile *CTileGrid::SelectedTile() const
{
    const int index = SelectedIndex();
    return index < 0 ? nullptr : m_tiles[index];
}

int CTileGrid::SelectedIndex() const
{
    for (int i = 0; i < TileCount(); ++i) {
        if (m_tiles[i]->IsSelected())
            return i;
    }
    return -1;
}

int CTileGrid::UsableWidth() const
{
    return width() - CurrentSystemMetrics().scrollThumbWidth;
}

TileColumns CTileGrid::Columns() const
{
    if (m_style.widthRule == TileWidthRule::Fixed)
        return FixedColumns(UsableWidth(), m_style.tileWidth);
    return VariableColumns(UsableWidth(), m_style.tileWidth, m_style.maxTileWidth);
}

// Content that fits shows from the top with the scroll bar disabled; taller
// content can scroll a little past its last row.
void CTileGrid::Relayout()
{
    const int barWidth = CurrentSystemMetrics().scrollBarWidth;
    m_pScrollBar->setGeometry(width() - barWidth, 0, barWidth, height());
    if (m_style.scrollStep > 0)
        m_pScrollBar->SetSteps(m_style.scrollStep, m_style.scrollStep, (m_style.tileHeight + kTileGap) / 2);
    else
        m_pScrollBar->SetSteps(kLineStep, height(), (m_style.tileHeight + kTileGap) / 2);
    const TileColumns columns = Columns();
    int extent = 0;
    if (!m_tiles.isEmpty()) {
        const QRect first = TileCell(0, columns, m_style.tileHeight);
        const QRect last = TileCell(TileCount() - 1, columns, m_style.tileHeight);
        extent = last.top() + last.height() - first.top() + kTileMargin;
    }
    const bool scrolling = height() < extent;
    {
        const QSignalBlocker quiet(m_pScrollBar);
        m_pScrollBar->SetContent(scrolling ? extent + kTileMargin : 0, height());
    }
    m_pScrollBar->setEnabled(scrolling);

    const int shift = m_pScrollBar->value();
    for (int i = 0; i < TileCount(); ++i)
        m_tiles[i]->SetRect(TileCell(i, columns, m_style.tileHeight).translated(0, -shift));
}

void CTileGrid::OnScrolled()
{
    Relayout();
    update(0, 0, width() - m_pScrollBar->width(), height());
}

QPixmap CTileGrid::Render() const
{
    const qreal ratio = devicePixelRatioF();
    QPixmap buffer(size() * ratio);
    buffer.setDevicePixelRatio(ratio);
    buffer.fill(Qt::white);
    QPainter painter(&buffer);
    for (const CTile *tile : m_tiles) {
        if (tile->Rect().intersects(rect()))
            tile->Draw(painter, tile->Rect());
    }
    return buffer;
}

void CTileGrid::OnMessage(int message, int)
{
    if (message == m_style.rebuildMessage)
        Rebuild();
}

void CTileGrid::paintEvent(QPaintEvent *)
{
    QPainter(this).drawPixmap(0, 0, Render());
}

void CTileGrid::resizeEvent(QResizeEvent *)
{
    {
        const QSignalBlocker quiet(m_pScrollBar);
        m_pScrollBar->setValue(0);
    }
    Relayout();
}

void CTileGrid::TileButton(CTile *tile, Qt::MouseButton button, bool press, const QPoint &globalPos)
{
    m_lastClicked = tile;
    Button(button, press, globalPos);
}

void CTileGrid::TileDoubleClick(CTile *tile, const QPoint &globalPos)
{
    OnDoubleClick(tile, globalPos);
}

// A left press selects; so does the right button on the event of the style.
void CTileGrid::Button(Qt::MouseButton button, bool press, const QPoint &globalPos)
{
    const bool rightSelects = button == Qt::RightButton
        && press == (m_style.rightButton == RightButtonAction::Press);
    if ((button == Qt::LeftButton && press) || rightSelects)
        Click(button, globalPos);
    else
        m_lastClicked = nullptr;
}

void CTileGrid::Click(Qt::MouseButton button, const QPoint &globalPos)
{
    CTile *clicked = m_lastClicked;
    m_lastClicked = nullptr;
    Select(clicked);
    OnClick(clicked, button, globalPos);
}

void CTileGrid::Select(CTile *tile)
{
    if (m_selected) {
        m_selected->SetSelected(false);
        RepaintTile(m_selected);
    }
    m_selected = tile;
    if (tile) {
        tile->SetSelected(true);
        RepaintTile(tile);
    }
}

void CTileGrid::RepaintTile(const CTile *tile)
{
    update(tile->Rect());
}

void CTileGrid::OnClick(CTile *, Qt::MouseButton, const QPoint &) {}

void CTileGrid::OnDoubleClick(CTile *clicked, const QPoint &globalPos)
{
    m_lastClicked = clicked;
    Click(Qt::LeftButton, globalPos);
}

void CTileGrid::mousePressEvent(QMouseEvent *event)
{
    Button(event->button(), true, event->globalPosition().toPoint());
}

void CTileGrid::mouseReleaseEvent(QMouseEvent *event)
{
    Button(event->button(), false, event->globalPosition().toPoint());
}

void CTileGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        OnDoubleClick(nullptr, event->globalPosition().toPoint());
}

void CTileGrid::wheelEvent(QWheelEvent *event)
{
    m_pScrollBar->Wheel(event);
}

} // namespace orrin
