// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What orrin-export makes of a phone-type folder: its local files read
// through the stores' own file code, turned into one of the standard
// formats. Nothing is written here; a file that cannot be read, is not this
// program's file of its kind or has a damaged header is an error naming it.

#include <QByteArray>
#include <QString>

#include <optional>

namespace orrin::exporter {

enum class ExportFormat { VCard, ICal, Csv, Text };

std::optional<ExportFormat> ExportFormatNamed(const QString &name);

struct ExportResult {
    QByteArray bytes;
    QString error;  // empty on success
};

ExportResult ExportFolder(const QString &folder, ExportFormat format);

// The folder the window would use: the one named after the phone type that
// setting.ini in the current folder names; empty, with error set, when that
// file names none.
QString DefaultFolder(QString &error);

} // namespace orrin::exporter
