// SPDX-License-Identifier: GPL-2.0-or-later
#include "phone/line/PortNames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace orrin::phone {

int ComNumber(const QString &name)
{
    static const QRegularExpression kCom(QStringLiteral("^COM([1-9][0-9]{0,2})$"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = kCom.match(name);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

QString ComName(int number)
{
    return QStringLiteral("COM%1").arg(number);
}

QString ComLinkPath(int number)
{
    return QStringLiteral("ports/") + ComName(number);
}

bool ComLinkExists(int number)
{
    const QFileInfo link(ComLinkPath(number));
    return link.exists() || link.isSymLink();
}

QString CanonicalDevice(const QString &path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

#if defined(Q_OS_WIN)

QString ResolvePortName(const QString &name)
{
    return name.trimmed();
}

QString ComNameReaching(const QString &device)
{
    return ComNumber(device) ? device.toUpper() : QString();
}

QString MakeComLink(const QString &)
{
    return {};
}

#else

QString ResolvePortName(const QString &name)
{
    if (name.trimmed().isEmpty())
        return {};
    const int number = ComNumber(name);
    if (number == 0)
        return QFileInfo(name).absoluteFilePath();
    if (ComLinkExists(number))
        return QFileInfo(ComLinkPath(number)).canonicalFilePath();
    return QStringLiteral("/dev/ttyS%1").arg(number - 1);
}

QString ComNameReaching(const QString &device)
{
    const QString target = CanonicalDevice(device);
    for (int number = 1; number <= kComNameCount; ++number) {
        const QString resolved = ResolvePortName(ComName(number));
        if (!resolved.isEmpty() && CanonicalDevice(resolved) == target)
            return ComName(number);
    }
    return {};
}

QString MakeComLink(const QString &device)
{
    if (!QDir().mkpath(QStringLiteral("ports")))
        return {};
    for (int number = 1; number <= kComNameCount; ++number) {
        if (ComLinkExists(number))
            continue;
        return QFile::link(CanonicalDevice(device), ComLinkPath(number)) ? ComName(number) : QString();
    }
    return {};
}

#endif

} // namespace orrin::phone
