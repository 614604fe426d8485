// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The address-book view of the older phone family.

#include "views/common/DataView.h"

namespace orrin {

class CAddrbookWnd : public CDataView {
    Q_OBJECT
public:
    using CDataView::CDataView;
};

} // namespace orrin
