// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The ringtone view.

#include "views/common/DataView.h"

namespace orrin {

class CRingtoneWnd : public CDataView {
    Q_OBJECT
public:
    using CDataView::CDataView;
};

} // namespace orrin
