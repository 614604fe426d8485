// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The messages as a table (CSV after RFC 4180, UTF-8, a header row, one row
// per message) and as the message view's export text.

#include "stores/sms/SmsRecord.h"

#include <QByteArray>

namespace orrin::exporter {

QByteArray MessagesCsv(const SmsList &messages);
QByteArray MessagesText(const SmsList &messages);

// A received message's yyMMddhhmmss as ISO 8601 local time; empty for any
// other text.
QString IsoTime(const QString &smsTime);

} // namespace orrin::exporter
