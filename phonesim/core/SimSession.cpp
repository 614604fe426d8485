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
