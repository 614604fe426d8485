// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The address-book view of the newer phone family (S55, S56, S57): the cards,
// commands and hand-over of the older family's view over the newer store,
// which puts a modified entry into its lists itself.

#include "stores/addrbook/S57AddrbookData.h"
#include "views/addrbook/S57AddrbookEditDlg.h"
#include "views/addrbook/AddrbookViewBase.h"

namespace orrin {

constexpr int kS57AddrbookMenu = 182;

// Commands of the newer family's address-book view.
enum S57AddrbookViewCommand : int {
    ID_S57ADDRBOOK_READ_PHONE = 32830,
    ID_S57ADDRBOOK_READ_LOCAL = 32831,
    ID_S57ADDRBOOK_NEW = 32832,
    ID_S57ADDRBOOK_MODIFY = 32833,
    ID_S57ADDRBOOK_DELETE = 32834,
    ID_S57ADDRBOOK_SYNC = 32835,
};

class CS57AddrbookWnd : public TAddrbookWnd<CS57AddrbookData, CS57AddrbookEditDlg> {
    Q_OBJECT
public:
    explicit CS57AddrbookWnd(QWidget *parent = nullptr);
};

} // namespace orrin
