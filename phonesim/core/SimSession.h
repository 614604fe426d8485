// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The phone's side of the line: takes the bytes the host sends, echoes them
// while echo is on, reads command lines, runs them through the command table
// and formats the answers. Handles the "> " data entry (Ctrl-Z sends, ESC
// aborts), the faults of the plan, and counts the commands per name. After
// AT^SQWE=3 the line speaks OBEX until DISCONNECT or the "+++" escape; each
// OBEX request counts as a command named "OBEX", and the faults strike there
// too. After AT^SBFB=1 (the older family) the line speaks BFB frames: the
// hello (a command named "BFB"), OBEX requests in data blocks, and AT
// commands in AT frames, of which AT^SBFB=0 returns the line to AT, even from
// a stuck phone.

#include "phonesim/core/at/CommandTable.h"
#include "phonesim/core/Faults.h"
#include "phonesim/core/SimPhone.h"
#include "phonesim/core/obex/ObexServer.h"
#include "phone/obex/BfbFrame.h"

#include <QByteArray>
#include <QMap>

#include <memory>
#include <vector>

namespace phonesim {

struct SimChunk {
    QByteArray bytes;
    bool answer = false;  // answers wait for the phone's latency; echo goes at once
};

struct SimOutput {
    std::vector<SimChunk> chunks;
    bool hangUp = false;  // the phone dropped the line; later bytes were not read
};

class CSimSession {
public:
    CSimSession(CSimPhone &phone, const CCommandTable &table, FaultPlan faults);

    // Every n-th command a new message arrives first, announced by +CMTI;
    // 0: none arrive.
    void SetIncomingEvery(int commands) { m_incomingEvery = commands; }

    SimOutput Feed(const QByteArray &bytes);
    // The host closed the line: a stuck phone recovers, half-read input goes.
    void LineClosed();

    const QMap<QByteArray, int> &Counts() const { return m_counts; }
    // The counts as one line of JSON: {"AT":2,"AT+CGMI":1}.
    QByteArray CountsJson() const;
    // Bytes on the line per command, both ways (command, data, echo and
    // answer), as one line of JSON like the counts.
    QByteArray BytesJson() const;

private:
    enum class Stuck { No, Silent, Garbage };

    void TakeByte(char c, SimOutput &out);
    void TakeDataByte(char c, SimOutput &out);
    void TakeObexByte(char c, SimOutput &out);
    void RunObexRequest(SimOutput &out);
    void TakeBfbByte(char c, SimOutput &out);
    void RunBfbFrame(const orrin::phone::bfb::BfbFrame &frame, SimOutput &out);
    void RunBfbData(const QByteArray &payload, SimOutput &out);
    void RunBfbAtText(const QByteArray &payload, SimOutput &out);
    void EmitFrames(quint8 type, const QByteArray &bytes, SimOutput &out);
    void LeaveBfb();
    void EnterObexWhenAsked();
    // Counts the command and lets a due fault strike; true when it may be answered.
    bool Admit(SimOutput &out);
    void RunLine(SimOutput &out);
    void Answer(const SimAnswer &answer, SimOutput &out);
    void Emit(const QByteArray &bytes, SimOutput &out);
    void FlushEcho(SimOutput &out);
    bool Strikes(int &after) const;
    QByteArray FinalText(const SimAnswer &answer) const;
    QByteArray Noise();
    void AnnounceArrival(SimOutput &out);

    CSimPhone &m_phone;
    const CCommandTable &m_table;
    FaultPlan m_faults;
    QByteArray m_input;
    bool m_inputOverLong = false;
    std::function<SimAnswer(const QByteArray &)> m_takeData;
    QByteArray m_echo;
    int m_received = 0;
    Stuck m_stuck = Stuck::No;
    quint32 m_noiseState = 0x2545f491;
    QMap<QByteArray, int> m_counts;
    QMap<QByteArray, qint64> m_bytes;
    QByteArray m_lastCommand;  // the command the bytes on the line belong to
    int m_incomingEvery = 0;
    std::unique_ptr<CObexServer> m_obex;  // while the line speaks OBEX
    QByteArray m_obexInput;
    bool m_bfb = false;  // the line speaks BFB frames
    orrin::phone::bfb::CFrameReader m_frames;
    orrin::phone::bfb::CBlockAssembler m_blocks;
    quint8 m_bfbSequence = 0;  // the number of the next block the phone sends
    QByteArray m_bfbAtLine;
};

} // namespace phonesim
