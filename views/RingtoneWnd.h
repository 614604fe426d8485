#pragma once
// The ringtone view.

#include "DataView.h"

namespace orrin {

class CRingtoneWnd : public CDataView {
    Q_OBJECT
public:
    using CDataView::CDataView;
};

} // namespace orrin
