// SPDX-License-Identifier: GPL-2.0-or-later
#include "phone/line/Trace.h"

#include <QDateTime>
#include <QFile>

#include <atomic>
#include <mutex>

namespace orrin::phone {
namespace {

std::atomic<bool> g_enabled{false};

struct TraceFile {
    std::mutex mutex;
    QString path;
    QFile file;
};

TraceFile &File()
{
    static TraceFile traceFile;
    return traceFile;
}

void Append(const QString &port, char direction, const QString &text)
{
    if (!g_enabled.load(std::memory_order_relaxed))
        return;
    TraceFile &trace = File();
    std::lock_guard lock(trace.mutex);
    if (!trace.file.isOpen())
        return;
    const QString line = QStringLiteral("%1 %2 %3 %4\n")
                             .arg(QDateTime::currentDateTime().toString(Qt::ISODateWithMs), port,
                                  QChar::fromLatin1(direction), text);
    trace.file.write(line.toUtf8());
    trace.file.flush();
}

} // namespace

void CTrace::Refresh()
{
    TraceFile &trace = File();
    std::lock_guard lock(trace.mutex);
    const QString path = qEnvironmentVariable("ORRIN_TRACE");
    if (path == trace.path && (path.isEmpty() || trace.file.isOpen()))
        return;
    trace.file.close();
    trace.path = path;
    if (!path.isEmpty()) {
        trace.file.setFileName(path);
        trace.file.open(QIODevice::WriteOnly | QIODevice::Append);
    }
    g_enabled.store(trace.file.isOpen());
}

bool CTrace::Enabled()
{
    return g_enabled.load(std::memory_order_relaxed);
}

void CTrace::Sent(const QString &port, const QByteArray &bytes)
{
    if (Enabled())
        Append(port, '>', Printable(bytes));
}

void CTrace::Received(const QString &port, const QByteArray &bytes)
{
    if (Enabled())
        Append(port, '<', Printable(bytes));
}

void CTrace::Note(const QString &port, const QString &text)
{
    if (Enabled())
        Append(port, '#', text);
}

QString CTrace::Printable(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7f && byte != '\\')
            text += QChar::fromLatin1(c);
        else
            text += QStringLiteral("\\x%1").arg(byte, 2, 16, QLatin1Char('0'));
    }
    return text;
}

} // namespace orrin::phone
