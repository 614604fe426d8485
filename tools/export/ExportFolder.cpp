// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/export/ExportFolder.h"

#include "stores/addrbook/AddrbookRecord.h"
#include "stores/common/LocalFileFormats.h"
#include "stores/sms/SmsRecord.h"
#include "stores/telebook/TelebookRecord.h"
#include "tools/export/CalendarIcs.h"
#include "tools/export/ContactCards.h"
#include "tools/export/MessageTable.h"

#include <QDir>
#include <QFileInfo>

namespace orrin::exporter {
namespace {

// Reads one local file; a missing or empty one holds nothing.
template <typename Record>
std::optional<QList<Record>> LoadRecords(const QDir &folder, const LocalFileKind &kind, QString &error)
{
    const QString path = folder.filePath(QLatin1String(kind.fileName));
    QList<Record> records;
    switch (TLocalRecordFile<Record>(path, kind.format).Load(records)) {
    case LocalFileResult::Ok:
    case LocalFileResult::EmptyFile:
        return records;
    case LocalFileResult::WrongTag:
        error = QStringLiteral("%1: not a %2 file of Orrin, or its header is damaged")
                    .arg(QDir::toNativeSeparators(path), QLatin1String(kind.fileName));
        return std::nullopt;
    default:
        error = QStringLiteral("%1: cannot be read").arg(QDir::toNativeSeparators(path));
        return std::nullopt;
    }
}

template <typename Record, typename Terminate>
std::optional<QList<Record>> Load(const QDir &folder, const LocalFileKind &kind, Terminate terminate,
                                  QString &error)
{
    std::optional<QList<Record>> records = LoadRecords<Record>(folder, kind, error);
    if (records) {
        for (Record &record : *records)
            terminate(record);
    }
    return records;
}

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

} // namespace orrin::exporter
