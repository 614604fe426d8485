// SPDX-License-Identifier: GPL-2.0-or-later
#include "phone/line/Detection.h"

#include "phone/line/AtEngine.h"
#include "phone/line/PortNames.h"
#include "phone/line/SerialPortIo.h"
#include "phone/line/Trace.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#if defined(Q_OS_LINUX)
#include <sys/stat.h>
#include <sys/sysmacros.h>
#endif

namespace orrin::phone {
namespace {

// A probe waits less than a command: a phone answers AT at once, and a
// silent device costs this per baud rate.
constexpr LineTimings kProbeTimings{400, 30};
constexpr char kDetection[] = "detection";

QStringList MachinePortEntries()
{
    if (qEnvironmentVariableIsSet("ORRIN_SERIAL_DEVICES"))
        return qEnvironmentVariable("ORRIN_SERIAL_DEVICES").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    QStringList entries;
    for (int n = 0; n < kComNameCount; ++n)
        entries << QStringLiteral("/dev/ttyS%1").arg(n);
    entries << QStringLiteral("/dev/ttyUSB*") << QStringLiteral("/dev/ttyACM*") << QStringLiteral("/dev/rfcomm*")
            << QStringLiteral("/dev/ircomm*");
    return entries;
}

bool IsPattern(const QString &entry)
{
    return entry.contains(QLatin1Char('*')) || entry.contains(QLatin1Char('?')) || entry.contains(QLatin1Char('['));
}

QStringList ExpandPattern(const QString &pattern)
{
    const QFileInfo info(pattern);
    const QDir folder = info.dir();
    QStringList devices;
    for (const QString &name : folder.entryList({info.fileName()}, QDir::System | QDir::Files, QDir::Name)) {
        const QString device = folder.filePath(name);
        if (!IsPseudoTerminal(device))
            devices << device;
    }
    return devices;
}

QStringList MachinePorts()
{
    QStringList devices;
    for (const QString &entry : MachinePortEntries()) {
        if (IsPattern(entry))
            devices << ExpandPattern(entry);
        else if (QFileInfo::exists(entry))
            devices << entry;
    }
    return devices;
}

bool NamesSiemens(const AtReply &reply)
{
    for (const QByteArray &line : reply.lines) {
        if (line.toUpper().contains("SIEMENS"))
            return true;
    }
    return false;
}

} // namespace

bool IsPseudoTerminal(const QString &device)
{
    const QString canonical = CanonicalDevice(device);
    if (canonical.startsWith(QLatin1String("/dev/pts/")))
        return true;
#if defined(Q_OS_LINUX)
    struct stat status {};
    if (::stat(QFile::encodeName(canonical).constData(), &status) != 0 || !S_ISCHR(status.st_mode))
        return false;
    const unsigned major = ::major(status.st_rdev);
    return major >= 136 && major <= 143;  // Unix98 pseudo-terminal slaves
#else
    return false;
#endif
}

QList<DetectionCandidate> DetectionCandidates()
{
    QList<DetectionCandidate> candidates;
    QSet<QString> seen;
    auto add = [&](const QString &device, const QString &label) {
        if (device.isEmpty() || seen.contains(CanonicalDevice(device)))
            return;
        seen.insert(CanonicalDevice(device));
        candidates.append({device, label});
    };
    for (int number = 1; number <= kComNameCount; ++number) {
        if (ComLinkExists(number))
            add(ResolvePortName(ComName(number)), ComName(number));
    }
    for (const QString &device : MachinePorts())
        add(device, device);
    return candidates;
}

ProbeOutcome ProbeDevice(const QString &device, const QString &label, const QList<int> &baudRates)
{
    CSerialPortIo io;
    QString why;
    if (baudRates.isEmpty() || !io.Open(device, baudRates.first(), &why)) {
        CTrace::Note(label, QStringLiteral("cannot open %1: %2").arg(device, why));
        return {ProbeResult::CannotOpen, 0};
    }
    for (const int rate : baudRates) {
        if (!io.SetBaudRate(rate))
            continue;
        CTrace::Note(label, QStringLiteral("trying %1 at %2").arg(device).arg(rate));
        // A fresh engine per rate: a silent rate must not cost a resynchronisation.
        CAtEngine engine(io, label, kProbeTimings);
        if (!engine.Run("AT").IsOk())
            continue;
        if (NamesSiemens(engine.Run("AT+CGMI")))
            return {ProbeResult::Siemens, rate};
        CTrace::Note(label, QStringLiteral("not a Siemens phone"));
        return {ProbeResult::NotSiemens, 0};
    }
    CTrace::Note(label, QStringLiteral("no answer"));
    return {ProbeResult::NoAnswer, 0};
}

std::optional<DetectedPhone> DetectPhone()
{
    const QString trace = QString::fromLatin1(kDetection);
    QList<int> rates(std::begin(kDetectionBaudRates), std::end(kDetectionBaudRates));
    for (const DetectionCandidate &candidate : DetectionCandidates()) {
        const ProbeOutcome outcome = ProbeDevice(candidate.device, candidate.label, rates);
        if (outcome.result != ProbeResult::Siemens)
            continue;
        QString name = ComNameReaching(candidate.device);
        if (name.isEmpty())
            name = MakeComLink(candidate.device);
        if (name.isEmpty()) {
            CTrace::Note(trace, QStringLiteral("no free COM name for %1").arg(candidate.device));
            continue;
        }
        CTrace::Note(trace, QStringLiteral("phone found on %1 at %2").arg(name).arg(outcome.baudRate));
        return DetectedPhone{name, outcome.baudRate};
    }
    CTrace::Note(trace, QStringLiteral("no phone found"));
    return std::nullopt;
}

} // namespace orrin::phone
