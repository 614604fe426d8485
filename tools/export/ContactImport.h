// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Contacts from a vCard file (2.1, 3.0 or 4.0) merged into the local files of
// a phone-type folder: each card gives a phone-book entry (its name and the
// number it prefers) and an entry of the family's address book (every field
// the record has). Entries the files already hold, by the stores' own rules
// of the same entry, are not added again. Nothing is written unless every
// card of the file was read and every file of the folder can take the new
// entries; the user then writes them to the phone from the window.

#include "phone/PhoneApi.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace orrin::exporter {

// One card as the records it gives; no phone-book entry for a card without a
// number. error names the problem (a number longer than its field) when the
// card cannot be taken.
struct ContactRecords {
    std::optional<TelebookRecord> telebook;
    AddrbookRecord older{};
    S57AddrbookRecord newer{};
    bool hasAddress = false;  // false for a card with no text at all
};
std::optional<ContactRecords> ContactOf(const QByteArray &card, QString &error);

struct ImportResult {
    int telebookAdded = 0;
    int addrbookAdded = 0;
    QString addrbookFile;  // the family's address-book file
    QString error;         // empty on success
};

// The family is the one of the phone type the folder is named after; a folder
// of another name must hold exactly one of the two address-book files.
ImportResult ImportContacts(const QString &cardFile, const QString &folder);

} // namespace orrin::exporter
