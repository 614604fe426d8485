// SPDX-License-Identifier: GPL-2.0-or-later
#include "phonesim/core/SimSession.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace phonesim {
namespace {

constexpr char kCtrlZ = 0x1a;
constexpr char kEscape = 0x1b;
constexpr int kMaxInput = 4096;   // a command line, or the data after a prompt
constexpr int kNoiseBytes = 40;
const QByteArray kObexEscape = "+++";
const QByteArray kObexCommand = "OBEX";
const QByteArray kBfbHelloCommand = "BFB";
const QByteArray kLeaveBfb = "AT^SBFB=0";
constexpr int kMaxBfbAtLine = 512;

// Bytes before a command that no command starts with: a line in AT mode
// passes over them, as it does over the OBEX-abort probe FF 00 08 CB.
bool SkippedBeforeCommand(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x80 || (byte < 0x20 && c != '\r' && c != '\n');
}

QByteArray Framed(const QByteArray &line)
{
    return "\r\n" + line + "\r\n";
}

} // namespace

CSimSession::CSimSession(CSimPhone &phone, const CCommandTable &table, FaultPlan faults)
    : m_phone(phone), m_table(table), m_faults(std::move(faults))
{
}

SimOutput CSimSession::Feed(const QByteArray &bytes)
{
    SimOutput out;
    for (const char c : bytes) {
        if (out.hangUp)
            break;
        TakeByte(c, out);
    }
    FlushEcho(out);
    return out;
}

void CSimSession::TakeByte(char c, SimOutput &out)
{
    if (m_bfb) {
        TakeBfbByte(c, out);
        return;
    }
    if (m_obex) {
        TakeObexByte(c, out);
        return;
    }
    if (c == kEscape) {
        m_stuck = Stuck::No;
        m_input.clear();
        m_inputOverLong = false;
        if (m_takeData) {
            m_takeData = {};
            Answer(SimAnswer::Ok(), out);
        }
        return;
    }
    if (m_input.isEmpty() && !m_takeData && SkippedBeforeCommand(c))
        return;
    if (m_phone.echo && m_stuck == Stuck::No)
        m_echo.append(c);
    if (m_takeData) {
        TakeDataByte(c, out);
    } else if (c == '\r') {
        RunLine(out);
    } else if (c != '\n') {
        if (m_input.size() < kMaxInput)
            m_input.append(c);
        else
            m_inputOverLong = true;
    }
}

void CSimSession::TakeDataByte(char c, SimOutput &out)
{
    ++m_bytes[m_lastCommand];
    if (c != kCtrlZ) {
        if (m_input.size() < kMaxInput)
            m_input.append(c);
        else
            m_inputOverLong = true;
        return;
    }
    const auto takeData = std::move(m_takeData);
    m_takeData = {};
    const QByteArray data = std::exchange(m_input, {});
    Answer(std::exchange(m_inputOverLong, false) ? SimAnswer::Error() : takeData(data), out);
}

void CSimSession::RunLine(SimOutput &out)
{
    const QByteArray line = std::exchange(m_input, {});
    const bool overLong = std::exchange(m_inputOverLong, false);
    const std::optional<AtRequest> request = ParseAtLine(line);
    if (!request)
        return;
    m_lastCommand = request->CountName();
    ++m_counts[m_lastCommand];
    m_bytes[m_lastCommand] += line.size() + 1;
    if (!Admit(out))
        return;
    if (overLong) {
        Answer(SimAnswer::Error(), out);
    } else {
        AnnounceArrival(out);
        const auto fault = m_faults.errors.constFind(request->name);
        Answer(fault != m_faults.errors.constEnd() ? *fault : m_table.Dispatch(m_phone, *request), out);
        EnterObexWhenAsked();
    }
}

bool CSimSession::Admit(SimOutput &out)
{
    ++m_received;
    if (m_stuck == Stuck::Silent)
        return false;
    if (m_stuck == Stuck::Garbage) {
        Emit(Noise(), out);
        return false;
    }
    if (Strikes(m_faults.hangupAfter)) {
        out.hangUp = true;
    } else if (Strikes(m_faults.silentAfter)) {
        m_stuck = Stuck::Silent;
    } else if (Strikes(m_faults.garbageAfter)) {
        m_stuck = Stuck::Garbage;
        Emit(Noise(), out);
    } else {
        return true;
    }
    return false;
}

