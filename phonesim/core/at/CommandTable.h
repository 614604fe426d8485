// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The commands the simulated phone knows: one entry per command name with a
// handler for each form it takes. A form without a handler, or a name nobody
// registered, is answered ERROR. Each kind of memory adds its commands with an
// Add...Commands function; CommandTableFor assembles a family's table.

#include "phonesim/core/at/AtRequest.h"
#include "phonesim/core/at/SimAnswer.h"
#include "phonesim/core/SimFamily.h"

#include <QByteArray>
#include <QHash>

#include <functional>

namespace phonesim {

class CSimPhone;

using Handler = std::function<SimAnswer(CSimPhone &phone, const QByteArray &args)>;

struct CommandForms {
    Handler exec;
    Handler read;
    Handler test;
    Handler set;
};

class CCommandTable {
public:
    void Add(const QByteArray &name, CommandForms forms);
    SimAnswer Dispatch(CSimPhone &phone, const AtRequest &request) const;

private:
    QHash<QByteArray, CommandForms> m_commands;
};

// AT, ATE, ATZ, AT+CMEE.
void AddBasicCommands(CCommandTable &table);
// Identity, battery, signal, own number, SIM card and clock.
void AddIdentityCommands(CCommandTable &table);
// The character set and the phone books.
void AddPhoneBookCommands(CCommandTable &table);
// Short messages in PDU mode.
void AddMessageCommands(CCommandTable &table);
// The numbered objects: ^SBNR, ^SBNW.
void AddObjectCommands(CCommandTable &table);
// Power, SIM lock, registration, operator and what else a 27.007 client asks at start.
void AddNetworkCommands(CCommandTable &table);
// How the family offers OBEX: ^SQWE (newer) or ^SBFB (older).
void AddObexOfferCommands(CCommandTable &table, SimFamily family);

CCommandTable CommandTableFor(SimFamily family);

} // namespace phonesim
