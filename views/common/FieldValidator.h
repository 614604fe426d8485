// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Typing limits of an edit box that fills a fixed-width record field: the
// text must fit the field's bytes in the system encoding (a character of
// several bytes counts them all), and a number box takes digits only.

#include <QString>
#include <QValidator>

namespace orrin {

class CFieldValidator : public QValidator {
    Q_OBJECT
public:
    enum class Characters { Any, Digits };

    CFieldValidator(int maxBytes, Characters characters, QObject *parent = nullptr);

    // The text the box was opened with. A number read from the phone may
    // hold characters that cannot be typed ("+49..."), and a text in a
    // foreign encoding may take more bytes here than its field: such a text
    // can still be edited, it only cannot grow.
    void SetStartText(const QString &text);

    State validate(QString &input, int &pos) const override;

private:
    bool Fits(const QString &text) const;
    bool TypedOnlyDigits(const QString &text) const;

    int m_nMaxBytes;
    Characters m_characters;
    QString m_strStart;
};

} // namespace orrin
