// SPDX-License-Identifier: GPL-2.0-or-later
#include "phone/line/AtEngine.h"

#include "phone/line/Trace.h"
#include "phone/line/Unsolicited.h"

#include <algorithm>

namespace orrin::phone {
namespace {

constexpr char kCtrlZ = 0x1a;
constexpr char kEscape = 0x1b;
constexpr int kBitsPerByte = 10;  // 8N1: start bit, 8 data bits, stop bit
constexpr int kTransferMargin = 2;

// Reads the final result of an answer line into reply; false for any other line.
bool ReadFinal(const QByteArray &line, AtReply &reply)
{
    static const QByteArray kCme = "+CME ERROR:";
    static const QByteArray kCms = "+CMS ERROR:";
    if (line == "OK") {
        reply.outcome = AtOutcome::Ok;
    } else if (line == "ERROR") {
        reply.outcome = AtOutcome::Error;
    } else if (line.startsWith(kCme) || line.startsWith(kCms)) {
        reply.outcome = line.startsWith(kCme) ? AtOutcome::CmeError : AtOutcome::CmsError;
        bool numeric = false;
        const int code = line.mid(kCme.size()).trimmed().toInt(&numeric);
        reply.errorCode = numeric ? code : -1;
    } else {
        return false;
    }
    return true;
}

// The phone's echo of what was sent; the echo of data entry ends with the
// Ctrl-Z that sent it.
bool IsEchoOf(const QByteArray &line, const QByteArray &sent)
{
    return line == sent || (line.endsWith(kCtrlZ) && line.chopped(1) == sent);
}

bool HasControlBytes(const QByteArray &line)
{
    return std::any_of(line.begin(), line.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return (byte < 0x20 && byte != '\t') || byte == 0x7f;
    });
}

} // namespace

CAtEngine::CAtEngine(ISerialIo &io, QString portLabel, LineTimings timings)
    : m_io(io), m_port(std::move(portLabel)), m_timings(timings)
{
}

int CAtEngine::TimeoutMs(int answerBytes) const
{
    const int baud = std::max(m_io.BaudRate(), 1);
    const qint64 transferMs = qint64(answerBytes) * kBitsPerByte * 1000 * kTransferMargin / baud;
    return int(std::min<qint64>(m_timings.commandMs + transferMs, 10 * 60 * 1000));
}

AtReply CAtEngine::Run(const QByteArray &command, int expectedAnswerBytes, int extraWaitMs)
{
    return Exchange(command, expectedAnswerBytes, extraWaitMs, false);
}

AtReply CAtEngine::RunWithData(const QByteArray &command, const QByteArray &data, int extraWaitMs)
{
    AtReply prompt = Exchange(command, kShortAnswer, 0, true);
    if (prompt.outcome != AtOutcome::Prompt)
        return prompt;
    m_lines.Clear();  // the prompt itself
    const QDeadlineTimer deadline(TimeoutMs(data.size() + kShortAnswer) + std::max(extraWaitMs, 0));
    CTrace::Sent(m_port, data);
    if (!m_io.Write(data + kCtrlZ, deadline))
        return Broken(AtOutcome::LineLost);
    AtReply reply = Collect(data, AnswerPrefixOf(command), deadline, false);
    if (reply.LineFailed())
        m_needsResync = true;
    return reply;
}

AtReply CAtEngine::Exchange(const QByteArray &command, int expectedAnswerBytes, int extraWaitMs, bool wantPrompt)
{
    if (m_needsResync && !Resynchronise())
        return Broken(AtOutcome::Timeout);
    m_io.DiscardInput();
    m_lines.Clear();
    const QDeadlineTimer deadline(TimeoutMs(command.size() + expectedAnswerBytes) + std::max(extraWaitMs, 0));
    CTrace::Sent(m_port, command);
    if (!m_io.Write(command + '\r', deadline))
        return Broken(AtOutcome::LineLost);
    AtReply reply = Collect(command, AnswerPrefixOf(command), deadline, wantPrompt);
    if (reply.LineFailed()) {
        m_needsResync = true;
        CTrace::Note(m_port, reply.outcome == AtOutcome::Timeout ? QStringLiteral("no answer in time")
                                                                 : QStringLiteral("line lost"));
    }
    return reply;
}

AtReply CAtEngine::Collect(const QByteArray &echo, const QByteArray &expectedPrefix,
                           const QDeadlineTimer &deadline, bool wantPrompt)
{
    AtReply reply;
    bool echoSeen = false;
    bool skipNext = false;
    bool garbled = false;
    for (;;) {
        while (std::optional<AnswerLine> line = m_lines.Next()) {
            if (line->overLong) {
                CTrace::Note(m_port, QStringLiteral("over-long line dropped"));
                garbled = true;
                continue;
            }
            CTrace::Received(m_port, line->text);
            if (skipNext) {
                skipNext = false;
            } else if (!echoSeen && IsEchoOf(line->text, echo)) {
                echoSeen = true;
            } else if (ReadFinal(line->text, reply)) {
                if (garbled && reply.outcome == AtOutcome::Ok)
                    reply.outcome = AtOutcome::Garbled;
                return reply;
            } else if (IsUnsolicited(line->text, expectedPrefix)) {
                skipNext = UnsolicitedHasDataLine(line->text);
            } else if (HasControlBytes(line->text)) {
                garbled = true;
            } else {
                reply.lines.append(line->text);
            }
        }
        if (wantPrompt && m_lines.PromptWaiting()) {
            CTrace::Received(m_port, "> ");
            reply.outcome = AtOutcome::Prompt;
            return reply;
        }
        const ReadResult read = m_io.Read(deadline);
        if (read.status != ReadStatus::Data) {
            reply.outcome = read.status == ReadStatus::Lost ? AtOutcome::LineLost : AtOutcome::Timeout;
            return reply;
        }
        m_lines.Feed(read.bytes);
    }
}

bool CAtEngine::Resynchronise()
{
    CTrace::Note(m_port, QStringLiteral("resynchronising"));
    const QDeadlineTimer deadline(TimeoutMs(kShortAnswer));
    if (!m_io.Write(QByteArray(1, kEscape), deadline) || !DrainUntilQuiet(deadline))
        return false;
    m_lines.Clear();
    CTrace::Sent(m_port, "AT");
    if (!m_io.Write("AT\r", deadline))
        return false;
    if (!Collect("AT", {}, deadline, false).IsOk() || !DrainUntilQuiet(deadline))
        return false;
    m_lines.Clear();
    m_needsResync = false;
    return true;
}

bool CAtEngine::DrainUntilQuiet(const QDeadlineTimer &deadline)
{
    for (;;) {
        QDeadlineTimer quiet(m_timings.quietMs);
        if (quiet.deadline() > deadline.deadline())
            quiet = deadline;
        const ReadResult read = m_io.Read(quiet);
        if (read.status == ReadStatus::Lost)
            return false;
        if (read.status == ReadStatus::Timeout)
            return !deadline.hasExpired();
        if (!read.bytes.isEmpty())
            CTrace::Note(m_port, QStringLiteral("dropped %1 stale bytes").arg(read.bytes.size()));
    }
}

AtReply CAtEngine::Broken(AtOutcome outcome)
{
    m_needsResync = true;
    AtReply reply;
    reply.outcome = outcome;
    return reply;
}

} // namespace orrin::phone
