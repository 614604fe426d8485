// SPDX-License-Identifier: GPL-2.0-or-later
#include "phonesim/core/SimObjects.h"

#include <QJsonArray>
#include <QStringDecoder>
#include <QtEndian>

namespace phonesim {
namespace {

// What the phone keeps at most per object.
constexpr int kMaxCardBytes = 4096;
constexpr int kMaxPictureBytes = 2880;
constexpr int kMaxRingtoneBytes = 16 * 1024;
constexpr int kMaxSlots = 1000;

bool IsUtf8Text(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    return !decoder.hasError() && std::none_of(text.begin(), text.end(), [](QChar c) {
        return c.unicode() < 0x20 && c != QLatin1Char('\r') && c != QLatin1Char('\n') && c != QLatin1Char('\t');
    });
}

bool ReadEntries(const QJsonArray &entries, SimObjectMemory &memory, const QString &type, QString *error)
{
    memory.entries.clear();
    for (const QJsonValue &value : entries) {
        const QJsonObject entry = value.toObject();
        const int index = entry.value(QLatin1String("index")).toInt(-1);
        const QJsonValue text = entry.value(QLatin1String("text"));
        const QJsonValue hex = entry.value(QLatin1String("hex"));
        const QByteArray hexText = hex.toString().toLatin1();
        const QByteArray bytes = text.isString() ? text.toString().toUtf8() : QByteArray::fromHex(hexText);
        const bool hexBroken = !text.isString() && bytes.toHex().compare(hexText, Qt::CaseInsensitive) != 0;
        if (!memory.Contains(index) || memory.entries.contains(index) || bytes.isEmpty() || hexBroken) {
            *error = QStringLiteral("objects.%1: entry %2 is outside the range, taken twice, empty or no hex")
                         .arg(type)
                         .arg(index);
            return false;
        }
        memory.entries.insert(index, bytes);
    }
    if (memory.entries.size() > memory.capacity) {
        *error = QStringLiteral("objects.%1 holds more entries than its capacity").arg(type);
        return false;
    }
    return true;
}

bool ReadMemory(const QJsonObject &section, SimObjectMemory &memory, const QString &type, QString *error)
{
    memory.first = section.value(QLatin1String("first")).toInt(memory.first);
    memory.last = section.value(QLatin1String("last")).toInt(memory.last);
    memory.capacity = section.value(QLatin1String("capacity")).toInt(memory.last - memory.first + 1);
    if (memory.first < 0 || memory.last < memory.first || memory.last - memory.first >= kMaxSlots ||
        memory.capacity < 0) {
        *error = QStringLiteral("objects.%1 has no valid range").arg(type);
        return false;
    }
    return ReadEntries(section.value(QLatin1String("entries")).toArray(), memory, type, error);
}

quint32 Le32(const QByteArray &bytes, int offset)
{
    return qFromLittleEndian<quint32>(bytes.constData() + offset);
}

quint16 Le16(const QByteArray &bytes, int offset)
{
    return qFromLittleEndian<quint16>(bytes.constData() + offset);
}

// A 1-bit Windows bitmap whose header agrees with its size.
bool IsPicture(const QByteArray &bytes, SimFamily family)
{
    constexpr int kHeaderBytes = 54;
    const int maxWidth = 101;
    const int maxHeight = family == SimFamily::Newer ? 80 : 64;
    if (bytes.size() < kHeaderBytes || bytes.size() > kMaxPictureBytes || !bytes.startsWith("BM") ||
        Le32(bytes, 2) != quint32(bytes.size()))
        return false;
    const qint32 width = qint32(Le32(bytes, 18));
    const qint32 height = std::abs(qint32(Le32(bytes, 22)));
    const quint32 rowBytes = quint32((width + 31) / 32 * 4);
    return Le16(bytes, 28) == 1 && width >= 1 && width <= maxWidth && height >= 1 && height <= maxHeight &&
           Le32(bytes, 10) + rowBytes * quint32(height) <= quint32(bytes.size());
}

// A format-0 MIDI file: header chunk of six bytes, one track.
bool IsRingtone(const QByteArray &bytes)
{
    return bytes.size() >= 22 && bytes.size() <= kMaxRingtoneBytes && bytes.startsWith("MThd") &&
           qFromBigEndian<quint32>(bytes.constData() + 4) == 6 && qFromBigEndian<quint16>(bytes.constData() + 8) == 0 &&
           bytes.mid(14, 4) == "MTrk";
}

bool IsTextObject(const QByteArray &bytes, const QByteArray &kind)
{
    const QByteArray upper = bytes.toUpper();
    return bytes.size() <= kMaxCardBytes && upper.startsWith("BEGIN:" + kind) && upper.contains("END:" + kind);
}

} // namespace

bool ReadObjects(const QJsonValue &section, SimObjects &objects, QString *error)
{
    if (!section.isObject()) {
        *error = QStringLiteral("objects is not an object");
        return false;
    }
    const QJsonObject object = section.toObject();
    objects.emptySlotIsError = object.value(QLatin1String("emptySlotIsError")).toBool(objects.emptySlotIsError);
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (it.key() == QLatin1String("emptySlotIsError"))
            continue;
        if (!it.value().isObject()) {
            *error = QStringLiteral("objects.%1 is not an object").arg(it.key());
            return false;
        }
        const QByteArray type = it.key().toLatin1();
        if (!ReadMemory(it.value().toObject(), objects.memories[type], it.key(), error))
            return false;
    }
    return true;
}

