#include "DataView.h"

#include "Messages.h"

namespace orrin {

bool CDataView::OnCommand(int)
{
    return false;
}

void CDataView::OnMessage(int, int) {}

bool CDataView::event(QEvent *event)
{
    if (auto *message = dynamic_cast<CLinkEvent *>(event)) {
        OnMessage(message->Message(), message->WParam());
        return true;
    }
    return QWidget::event(event);
}

} // namespace orrin
