// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The GSM 7-bit default alphabet with its extension table, and the packing of
// septets into octets (least significant bit first).

#include <QByteArray>
#include <QString>

#include <optional>

namespace orrin::phone {

// The septets of text: one per character, two (escape and code) for the
// characters of the extension table. Nothing when a character has no septet.
std::optional<QByteArray> ToGsmSeptets(const QString &text);
// The text of septets; an escape before an unknown code reads as that code's
// character of the main table, an escape at the end is dropped.
QString FromGsmSeptets(const QByteArray &septets);

// Packs septets into octets, starting fillBits (0..6) bits into the first
// octet (the bits that align them after a user-data header).
QByteArray PackSeptets(const QByteArray &septets, int fillBits = 0);
// Reads count septets from the octets, skipping fillBits first; nothing when
// the octets do not hold that many.
std::optional<QByteArray> UnpackSeptets(const QByteArray &octets, int count, int fillBits = 0);

} // namespace orrin::phone