QJsonObject ObjectsJson(const SimObjects &objects)
{
    QJsonObject section{{QStringLiteral("emptySlotIsError"), objects.emptySlotIsError}};
    for (auto memory = objects.memories.begin(); memory != objects.memories.end(); ++memory) {
        QJsonArray entries;
        for (auto entry = memory->entries.begin(); entry != memory->entries.end(); ++entry) {
            const bool text = IsUtf8Text(*entry);
            entries.append(QJsonObject{{QStringLiteral("index"), entry.key()},
                                       {text ? QStringLiteral("text") : QStringLiteral("hex"),
                                        text ? QString::fromUtf8(*entry) : QString::fromLatin1(entry->toHex())}});
        }
        section.insert(QString::fromLatin1(memory.key()),
                       QJsonObject{{QStringLiteral("first"), memory->first}, {QStringLiteral("last"), memory->last},
                                   {QStringLiteral("capacity"), memory->capacity},
                                   {QStringLiteral("entries"), entries}});
    }
    return section;
}

bool AcceptsObject(const QByteArray &type, const QByteArray &bytes, SimFamily family)
{
    if (type == "vcf")
        return IsTextObject(bytes, "VCARD");
    if (type == "vcs")
        return IsTextObject(bytes, "VCALENDAR");
    if (type == "bmp")
        return IsPicture(bytes, family);
    if (type == "mid")
        return IsRingtone(bytes);
    return false;
}

void FillCards(SimObjectMemory &cards, int count)
{
    cards.entries.clear();
    const QStringList names{QStringLiteral("Anna"), QStringLiteral("Борис"), QStringLiteral("陈"),
                            QStringLiteral("Zoë")};
    for (int i = 0; i < count && cards.Contains(cards.first + i); ++i) {
        const QString name = QStringLiteral("%1 %2").arg(names.at(i % names.size())).arg(i);
        const QByteArray number = "+4917" + QByteArray::number(i).rightJustified(8, '0');
        cards.entries.insert(cards.first + i, "BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=UTF-8:" + name.toUtf8() +
                                                  "\r\nTEL;CELL:" + number + "\r\nEND:VCARD\r\n");
    }
    cards.capacity = std::max(cards.capacity, int(cards.entries.size()));
}

} // namespace phonesim
