// SPDX-License-Identifier: GPL-2.0-or-later
#include "phone/line/AnswerLines.h"

namespace orrin::phone {

CAnswerLines::CAnswerLines(int maxLength) : m_maxLength(maxLength) {}

void CAnswerLines::Feed(const QByteArray &bytes)
{
    for (const char c : bytes) {
        if (c == '\r' || c == '\n') {
            EndLine();
        } else if (m_current.size() < m_maxLength) {
            m_current.append(c);
        } else {
            m_currentOverLong = true;
        }
    }
}

void CAnswerLines::EndLine()
{
    if (m_currentOverLong)
        m_complete.push_back({QByteArray(), true});
    else if (!m_current.isEmpty())
        m_complete.push_back({m_current, false});
    m_current.clear();
    m_currentOverLong = false;
}

std::optional<AnswerLine> CAnswerLines::Next()
{
    if (m_complete.empty())
        return std::nullopt;
    AnswerLine line = std::move(m_complete.front());
    m_complete.pop_front();
    return line;
}

bool CAnswerLines::PromptWaiting() const
{
    return m_complete.empty() && m_current == "> ";
}

void CAnswerLines::Clear()
{
    m_current.clear();
    m_currentOverLong = false;
    m_complete.clear();
}

} // namespace orrin::phone
