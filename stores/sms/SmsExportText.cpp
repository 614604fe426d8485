// SPDX-License-Identifier: GPL-2.0-or-later
#include "stores/sms/SmsExportText.h"

namespace orrin {
namespace {

QString StatusText(int status)
{
    static const QStringList texts = {QStringLiteral("Unread"), QStringLiteral("Read"), QStringLiteral("Unsent"),
                                      QStringLiteral("Sent")};
    return texts.value(status);
}

// yyMMddhhmmss shown as yy/MM/dd hh:mm:ss; an empty time keeps its separators.
QString TimeText(const QString &time)
{
    return time.mid(0, 2) + u'/' + time.mid(2, 2) + u'/' + time.mid(4, 2) + u' ' + time.mid(6, 2) + u':'
           + time.mid(8, 2) + u':' + time.mid(10, 2);
}

QString YesNo(int flag)
{
    return flag ? QStringLiteral("Yes") : QStringLiteral("No");
}

} // namespace

QStringList SmsColumnTexts(const SmsRecord &record)
{
    const bool received = record.status == kSmsStatusUnread || record.status == kSmsStatusRead;
    const bool stored = record.status == kSmsStatusUnsent || record.status == kSmsStatusSent;
    return {StatusText(record.status),
            SmsNumber(record),
            received ? TimeText(SmsTime(record)) : QString(),
            SmsContent(record),
            stored ? SmsValidityText(record.validity) : QString(),
            stored ? YesNo(record.report) : QString(),
            stored ? YesNo(record.handfree) : QString()};
}

QByteArray BuildExportText(const QList<QStringList> &rows)
{
    QString text;
    for (const QStringList &row : rows) {
        const QString &status = row[kSmsStatusColumn];
        QString direction;
        if (status == QLatin1String("Read") || status == QLatin1String("Unread"))
            direction = QStringLiteral("From:");
        else if (status == QLatin1String("Sent") || status == QLatin1String("Unsent"))
            direction = QStringLiteral("To:");
        text += row[kSmsTimeColumn] + QStringLiteral("  ") + direction + row[kSmsNumberColumn]
                + QStringLiteral("  [") + status + QStringLiteral("]\r\n") + row[kSmsContentColumn]
                + QStringLiteral("\r\n\r\n");
    }
    return text.toLocal8Bit();
}

} // namespace orrin
