// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The command line of phonesim:
//   phonesim --family older|newer [--model NAME] [--state FILE] [--save]
//            [--link PATH] [--baud N] [--latency-ms N] [--fault FAULT]...
//            [--fill-book MEMORY:N]... [--fill-cards N] [--incoming-every N]

#include "phonesim/core/Faults.h"
#include "phonesim/core/SimFamily.h"

#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

namespace phonesim {

struct SimOptions {
    SimFamily family = SimFamily::Older;
    QString model;       // empty: the model of the state
    QString statePath;
    bool save = false;
    QString linkPath;
    int baudRate = 0;    // 0: any rate, unpaced
    int latencyMs = 0;
    FaultPlan faults;
    QMap<QByteArray, int> bookFills;  // phone books replaced by generated full ones
    int cardFill = -1;                // the address book replaced by this many generated cards
    int incomingEvery = 0;            // a new message arrives every N commands
    bool helpShown = false;
};

// The options of the argument list (program name first). Nothing, with the
// reason or the help text in message, when they cannot be used.
std::optional<SimOptions> ParseSimOptions(const QStringList &arguments, QString *message);

} // namespace phonesim
