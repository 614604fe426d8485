#pragma once
// The message view.

#include "views/common/DataView.h"

namespace orrin {

class CSMSWnd : public CDataView {
    Q_OBJECT
public:
    using CDataView::CDataView;
};

} // namespace orrin
