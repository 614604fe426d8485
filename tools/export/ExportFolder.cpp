// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/export/ExportFolder.h"

#include "app/settings/Settings.h"
#include "stores/addrbook/AddrbookRecord.h"
#include "stores/sms/SmsRecord.h"
#include "stores/telebook/TelebookRecord.h"
#include "tools/export/CalendarIcs.h"
#include "tools/export/ContactCards.h"
#include "tools/export/FolderFiles.h"
#include "tools/export/MessageTable.h"

#include <QDir>
#include <QFileInfo>

namespace orrin::exporter {
namespace {

ExportResult Contacts(const QDir &folder)
{
    ExportResult result;
    const auto telebook = Load<TelebookRecord>(folder, kTelebookFile, TerminateTelebookTexts, result.error);
    if (!telebook)
        return result;
    const auto addrbook = Load<AddrbookRecord>(
        folder, kAddrbookFile, [](AddrbookRecord &r) { TerminateAddrbookTexts(r); }, result.error);
    if (!addrbook)
        return result;
    const auto s57 = Load<S57AddrbookRecord>(
        folder, kS57AddrbookFile, [](S57AddrbookRecord &r) { TerminateAddrbookTexts(r); }, result.error);
    if (s57)
        result.bytes = VCardsOf(*telebook) + VCardsOf(*addrbook) + VCardsOf(*s57);
    return result;
}

ExportResult Messages(const QDir &folder, ExportFormat format)
{
    ExportResult result;
    const auto messages = Load<SmsRecord>(folder, kSmsFile, TerminateSmsTexts, result.error);
    if (messages)
        result.bytes = format == ExportFormat::Csv ? MessagesCsv(*messages) : MessagesText(*messages);
    return result;
}

ExportResult Calendar(const QDir &folder)
{
    ExportResult result;
    const auto entries = LoadRecords<CalendarRecord>(folder, kCalendarFile, result.error);
    if (entries)
        result.bytes = CalendarIcs(*entries);
    return result;
}

} // namespace

std::optional<ExportFormat> ExportFormatNamed(const QString &name)
{
    if (name == QLatin1String("vcard"))
        return ExportFormat::VCard;
    if (name == QLatin1String("ical"))
        return ExportFormat::ICal;
    if (name == QLatin1String("csv"))
        return ExportFormat::Csv;
    if (name == QLatin1String("text"))
        return ExportFormat::Text;
    return std::nullopt;
}

ExportResult ExportFolder(const QString &folder, ExportFormat format)
{
    if (!QFileInfo(folder).isDir())
        return {{}, QStringLiteral("%1: no such folder").arg(QDir::toNativeSeparators(folder))};
    const QDir dir(folder);
    switch (format) {
    case ExportFormat::VCard:
        return Contacts(dir);
    case ExportFormat::ICal:
        return Calendar(dir);
    default:
        return Messages(dir, format);
    }
}

QString DefaultFolder(QString &error)
{
    const QDir current = QDir::current();
    QString type;
    QString country;
    if (ReadUserSettings(current.filePath(QStringLiteral("setting.ini")), &type, &country))
        return current.filePath(type);
    error = QStringLiteral("no folder given, and %1 names no phone type")
                .arg(QDir::toNativeSeparators(current.filePath(QStringLiteral("setting.ini"))));
    return {};
}

} // namespace orrin::exporter
