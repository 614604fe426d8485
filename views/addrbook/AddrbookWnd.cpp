// SPDX-License-Identifier: GPL-2.0-or-later
#include "views/addrbook/AddrbookWnd.h"

#include "link/Messages.h"

namespace orrin {
namespace {

const AddrbookViewSetup kSetup{kAddrbookMenu,
                               QStringLiteral(QT_TRANSLATE_NOOP("CTaskPane", "Addressbook")),
                               {ID_ADDRBOOK_READ_PHONE, ID_ADDRBOOK_READ_LOCAL, ID_ADDRBOOK_NEW, ID_ADDRBOOK_MODIFY,
                                ID_ADDRBOOK_DELETE, ID_ADDRBOOK_SYNC},
                               WM_ADDRBOOK_DONE,
                               QStringLiteral("Addrbook Header"),
                               kAddrbookGridStyle,
                               true};

} // namespace

CAddrbookWnd::CAddrbookWnd(QWidget *parent) : TAddrbookWnd(kSetup, TheAddrbookData(), parent)
{
    RegisterStore(m_store);
}

} // namespace orrin
