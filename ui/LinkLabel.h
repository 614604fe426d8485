// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A one-line text that behaves like a web link: lit and underlined while the
// pointer is over it, and on a click posts its message to its parent.

#include <QString>
#include <QTimer>
#include <QWidget>

namespace orrin {

class CLinkLabel : public QWidget {
    Q_OBJECT
public:
    static constexpr int kFontHeight = 15;
    static constexpr int kHoverCheckMs = 100;

    CLinkLabel(const QString &text, int message, QWidget *parent = nullptr);

    QString Text() const { return m_strText; }
    void SetText(const QString &text);
    bool IsHovered() const { return m_bHovered; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void CheckPointer();

    QString m_strText;
    int m_nMessage;
    bool m_bHovered = false;
    QTimer m_hoverTimer;
};

// A white panel showing a text, wrapped at word boundaries.
class CTextPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int kFontHeight = 15;
    static constexpr int kInset = 5;

    explicit CTextPanel(QWidget *parent = nullptr);

    QString Text() const { return m_strText; }
    void SetText(const QString &text);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_strText;
};

} // namespace orrin
