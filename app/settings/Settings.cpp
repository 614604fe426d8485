// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/settings/Settings.h"

#include "app/settings/ProfileFile.h"
#include "link/MobileLink.h"
#include "link/SharedState.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace orrin {
namespace {

const QString kUser = QStringLiteral("User");
const QString kConnection = QStringLiteral("Connection");
const QString kPhoneType = QStringLiteral("Phone type");
const QString kCountry = QStringLiteral("Country");
const QString kDevice = QStringLiteral("Connect device");
const QString kBaudRate = QStringLiteral("Baudrate");
constexpr int kUserBuffer = 256;
constexpr int kConnectionBuffer = 10;

} // namespace

// The older family first, then the newer.
const QStringList kPhoneTypes = [] {
    QStringList types = {"3618(Asia)",  "ME45(Europe)", "6618(Asia)", "S45i(Europe)", "S46(North America)",
                         "6688i(Asia)", "SL45i(Europe,Latin America)"};
    for (const char *newer : kNewerPhoneTypes)
        types << QString::fromLatin1(newer);
    return types;
}();

QString WorkFolderFor(const QString &startFolder, bool startWritable)
{
    if (startWritable)
        return startFolder;
    const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(dataFolder);
    return dataFolder;
}

QString EnterWorkFolder()
{
    const QString start = QDir::currentPath();
    const QString folder = WorkFolderFor(start, QFileInfo(start).isWritable());
    QDir::setCurrent(folder);
    return folder;
}

QString SettingsPath()
{
    return QDir(g_strWorkDir.Get()).filePath(QStringLiteral("setting.ini"));
}

int ReadUserSettings(const QString &iniPath, QString *phoneType, QString *country)
{
    const CProfileFile file(iniPath);
    const QString type = file.ReadString(kUser, kPhoneType, kMissingValue, kUserBuffer);
    const QString name = file.ReadString(kUser, kCountry, kMissingValue, kUserBuffer);
    if (!kPhoneTypes.contains(type) || name == kMissingValue || name.isEmpty())
        return 0;
    *phoneType = type;
    *country = name;
    return 1;
}

bool WriteUserSettings(const QString &iniPath, const QString &phoneType, const QString &country)
{
    const CProfileFile file(iniPath);
    const bool typeWritten = file.WriteString(kUser, kPhoneType, phoneType);
    return file.WriteString(kUser, kCountry, country) && typeWritten;
}

int ReadConnectionSettings(const QString &iniPath, QString *device, QString *baudText)
{
    const CProfileFile file(iniPath);
    const QString port = file.ReadString(kConnection, kDevice, kMissingValue, kConnectionBuffer);
    const QString baud = file.ReadString(kConnection, kBaudRate, kMissingValue, kConnectionBuffer);
    if (port == kMissingValue || baud == kMissingValue)
        return 0;
    *device = port;
    *baudText = baud;
    return 1;
}

bool WriteConnectionSettings(const QString &iniPath, const QString &device, const QString &baudText)
{
    const CProfileFile file(iniPath);
    const bool deviceWritten = file.WriteString(kConnection, kDevice, device);
    return file.WriteString(kConnection, kBaudRate, baudText) && deviceWritten;
}

int BaudRateOf(const QString &baudText)
{
    qint64 value = 0;
    for (const QChar c : baudText) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            break;
        value = value * 10 + (c.unicode() - '0');
        if (value > std::numeric_limits<int>::max())
            return 0;
    }
    return int(value);
}

} // namespace orrin
