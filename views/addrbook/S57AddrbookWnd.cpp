// SPDX-License-Identifier: GPL-2.0-or-later
#include "views/addrbook/S57AddrbookWnd.h"

#include "link/Messages.h"

namespace orrin {
namespace {

const AddrbookViewSetup kSetup{kS57AddrbookMenu,
                               QStringLiteral(QT_TRANSLATE_NOOP("CTaskPane", "Addressbook")),
                               {ID_S57ADDRBOOK_READ_PHONE, ID_S57ADDRBOOK_READ_LOCAL, ID_S57ADDRBOOK_NEW,
                                ID_S57ADDRBOOK_MODIFY, ID_S57ADDRBOOK_DELETE, ID_S57ADDRBOOK_SYNC},
                               WM_S57ADDRBOOK_DONE,
                               QStringLiteral("S57Addrbook Header"),
                               kS57AddrbookGridStyle,
                               false};

} // namespace

CS57AddrbookWnd::CS57AddrbookWnd(QWidget *parent) : TAddrbookWnd(kSetup, TheS57AddrbookData(), parent)
{
    RegisterStore(m_store);
}

} // namespace orrin
