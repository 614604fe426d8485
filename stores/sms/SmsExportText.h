// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// How a message reads in the message list and in its export text: the texts
// of the list's columns, and the export form built from them. Shared by the
// message view and the command-line export.

#include "stores/sms/SmsRecord.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

namespace orrin {

// The list's columns, in the order SmsColumnTexts gives them.
enum SmsColumn : int {
    kSmsStatusColumn, kSmsNumberColumn, kSmsTimeColumn, kSmsContentColumn, kSmsValidityColumn, kSmsReportColumn,
    kSmsHandfreeColumn
};

// The texts a list row shows for a record, column by column.
QStringList SmsColumnTexts(const SmsRecord &record);
// The export text of rows, each given by its column texts.
QByteArray BuildExportText(const QList<QStringList> &rows);

} // namespace orrin
