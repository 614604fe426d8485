// SPDX-License-Identifier: GPL-2.0-or-later
// Any bytes as setting.ini: every read gives a text that fits its buffer,
// and a write keeps every other key readable as it was.
#include "app/settings/ProfileFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("setting.ini"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();

    const orrin::CProfileFile profile(path);
    const QString kMissing = QStringLiteral("-");
    const QString port = profile.ReadString(QStringLiteral("Mobile"), QStringLiteral("Port"), kMissing, 64);
    if (port.size() >= 64)
        std::abort();
    if (profile.ReadString(QStringLiteral("Mobile"), QStringLiteral("Model"), kMissing, 2).size() > 1)
        std::abort();
    if (!profile.WriteString(QStringLiteral("Mobile"), QStringLiteral("Model"), QStringLiteral("S55")))
        std::abort();
    if (profile.ReadString(QStringLiteral("Mobile"), QStringLiteral("Port"), kMissing, 64) != port ||
        profile.ReadString(QStringLiteral("Mobile"), QStringLiteral("Model"), kMissing, 64) != QStringLiteral("S55"))
        std::abort();
    return 0;
}