void CSimSession::EnterObexWhenAsked()
{
    if (std::exchange(m_phone.bfbRequested, false)) {
        m_bfb = true;
        m_bfbSequence = 0;
        m_obex.reset();
        return;
    }
    if (!std::exchange(m_phone.obexRequested, false))
        return;
    m_obex = std::make_unique<CObexServer>(m_phone.State().files, [this] { return m_phone.Now(); });
    m_obexInput.clear();
}

// OBEX bytes gather into whole packets. "+++" where a packet would start
// returns the line to AT, even from a stuck phone; a length no packet can have
// is noise, and is dropped.
void CSimSession::TakeObexByte(char c, SimOutput &out)
{
    m_obexInput.append(c);
    ++m_bytes[kObexCommand];
    if (m_obexInput == kObexEscape) {
        m_obex.reset();
        m_obexInput.clear();
        m_stuck = Stuck::No;
        Answer(SimAnswer::Ok(), out);
        return;
    }
    if (kObexEscape.startsWith(m_obexInput))
        return;
    const std::optional<int> length = orrin::phone::obex::DeclaredLength(m_obexInput);
    if (!length)
        return;
    if (*length < orrin::phone::obex::kHeadSize || *length > CObexServer::kMaxPacket) {
        m_obexInput.clear();
        return;
    }
    if (m_obexInput.size() == *length)
        RunObexRequest(out);
}

void CSimSession::RunObexRequest(SimOutput &out)
{
    const QByteArray request = std::exchange(m_obexInput, {});
    m_lastCommand = kObexCommand;
    ++m_counts[kObexCommand];
    if (!Admit(out))
        return;
    Emit(m_obex->Answer(request), out);
    if (m_obex->Ended())
        m_obex.reset();
}

// BFB bytes gather into frames; bytes that start no frame are passed over.
void CSimSession::TakeBfbByte(char c, SimOutput &out)
{
    ++m_bytes[kObexCommand];
    m_frames.Append(QByteArray(1, c));
    if (const std::optional<orrin::phone::bfb::BfbFrame> frame = m_frames.Next())
        RunBfbFrame(*frame, out);
}

void CSimSession::RunBfbFrame(const orrin::phone::bfb::BfbFrame &frame, SimOutput &out)
{
    using namespace orrin::phone::bfb;
    switch (frame.type) {
    case kConnectFrame:
        if (frame.payload != QByteArray(1, char(kHello)))
            return;
        m_lastCommand = kBfbHelloCommand;
        ++m_counts[kBfbHelloCommand];
        if (Admit(out))
            EmitFrames(kConnectFrame, QByteArray(1, char(kHello)) + QByteArray(1, char(kHelloAck)), out);
        return;
    case kAtFrame:
        RunBfbAtText(frame.payload, out);
        return;
    case kDataFrame:
        RunBfbData(frame.payload, out);
        return;
    default:
        return;
    }
}

// A whole block is acknowledged and its OBEX request answered in a block of
// the phone's own; a broken block is dropped unanswered, as the phone does.
void CSimSession::RunBfbData(const QByteArray &payload, SimOutput &out)
{
    using namespace orrin::phone::bfb;
    if (m_blocks.Add(payload) != CBlockAssembler::Result::Block || m_blocks.Block().command == kAckBlock)
        return;
    m_lastCommand = kObexCommand;
    ++m_counts[kObexCommand];
    if (!Admit(out))
        return;
    EmitFrames(kDataFrame, EncodeAck(), out);
    if (!m_obex)
        m_obex = std::make_unique<CObexServer>(m_phone.State().files, [this] { return m_phone.Now(); });
    const quint8 command = m_bfbSequence == 0 ? kFirstBlock : kNextBlock;
    EmitFrames(kDataFrame, EncodeBlock(command, m_bfbSequence++, m_obex->Answer(m_blocks.Block().obex)), out);
    // DISCONNECT ends the OBEX session; the line stays in BFB.
    if (m_obex->Ended())
        m_obex.reset();
}

