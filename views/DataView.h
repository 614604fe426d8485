#pragma once
// Base of the views the main frame shows one at a time. The frame offers
// every command to the active view first; messages posted to a view (store
// completions, forwarded failures) arrive in OnMessage.

#include <QWidget>

namespace orrin {

class CDataView : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    // A command id from the menu, toolbar or task pane; true when handled.
    virtual bool OnCommand(int id);

protected:
    virtual void OnMessage(int message, int wParam);
    bool event(QEvent *event) override;
};

} // namespace orrin
