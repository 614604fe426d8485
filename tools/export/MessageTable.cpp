// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/export/MessageTable.h"

#include "stores/sms/SmsExportText.h"

#include <QDateTime>

namespace orrin::exporter {
namespace {

// Quoted when it holds a quote, a comma or a line break; quotes doubled.
QString CsvField(const QString &text)
{
    static const QString kSpecial = QStringLiteral("\",\r\n");
    if (!std::any_of(text.begin(), text.end(), [](QChar c) { return kSpecial.contains(c); }))
        return text;
    return u'"' + QString(text).replace(u'"', QLatin1String("\"\"")) + u'"';
}

QString CsvRow(const QStringList &fields)
{
    QStringList quoted;
    for (const QString &field : fields)
        quoted << CsvField(field);
    return quoted.join(u',') + QLatin1String("\r\n");
}

} // namespace

QString IsoTime(const QString &smsTime)
{
    // The phones give two-digit years of this century.
    const QDateTime time = QDateTime::fromString(QLatin1String("20") + smsTime, QStringLiteral("yyyyMMddHHmmss"));
    return time.isValid() ? time.toString(Qt::ISODate) : QString();
}

QByteArray MessagesCsv(const SmsList &messages)
{
    QString table = CsvRow({QStringLiteral("status"), QStringLiteral("number"), QStringLiteral("time"),
                            QStringLiteral("validity"), QStringLiteral("report"), QStringLiteral("handfree"),
                            QStringLiteral("text")});
    for (const SmsRecord &message : messages) {
        const QStringList columns = SmsColumnTexts(message);
        const bool received = message.status == kSmsStatusUnread || message.status == kSmsStatusRead;
        table += CsvRow({columns[kSmsStatusColumn], columns[kSmsNumberColumn],
                         received ? IsoTime(SmsTime(message)) : QString(), columns[kSmsValidityColumn],
                         columns[kSmsReportColumn], columns[kSmsHandfreeColumn], columns[kSmsContentColumn]});
    }
    return table.toUtf8();
}

QByteArray MessagesText(const SmsList &messages)
{
    QList<QStringList> rows;
    for (const SmsRecord &message : messages)
        rows << SmsColumnTexts(message);
    return BuildExportText(rows);
}

} // namespace orrin::exporter
