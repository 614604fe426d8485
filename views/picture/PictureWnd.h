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
