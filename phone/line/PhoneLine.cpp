// SPDX-License-Identifier: GPL-2.0-or-later
#include "phone/line/PhoneLine.h"

#include "phone/line/PortNames.h"
#include "phone/line/Trace.h"

#include <QCoreApplication>
#include <QThread>

#include <utility>

namespace orrin::phone {

CPhoneLine &CPhoneLine::Instance()
{
    static CPhoneLine line;
    return line;
}

CPhoneLine::~CPhoneLine()
{
    // At process exit the application object and the owning thread may be
    // gone; then the port is left to the system, which closes the device.
    if (m_io && !(QCoreApplication::instance() && m_io->OwnerThread() == QThread::currentThread())) {
        (void)m_engine.release();
        (void)m_io.release();
    }
}

bool CPhoneLine::Open(const QString &portName, int baudRate)
{
    std::lock_guard lock(m_mutex);
    CTrace::Refresh();
    if (!ReleaseHere())
        return false;
    const QString device = ResolvePortName(portName);
    if (device.isEmpty() || baudRate <= 0) {
        CTrace::Note(portName, QStringLiteral("no device or no baud rate"));
        return false;
    }
    auto io = std::make_unique<CSerialPortIo>();
    QString why;
    if (!io->Open(device, baudRate, &why)) {
        CTrace::Note(portName, QStringLiteral("cannot open %1: %2").arg(device, why));
        return false;
    }
    CTrace::Note(portName, QStringLiteral("opened %1 at %2").arg(device).arg(baudRate));
    m_io = std::move(io);
    m_engine = std::make_unique<CAtEngine>(*m_io, portName);
    m_portName = portName;
    m_device = device;
    m_baudRate = baudRate;
    if (Greet())
        return true;
    CTrace::Note(portName, QStringLiteral("no phone answers"));
    ReleaseHere();
    return false;
}

bool CPhoneLine::Greet()
{
    return m_engine->Resynchronise() && !m_engine->Run("ATE0").LineFailed() &&
           !m_engine->Run("AT+CMEE=1").LineFailed();
}

bool CPhoneLine::Close()
{
    std::lock_guard lock(m_mutex);
    // The phone is left speaking AT for whoever opens the line next.
    if (m_io && m_io->OwnerThread() == QThread::currentThread())
        LeaveObex();
    return ReleaseHere();
}

bool CPhoneLine::IsOpen()
{
    std::lock_guard lock(m_mutex);
    return m_io != nullptr;
}

bool CPhoneLine::Use(const std::function<bool(CAtEngine &)> &work)
{
    std::lock_guard lock(m_mutex);
    if (!ReadyOnThisThread())
        return false;
    LeaveObex();
    return work(*m_engine);
}

bool CPhoneLine::UseObex(const ObexWork &work, const ObexLeave &leave)
{
    std::lock_guard lock(m_mutex);
    if (!ReadyOnThisThread())
        return false;
    m_leaveObex = leave;
    return work(*m_engine, *m_io, m_obexMode);
}

void CPhoneLine::LeaveObex()
{
    if (!std::exchange(m_obexMode, false) || !m_leaveObex)
        return;
    CTrace::Note(m_portName, QStringLiteral("leaving OBEX"));
    m_leaveObex(*m_engine, *m_io);
}

void CPhoneLine::SetFamily(PhoneFamily family)
{
    std::lock_guard lock(m_mutex);
    m_family = family;
}

PhoneFamily CPhoneLine::Family()
{
    std::lock_guard lock(m_mutex);
    return m_family;
}

bool CPhoneLine::OwnerGone() const
{
    QThread *owner = m_io->OwnerThread();
    return !owner || owner->isFinished();
}

bool CPhoneLine::ReleaseHere()
{
    if (!m_io)
        return true;
    if (m_io->OwnerThread() != QThread::currentThread() && !OwnerGone()) {
        CTrace::Note(m_portName, QStringLiteral("the line belongs to another thread"));
        return false;
    }
    m_obexMode = false;
    m_engine.reset();
    m_io.reset();
    CTrace::Note(m_portName, QStringLiteral("closed"));
    return true;
}

bool CPhoneLine::ReadyOnThisThread()
{
    if (!m_io)
        return false;
    if (m_io->OwnerThread() == QThread::currentThread())
        return true;
    if (!OwnerGone()) {
        CTrace::Note(m_portName, QStringLiteral("the line belongs to another thread"));
        return false;
    }
    // The thread that opened the line has ended: this one takes it over.
    m_obexMode = false;
    m_engine.reset();
    m_io = std::make_unique<CSerialPortIo>();
    QString why;
    if (!m_io->Open(m_device, m_baudRate, &why)) {
        CTrace::Note(m_portName, QStringLiteral("cannot reopen %1: %2").arg(m_device, why));
        m_io.reset();
        return false;
    }
    m_engine = std::make_unique<CAtEngine>(*m_io, m_portName);
    return true;
}

} // namespace orrin::phone
