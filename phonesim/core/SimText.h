// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Texts in the character set the host chose with AT+CSCS: "UCS2" as four hex
// digits per UTF-16 unit; "GSM" as plain text, where a character outside
// ASCII shows as "?", as a phone without the character would show it.

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace phonesim {

QByteArray TextInCharset(const QString &text, const QByteArray &charset);
// Nothing when the bytes are no text of the character set.
std::optional<QString> TextFromCharset(const QByteArray &bytes, const QByteArray &charset);

// A command's arguments split at the commas outside quotes, quotes removed:
// 5,"+4917",145,"0041" gives 5, +4917, 145, 0041.
QList<QByteArray> SplitArguments(const QByteArray &args);

// A whole number argument; nothing for anything else.
std::optional<int> WholeNumber(const QByteArray &text);

// "<text>" with its quotes.
QByteArray Quoted(const QByteArray &text);

} // namespace phonesim
