// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The phone's numbered objects as the state file keeps them: address-book
// cards ("vcf"), calendar entries ("vcs"), pictures ("bmp") and ringtones
// ("mid"), each type with its slot range, the number of objects it has room
// for, and the objects by slot; and how the family answers an empty slot.
//
//   "objects": { "emptySlotIsError": true,
//                "vcf": { "first": 0, "last": 249, "capacity": 250,
//                         "entries": [ { "index": 0, "text": "BEGIN:VCARD..." },
//                                      { "index": 1, "hex": "424D..." } ] } }
//
// "text" holds an object that is UTF-8 text, "hex" any other bytes.

#include "phonesim/core/SimFamily.h"

#include <QByteArray>
#include <QJsonObject>
#include <QMap>
#include <QString>

namespace phonesim {

struct SimObjectMemory {
    int first = 0;
    int last = -1;
    int capacity = 0;
    QMap<int, QByteArray> entries;  // by slot, first .. last

    bool Contains(int index) const { return index >= first && index <= last; }
    // A new object would not fit: the memory holds capacity objects.
    bool Full() const { return entries.size() >= capacity; }
};

struct SimObjects {
    bool emptySlotIsError = false;  // +CME ERROR: 100 instead of OK alone
    QMap<QByteArray, SimObjectMemory> memories;  // "bmp", "mid", "vcf", "vcs"
};

// Lays the section over the objects given; types it does not name stay.
bool ReadObjects(const QJsonValue &section, SimObjects &objects, QString *error);
QJsonObject ObjectsJson(const SimObjects &objects);

// Whether the phone takes the bytes as an object of the type: a vCard, a
// vCalendar, a 1-bit BMP no larger than the family's screen, a format-0
// MIDI file, each within the size the phone keeps.
bool AcceptsObject(const QByteArray &type, const QByteArray &bytes, SimFamily family);

// count generated cards in the first slots of the range.
void FillCards(SimObjectMemory &cards, int count);

} // namespace phonesim
