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
                               kS57AddrbookGridStyle};

} // namespace

CS57AddrbookWnd::CS57AddrbookWnd(QWidget *parent)
    : TAddrbookWnd(kSetup, TheS57AddrbookData(), parent), m_editDlg(TheS57AddrbookData(), CommandRunner(), this)
{
    RegisterStore(m_store);
}

int CS57AddrbookWnd::RunEditDialog(int mode)
{
    return m_editDlg.Run(CS57AddrbookEditDlg::Mode(mode), m_nMemory);
}

QDialog *CS57AddrbookWnd::OpenEditDialog()
{
    return m_editDlg.isVisible() ? &m_editDlg : nullptr;
}

} // namespace orrin
