// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The picture view.

#include "views/common/DataView.h"

namespace orrin {

class CPictureWnd : public CDataView {
    Q_OBJECT
public:
    using CDataView::CDataView;
};

} // namespace orrin
