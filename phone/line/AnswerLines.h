// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Cuts the bytes the phone sends into answer lines, whatever pieces they
// arrive in. Lines end with CR or LF; empty lines are dropped. A line longer
// than the limit is not kept: it comes out marked over-long, so a runaway
// sender can never make the buffer grow without bound.

#include "phone/line/LineExport.h"

#include <QByteArray>

#include <deque>
#include <optional>

namespace orrin::phone {

struct AnswerLine {
    QByteArray text;
    bool overLong = false;
};

class PHONELINE_API CAnswerLines {
public:
    static constexpr int kDefaultMaxLength = 4096;

    explicit CAnswerLines(int maxLength = kDefaultMaxLength);

    void Feed(const QByteArray &bytes);
    std::optional<AnswerLine> Next();
    // The unfinished rest is the data prompt "> " that asks for data entry.
    bool PromptWaiting() const;
    void Clear();

private:
    void EndLine();

    int m_maxLength;
    QByteArray m_current;
    bool m_currentOverLong = false;
    std::deque<AnswerLine> m_complete;
};

} // namespace orrin::phone
