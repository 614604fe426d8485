#pragma once
// The information view, the one shown at start.

#include "DataView.h"

namespace orrin {

class CInfoWnd : public CDataView {
    Q_OBJECT
public:
    using CDataView::CDataView;

signals:
    // Once, at the first paint: the settings are loaded then.
    void FirstPainted();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_bPainted = false;
};

} // namespace orrin
