// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The local files of a phone-type folder read through the stores' own file
// code; a file that cannot be read, or is not this program's file of its kind,
// is an error naming it.

#include "stores/common/LocalFileFormats.h"

#include <QDir>
#include <QList>
#include <QString>

#include <optional>

namespace orrin::exporter {

inline QString LocalFilePath(const QDir &folder, const LocalFileKind &kind)
{
    return folder.filePath(QLatin1String(kind.fileName));
}

// Reads one local file; a missing or empty one holds nothing.
template <typename Record>
std::optional<QList<Record>> LoadRecords(const QDir &folder, const LocalFileKind &kind, QString &error)
{
    const QString path = LocalFilePath(folder, kind);
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

// As LoadRecords, with each record's texts made zero-terminated.
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

} // namespace orrin::exporter
