// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The AT engine: one command at a time over a byte channel. It waits for the
// final answer (OK, ERROR, +CME ERROR, +CMS ERROR) or the "> " data prompt,
// tolerates the phone's echo, skips unsolicited lines, and gives up at a
// deadline scaled to the amount of data. After a broken exchange it brings
// the line back into step before the next command.

#include "phone/line/AnswerLines.h"
#include "phone/line/AtReply.h"
#include "phone/line/LineExport.h"
#include "phone/line/SerialIo.h"

#include <QString>

namespace orrin::phone {

struct LineTimings {
    int commandMs = 2000;  // answer to a plain command
    int quietMs = 60;      // silence that ends the draining of stale bytes
};

class PHONELINE_API CAtEngine {
public:
    // Answer size of a plain command, for the timeout.
    static constexpr int kShortAnswer = 64;

    CAtEngine(ISerialIo &io, QString portLabel, LineTimings timings = {});

    // Sends "<command>\r" and collects the answer. extraWaitMs is time the
    // phone may need on top of the line (a message going out to the network).
    AtReply Run(const QByteArray &command, int expectedAnswerBytes = kShortAnswer, int extraWaitMs = 0);
    // Sends the command, waits for the data prompt, then sends data and Ctrl-Z.
    // Without a prompt the answer in place of it is returned. extraWaitMs
    // lengthens the wait for the answer to the data.
    AtReply RunWithData(const QByteArray &command, const QByteArray &data, int extraWaitMs = 0);

    // Aborts a pending data entry (ESC), drops stale bytes and checks that
    // "AT" is answered OK. Run does this by itself after a broken exchange.
    bool Resynchronise();
    bool NeedsResync() const { return m_needsResync; }

    // Time for an answer of this many bytes at the line's rate.
    int TimeoutMs(int answerBytes) const;

private:
    AtReply Exchange(const QByteArray &command, int expectedAnswerBytes, int extraWaitMs, bool wantPrompt);
    // Reads answer lines until a final answer (or the prompt when wanted).
    AtReply Collect(const QByteArray &echo, const QByteArray &expectedPrefix, const QDeadlineTimer &deadline,
                    bool wantPrompt);
    bool DrainUntilQuiet(const QDeadlineTimer &deadline);
    AtReply Broken(AtOutcome outcome);

    ISerialIo &m_io;
    QString m_port;
    LineTimings m_timings;
    CAnswerLines m_lines;
    bool m_needsResync = false;
};

} // namespace orrin::phone
