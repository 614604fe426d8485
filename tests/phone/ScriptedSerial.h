// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A byte channel with the phone's answers written into the test: when the
// engine writes the expected bytes, the answer pieces become readable, one
// piece per read, as a serial port delivers them.

#include "phone/line/SerialIo.h"

#include <QList>

#include <deque>

namespace orrin::phone::test {

class CScriptedSerial : public ISerialIo {
public:
    // Writing `sent` makes the pieces readable. Rules are used once, in order.
    void OnWrite(const QByteArray &sent, const QList<QByteArray> &pieces) { m_rules.push_back({sent, pieces}); }
    // A phone without echo answering the command with lines and a final result.
    void Answers(const QByteArray &command, const QList<QByteArray> &lines, const QByteArray &final = "OK")
    {
        QList<QByteArray> pieces;
        for (const QByteArray &line : lines)
            pieces << "\r\n" + line + "\r\n";
        pieces << "\r\n" + final + "\r\n";
        OnWrite(command + '\r', pieces);
    }
    // From now on the line is gone.
    void LoseLine() { m_lost = true; }

    QList<QByteArray> writes;

    bool Write(const QByteArray &bytes, const QDeadlineTimer &) override
    {
        if (m_lost)
            return false;
        writes << bytes;
        for (auto rule = m_rules.begin(); rule != m_rules.end(); ++rule) {
            if (rule->sent == bytes) {
                m_readable.insert(m_readable.end(), rule->pieces.begin(), rule->pieces.end());
                m_rules.erase(rule);
                break;
            }
        }
        return true;
    }

    // Nothing to read is a timeout at once: the tests need no real waiting.
    ReadResult Read(const QDeadlineTimer &) override
    {
        if (m_lost)
            return {ReadStatus::Lost, {}};
        if (m_readable.empty())
            return {ReadStatus::Timeout, {}};
        QByteArray piece = m_readable.front();
        m_readable.pop_front();
        return {ReadStatus::Data, piece};
    }

    void DiscardInput() override { m_readable.clear(); }
    int BaudRate() const override { return 115200; }

private:
    struct Rule {
        QByteArray sent;
        QList<QByteArray> pieces;
    };
    std::deque<Rule> m_rules;
    std::deque<QByteArray> m_readable;
    bool m_lost = false;
};

} // namespace orrin::phone::test
