// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The phone's memories of phone-book entries and short messages, as the
// state file keeps them:
//
//   "phoneBooks": { "SM": { "capacity": 10, "numberLength": 20, "textLength": 14,
//                           "entries": [ { "location": 1, "number": "+4917...", "name": "Anna!" } ] } }
//   "messages":   { "SM": { "capacity": 10,
//                           "entries": [ { "location": 1, "status": 0, "pdu": "0791..." } ] },
//                   "sent": [ "0011..." ] }
//
// A name is kept as the phone stores it (a VIP entry ends with "!"); a
// message is its status (0 unread, 1 read, 2 unsent, 3 sent) and its PDU in
// hex, service-centre part first. "sent" holds what went out to the network.

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QMap>
#include <QString>

namespace phonesim {

struct SimBookEntry {
    QString number;
    QString name;

    bool operator==(const SimBookEntry &) const = default;
};

struct SimPhoneBook {
    int capacity = 0;
    int numberLength = 20;
    int textLength = 16;
    QMap<int, SimBookEntry> entries;  // by location, 1 .. capacity

    // The first location without an entry; 0 when the book is full.
    int FirstFree() const;
};

struct SimMessage {
    int status = 0;
    QByteArray pdu;  // hex
};

struct SimMessageMemory {
    int capacity = 0;
    QMap<int, SimMessage> entries;  // by location, 1 .. capacity

    int FirstFree() const;
};

struct SimMemories {
    QMap<QByteArray, SimPhoneBook> phoneBooks;        // "ME", "SM"
    QMap<QByteArray, SimMessageMemory> messages;      // "ME", "SM"
    QList<QByteArray> sent;
};

// Lays the memories named in the sections over the ones given; a memory the
// sections do not name stays. False, with the reason, for a section that is
// not as above.
bool ReadPhoneBooks(const QJsonValue &section, QMap<QByteArray, SimPhoneBook> &books, QString *error);
bool ReadMessages(const QJsonValue &section, SimMemories &memories, QString *error);
QJsonObject PhoneBooksJson(const QMap<QByteArray, SimPhoneBook> &books);
QJsonObject MessagesJson(const SimMemories &memories);

// A book of count generated entries, all locations used: names in Latin,
// Cyrillic and Chinese letters, every fifth a VIP.
SimPhoneBook GeneratedPhoneBook(int count);

// The octets of a PDU's TPDU (without the service-centre part); -1 when the
// hex is no PDU.
int TpduOctets(const QByteArray &hex);
// 0 SMS-DELIVER, 1 SMS-SUBMIT ...; -1 when the hex is no PDU.
int MessageTypeOf(const QByteArray &hex);

} // namespace phonesim
