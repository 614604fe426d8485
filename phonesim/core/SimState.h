// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Everything the simulated phone holds: identity, battery, signal, network,
// own number, SIM card, clock, phone books, short messages, the numbered
// objects, the file system, and any other sections, which are carried
// through loading and saving untouched.

#include "phonesim/core/SimFamily.h"
#include "phonesim/core/SimMemories.h"
#include "phonesim/core/SimObjects.h"
#include "phonesim/core/obex/SimFiles.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include <optional>

namespace phonesim {

struct SimState {
    SimFamily family = SimFamily::Older;
    QString manufacturer;
    QString model;
    QString revision;
    QString imei;
    int batteryStatus = 0;    // +CBC <bcs>
    int batteryPercent = 0;   // +CBC <bcl>
    int rssi = 99;            // +CSQ, 0..31 or 99 unknown
    int bitErrorRate = 99;
    QString operatorName;     // +COPS, long alphanumeric form
    QString operatorCode;     // +COPS, numeric form (MCC and MNC)
    QString ownAlpha;
    QString ownNumber;        // empty: the phone does not know it
    QString cardNumber;       // ^SCID
    QString imsi;
    QString serviceCentre;    // with "+" for international numbers
    qint64 clockOffsetSeconds = 0;  // phone clock minus the computer's local time
    SimMemories memories;     // phone books and short messages
    SimObjects objects;       // cards, calendar entries, pictures, ringtones
    SimFiles files;           // what OBEX file transfer shows
    QJsonObject kept;         // the other top-level sections, as read
};

// The state from JSON; fields missing from the text keep the family's seed
// values. Nothing, with the reason in error, for text that is no valid state.
std::optional<SimState> StateFromJson(const QByteArray &json, QString *error);
QByteArray StateToJson(const SimState &state);

// The seed state of a family, from phonesim/data.
SimState SeedState(SimFamily family);

// The state in the file, or the family's seed when there is no such file.
std::optional<SimState> LoadState(const QString &path, SimFamily family, QString *error);
bool SaveState(const SimState &state, const QString &path, QString *error);

} // namespace phonesim
