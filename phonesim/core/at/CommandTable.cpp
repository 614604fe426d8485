// SPDX-License-Identifier: GPL-2.0-or-later
#include "phonesim/core/at/CommandTable.h"

namespace phonesim {

void CCommandTable::Add(const QByteArray &name, CommandForms forms)
{
    m_commands.insert(name, std::move(forms));
}

SimAnswer CCommandTable::Dispatch(CSimPhone &phone, const AtRequest &request) const
{
    const auto entry = m_commands.constFind(request.name);
    if (entry == m_commands.constEnd())
        return SimAnswer::Error();
    const CommandForms &forms = *entry;
    const Handler *handler = nullptr;
    switch (request.form) {
    case AtForm::Exec: handler = &forms.exec; break;
    case AtForm::Read: handler = &forms.read; break;
    case AtForm::Test: handler = &forms.test; break;
    case AtForm::Set: handler = &forms.set; break;
    }
    return *handler ? (*handler)(phone, request.args) : SimAnswer::Error();
}

CCommandTable CommandTableFor(SimFamily family)
{
    CCommandTable table;
    AddBasicCommands(table);
    AddIdentityCommands(table);
    AddPhoneBookCommands(table);
    AddMessageCommands(table);
    AddObjectCommands(table);
    AddNetworkCommands(table);
    AddObexOfferCommands(table, family);
    return table;
}

} // namespace phonesim