// AT commands inside AT frames are answered in AT frames.
void CSimSession::RunBfbAtText(const QByteArray &payload, SimOutput &out)
{
    m_bfbAtLine += payload;
    const qsizetype end = m_bfbAtLine.indexOf('\r');
    if (end < 0) {
        if (m_bfbAtLine.size() > kMaxBfbAtLine)
            m_bfbAtLine.clear();
        return;
    }
    const QByteArray line = m_bfbAtLine.left(end).trimmed().toUpper();
    m_bfbAtLine.clear();
    if (line == kLeaveBfb) {
        LeaveBfb();
        EmitFrames(orrin::phone::bfb::kAtFrame, Framed("OK"), out);
        return;
    }
    SimOutput answer;
    m_input = line;
    RunLine(answer);
    out.hangUp = answer.hangUp;
    for (const SimChunk &chunk : answer.chunks)
        out.chunks.push_back({orrin::phone::bfb::EncodeFrames(orrin::phone::bfb::kAtFrame, chunk.bytes), true});
}

void CSimSession::EmitFrames(quint8 type, const QByteArray &bytes, SimOutput &out)
{
    Emit(orrin::phone::bfb::EncodeFrames(type, bytes), out);
}

void CSimSession::LeaveBfb()
{
    m_bfb = false;
    m_obex.reset();
    m_frames.Clear();
    m_blocks.Clear();
    m_bfbAtLine.clear();
    m_stuck = Stuck::No;
}

// A fault whose count has been passed strikes, once.
bool CSimSession::Strikes(int &after) const
{
    if (after < 0 || m_received <= after)
        return false;
    after = -1;
    return true;
}

void CSimSession::Answer(const SimAnswer &answer, SimOutput &out)
{
    QByteArray text;
    for (const QByteArray &line : answer.lines)
        text += Framed(line);
    if (answer.final == SimAnswer::Final::Prompt) {
        text += "\r\n> ";
        m_takeData = answer.takeData;
    } else {
        text += Framed(FinalText(answer));
    }
    Emit(text, out);
}

QByteArray CSimSession::FinalText(const SimAnswer &answer) const
{
    switch (answer.final) {
    case SimAnswer::Final::Ok:
        return "OK";
    case SimAnswer::Final::CmeError:
        if (!answer.errorText.isEmpty())
            return "+CME ERROR: " + answer.errorText;
        if (m_phone.numericErrors)
            return "+CME ERROR: " + QByteArray::number(answer.code);
        return "ERROR";
    case SimAnswer::Final::CmsError:
        return "+CMS ERROR: " + QByteArray::number(answer.code);
    case SimAnswer::Final::Error:
    case SimAnswer::Final::Prompt:
        break;
    }
    return "ERROR";
}

void CSimSession::Emit(const QByteArray &bytes, SimOutput &out)
{
    FlushEcho(out);
    m_bytes[m_lastCommand] += bytes.size();
    out.chunks.push_back({bytes, true});
}

void CSimSession::FlushEcho(SimOutput &out)
{
    if (m_echo.isEmpty())
        return;
    m_bytes[m_lastCommand] += m_echo.size();
    out.chunks.push_back({std::exchange(m_echo, {}), false});
}

// Now and then a message arrives; the phone says so before its answer.
void CSimSession::AnnounceArrival(SimOutput &out)
{
    if (m_incomingEvery <= 0 || m_received % m_incomingEvery != 0)
        return;
    if (const std::optional<QByteArray> line = m_phone.ReceiveMessage())
        Emit(Framed(*line), out);
}

// Line noise: bytes that never form a final answer or a prompt.
QByteArray CSimSession::Noise()
{
    static const QByteArray kAlphabet = "#%&*~|{}@$\x80\x9f\xa7\xe4\xfe\xff\r\n";
    QByteArray noise;
    for (int i = 0; i < kNoiseBytes; ++i) {
        m_noiseState = m_noiseState * 1664525u + 1013904223u;
        noise.append(kAlphabet.at(int((m_noiseState >> 16) % quint32(kAlphabet.size()))));
    }
    return noise;
}

void CSimSession::LineClosed()
{
    // A transfer cut off leaves nothing behind: the phone speaks AT again.
    LeaveBfb();
    m_obex.reset();
    m_obexInput.clear();
    m_stuck = Stuck::No;
    m_input.clear();
    m_inputOverLong = false;
    m_takeData = {};
    m_echo.clear();
}

namespace {

template <typename Number>
QByteArray CompactJson(const QMap<QByteArray, Number> &values)
{
    QJsonObject object;
    for (auto it = values.begin(); it != values.end(); ++it)
        object.insert(QString::fromLatin1(it.key()), it.value());
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

} // namespace

QByteArray CSimSession::CountsJson() const
{
    return CompactJson(m_counts);
}

QByteArray CSimSession::BytesJson() const
{
    return CompactJson(m_bytes);
}

} // namespace phonesim
