// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A contacts file as other programs write it: any number of BEGIN:VCARD ..
// END:VCARD blocks, CR LF or LF line ends, folded lines, and text outside the
// cards (a mail header, a blank line) that is passed over. A card may hold
// another one (a 2.1 AGENT); it stays part of its outer card.

#include <QByteArray>
#include <QList>
#include <QString>

namespace orrin::exporter {

struct CardText {
    int line = 0;      // the file's line (from 1) of the card's BEGIN:VCARD
    QByteArray bytes;  // the card's lines, each ended by CR LF
};

struct CardSplit {
    QList<CardText> cards;
    int errorLine = 0;  // where the file stops making sense; 0 when it does not
    QString error;      // empty on success
};

// Larger than any contacts file of a phone's few hundred entries.
constexpr qsizetype kMaxCardFileBytes = 8 * 1024 * 1024;

CardSplit SplitCards(const QByteArray &file);

} // namespace orrin::exporter
