// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/export/CardFile.h"

#include "phone/vobject/ContentObject.h"

namespace orrin::exporter {
namespace {

enum class Frame { None, Begin, End };

// A folded continuation (it starts with a blank) never opens or closes a card.
Frame FrameOf(const QByteArray &line)
{
    if (line.isEmpty() || line.front() == ' ' || line.front() == '\t')
        return Frame::None;
    const QByteArray word = line.trimmed().toUpper();
    if (word == "BEGIN:VCARD")
        return Frame::Begin;
    return word == "END:VCARD" ? Frame::End : Frame::None;
}

QList<QByteArray> PhysicalLines(const QByteArray &file)
{
    QByteArray text = file;
    text.replace("\r\n", "\n").replace('\r', '\n');
    return text.split('\n');
}

CardSplit Failure(CardSplit split, int line, const QString &error)
{
    split.cards.clear();
    split.errorLine = line;
    split.error = error;
    return split;
}

} // namespace

CardSplit SplitCards(const QByteArray &file)
{
    CardSplit split;
    if (file.size() > kMaxCardFileBytes)
        return Failure(split, 1, QStringLiteral("the file is too large for a contacts file"));
    int depth = 0;
    int number = 0;
    for (const QByteArray &line : PhysicalLines(file)) {
        ++number;
        const Frame frame = FrameOf(line);
        if (depth == 0 && frame == Frame::End)
            return Failure(split, number, QStringLiteral("END:VCARD without its BEGIN:VCARD"));
        if (depth == 0 && frame != Frame::Begin)
            continue;
        if (depth == 0)
            split.cards.append(CardText{number, {}});
        CardText &card = split.cards.last();
        card.bytes += line + "\r\n";
        if (card.bytes.size() > phone::CContentObject::kMaxBytes)
            return Failure(split, card.line, QStringLiteral("the card is larger than any phone holds"));
        depth += frame == Frame::Begin ? 1 : frame == Frame::End ? -1 : 0;
    }
    if (depth > 0)
        return Failure(split, split.cards.last().line, QStringLiteral("the card has no END:VCARD"));
    return split;
}

} // namespace orrin::exporter
