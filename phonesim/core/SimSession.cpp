#include "phonesim/core/SimSession.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace phonesim {
namespace {

constexpr char kCtrlZ = 0x1a;
constexpr char kEscape = 0x1b;
constexpr int kMaxInput = 4096;   // a command line, or the data after a prompt
constexpr int kNoiseBytes = 40;

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
    ++m_received;
    if (m_stuck == Stuck::Silent)
        return;
    if (m_stuck == Stuck::Garbage) {
        Emit(Noise(), out);
        return;
    }
    if (Strikes(m_faults.hangupAfter)) {
        out.hangUp = true;
    } else if (Strikes(m_faults.silentAfter)) {
        m_stuck = Stuck::Silent;
    } else if (Strikes(m_faults.garbageAfter)) {
        m_stuck = Stuck::Garbage;
        Emit(Noise(), out);
    } else if (overLong) {
        Answer(SimAnswer::Error(), out);
    } else {
        AnnounceArrival(out);
        const auto fault = m_faults.errors.constFind(request->name);
        Answer(fault != m_faults.errors.constEnd() ? *fault : m_table.Dispatch(m_phone, *request), out);
    }
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
