// SPDX-License-Identifier: GPL-2.0-or-later
#include "phonesim/core/SimPhone.h"

#include <QTimeZone>

namespace phonesim {
namespace {

const QString kClockFormat = QStringLiteral("yy/MM/dd,HH:mm:ss");

// The phone's clock ticks with the computer's whole seconds, so a time set is
// read back as set.
QDateTime WholeSeconds(const QDateTime &time)
{
    return time.addMSecs(-time.time().msec());
}

} // namespace

CSimPhone::CSimPhone(SimState state, TimeSource now) : m_state(std::move(state)), m_now(std::move(now)) {}

QString CSimPhone::ClockText() const
{
    return WholeSeconds(m_now()).addSecs(m_state.clockOffsetSeconds).toString(kClockFormat);
}

std::optional<QByteArray> CSimPhone::ReceiveMessage()
{
    // A message from +491601234567: "Are you there?"
    static const QByteArray kIncoming = "00040C919461103254760000505012514300400E417919947FD7417474595EFE01";
    const auto memory = m_state.memories.messages.find(receiveMemory);
    const int location = memory != m_state.memories.messages.end() ? memory->FirstFree() : 0;
    if (location == 0)
        return std::nullopt;
    memory->entries.insert(location, {0, kIncoming});
    return "+CMTI: \"" + receiveMemory + "\"," + QByteArray::number(location);
}

bool CSimPhone::SetClock(const QString &text)
{
    // Two-digit years are 2000 to 2099 on these phones.
    QDateTime clock = QDateTime::fromString(QStringLiteral("20") + text, QStringLiteral("yyyy/MM/dd,HH:mm:ss"));
    if (!clock.isValid() || text.size() != kClockFormat.size())
        return false;
    const QDateTime now = WholeSeconds(m_now());
    clock.setTimeZone(now.timeZone());
    m_state.clockOffsetSeconds = now.secsTo(clock);
    return true;
}

} // namespace phonesim
