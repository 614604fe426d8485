// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Texts inside AT commands and answers, in the character set chosen with
// AT+CSCS: "UCS2" carries every character as four hex digits per UTF-16
// unit; "GSM" is taken as plain printable text. Names and the service centre
// follow the character set; phone numbers in the phone book and short
// messages never do.

#include <QByteArray>
#include <QString>

#include <optional>

namespace orrin::phone {

enum class Charset { Unknown, Gsm, Ucs2 };

// "UCS2" or "GSM" in any case; nothing for another name.
std::optional<Charset> CharsetNamed(const QByteArray &name);
QByteArray CharsetName(Charset charset);

// A quoted text of an answer; nothing when it is no text of the charset.
std::optional<QString> DecodeAtText(const QByteArray &field, Charset charset);
// Text to put between quotes; nothing when the charset cannot carry it
// (GSM: anything but printable ASCII, and the quote itself).
std::optional<QByteArray> EncodeAtText(const QString &text, Charset charset);

// A number that follows the character set (the service centre). When the
// character set is not known, a field that reads as UCS2 digits is taken as
// UCS2: no real centre number looks like "002B0034...".
QString DecodeAtNumber(const QByteArray &field, Charset charset);

// A whole number field of an answer.
std::optional<int> AtNumber(const QByteArray &field);
// A memory name the phone book and message commands take: "ME", "SM" ...
bool IsMemoryName(const QByteArray &memory);

// Digits, "*", "#", pause and wait characters, with an optional leading "+".
bool IsDialString(const QString &number);

} // namespace orrin::phone
