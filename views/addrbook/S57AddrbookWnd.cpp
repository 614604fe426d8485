// SPDX-License-Identifier: GPL-2.0-or-later
#include "views/addrbook/S57AddrbookWnd.h"

#include "link/Messages.h"

namespace orrin {
namespace {

const AddrbookViewSetup kSetup{kS57AddrbookMenu,
                               QStringLiteral("Addressbook"),
                               {ID_S57ADDRBOOK_READ_PHONE, ID_S57ADDRBOOK_READ_LOCAL, ID_S57ADDRBOOK_NEW,
                                ID_S57ADDRBOOK_MODIFY, ID_S57ADDRBOOK_DELETE, ID_S57ADDRBOOK_SYNC},
                               WM_S57ADDRBOOK_DONE,
                               QStringLiteral("S57Addrbook Header"),
                               kS57AddrbookGridStyle};

} // namespace

CS57AddrbookWnd::CS57AddrbookWnd(QWidget *parent) : TAddrbookWnd(kSetup, TheS57AddrbookData(), parent)
{
    RegisterStore(m_store);
}

// HOOK for the S57 entry dialog (CS57AddrbookEditDlg, Run(mode, m_nMemory)):
// until it is held here, New and Modify open nothing and free the link again.
int CS57AddrbookWnd::RunEditDialog(int)
{
    g_bBusy.store(0);
    return QDialog::Rejected;
}

// HOOK: the S57 entry dialog while it runs.
QDialog *CS57AddrbookWnd::OpenEditDialog()
{
    return nullptr;
}

} // namespace orrin
