// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The address-book view of the older phone family: its cards, commands and
// entry dialog over the older family's address-book store.

#include "stores/addrbook/AddrbookData.h"
#include "views/addrbook/AddrbookEditDlg.h"
#include "views/addrbook/AddrbookViewBase.h"

namespace orrin {

constexpr int kAddrbookMenu = 145;

// Commands of the older family's address-book view.
enum AddrbookViewCommand : int {
    ID_ADDRBOOK_READ_PHONE = 32805,
    ID_ADDRBOOK_READ_LOCAL = 32806,
    ID_ADDRBOOK_NEW = 32807,
    ID_ADDRBOOK_MODIFY = 32808,
    ID_ADDRBOOK_DELETE = 32809,
    ID_ADDRBOOK_SYNC = 32810,
};

class CAddrbookWnd : public TAddrbookWnd<CAddrbookData, CAddrbookEditDlg> {
    Q_OBJECT
public:
    explicit CAddrbookWnd(QWidget *parent = nullptr);
};

} // namespace orrin
