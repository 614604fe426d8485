#include "InfoWnd.h"

namespace orrin {

void CInfoWnd::paintEvent(QPaintEvent *event)
{
    CDataView::paintEvent(event);
    if (m_bPainted)
        return;
    m_bPainted = true;
    emit FirstPainted();
}

} // namespace orrin
