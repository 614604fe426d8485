// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The caption across the top of a view: its title on a horizontal gradient
// from the highlight colour to white.

#include <QColor>
#include <QString>
#include <QWidget>

namespace orrin {

class CHeaderBar : public QWidget {
    Q_OBJECT
public:
    static constexpr int kIndent = 7;

    explicit CHeaderBar(const QString &title = QString(), QWidget *parent = nullptr);

    QString Title() const { return m_strTitle; }
    void SetTitle(const QString &title);
    void SetTextColour(const QColor &colour);
    void SetCentred(bool centred);

    // Whether the gradient look is in use; decided when the bar is made.
    bool HasGradient() const { return m_bGradient; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_strTitle;
    QColor m_textColour;
    bool m_bCentred = false;
    bool m_bGradient;
};

} // namespace orrin
