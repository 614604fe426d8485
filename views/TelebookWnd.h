#pragma once
// The phone-book view.

#include "DataView.h"

namespace orrin {

// Local menus of the phone-book view, by phone family.
constexpr int kTelebookMenuOlder = 141;
constexpr int kTelebookMenuNewer = 189;

class CTelebookWnd : public CDataView {
    Q_OBJECT
public:
    using CDataView::CDataView;

    // The task-pane menu for the phone family: 141 (code 1) or 189 (code 2).
    void SetLocalMenu(int menuId) { m_nLocalMenu = menuId; }
    int LocalMenu() const { return m_nLocalMenu; }

private:
    int m_nLocalMenu = kTelebookMenuOlder;
};

} // namespace orrin
