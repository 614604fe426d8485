// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/ReportList.h"

#include "link/Translated.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMouseEvent>

#include <algorithm>
#include <utility>

namespace orrin {

CReportList::CReportList(const QList<Column> &columns, QWidget *parent) : QTableWidget(0, int(columns.size()), parent)
{
    setShowGrid(true);
    setSelectionBehavior(SelectRows);
    setSelectionMode(ExtendedSelection);
    setEditTriggers(NoEditTriggers);
    setSortingEnabled(false);
    setWordWrap(false);
    // One line of text per row, as a report list shows it.
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setHighlightSections(false);
    for (int i = 0; i < columns.size(); ++i) {
        m_headings << columns[i].heading;
        setColumnWidth(i, columns[i].width);
    }
    ShowHeadings();
}

void CReportList::ShowHeadings()
{
    for (int i = 0; i < m_headings.size(); ++i)
        setHorizontalHeaderItem(i, new QTableWidgetItem(Translated("CReportList", m_headings[i])));
}

void CReportList::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ShowHeadings();
    QTableWidget::changeEvent(event);
}

QList<int> CReportList::SelectedRows() const
{
    QList<int> rows;
    for (const QModelIndex &index : selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

void CReportList::SetRows(const QList<QStringList> &rows)
{
    setRowCount(0);
    setRowCount(int(rows.size()));
    for (int row = 0; row < rows.size(); ++row) {
        for (int column = 0; column < std::min<qsizetype>(rows[row].size(), columnCount()); ++column)
            setItem(row, column, new QTableWidgetItem(rows[row][column]));
    }
}

void CReportList::mousePressEvent(QMouseEvent *event)
{
    m_bDoubleClicked = false;
    QTableWidget::mousePressEvent(event);
}

void CReportList::mouseReleaseEvent(QMouseEvent *event)
{
    QTableWidget::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    if (std::exchange(m_bDoubleClicked, false))
        return;
    emit Clicked(rowAt(event->position().toPoint().y()));
}

void CReportList::mouseDoubleClickEvent(QMouseEvent *event)
{
    QTableWidget::mouseDoubleClickEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    m_bDoubleClicked = true;
    emit DoubleClicked(rowAt(event->position().toPoint().y()));
}

void CReportList::contextMenuEvent(QContextMenuEvent *event)
{
    emit RightClicked(rowAt(event->pos().y()), event->globalPos());
}

} // namespace orrin
