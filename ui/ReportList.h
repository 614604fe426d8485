// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The report-style list of the data views: rows of columns with grid lines,
// whole rows selected, shown in the order they were added. It tells its view
// about clicks the way the views react to them: a left click, a double click
// and a right click, each with the row under the pointer (-1 when none).

#include <QTableWidget>

namespace orrin {

class CReportList : public QTableWidget {
    Q_OBJECT
public:
    struct Column {
        QString heading; // source text, QT_TRANSLATE_NOOP("CReportList", ...); shown translated
        int width;
    };

    explicit CReportList(const QList<Column> &columns, QWidget *parent = nullptr);

    // Rows selected now, ascending.
    QList<int> SelectedRows() const;
    // Replaces all rows; each row holds one text per column.
    void SetRows(const QList<QStringList> &rows);

signals:
    void Clicked(int row);
    void DoubleClicked(int row);
    void RightClicked(int row, const QPoint &globalPos);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void ShowHeadings();

    QStringList m_headings; // source texts
    // The release that ends a double click is not a click of its own; a
    // release lost to a dialog the double click opened is forgotten at the
    // next press.
    bool m_bDoubleClicked = false;
};

} // namespace orrin
