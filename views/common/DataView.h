// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Base of the views the main frame shows one at a time. The frame offers
// every command to the active view first; messages posted to a view (store
// completions, forwarded failures) arrive in OnMessage. The hand-over of a
// phone operation to the view's store lives here once for every view.

#include "link/MessageTarget.h"

#include <QWidget>

#include <functional>

namespace orrin {

class CMobileLink;

// One operation handed from a view to its store.
struct CommandRequest {
    int code = 0;
    QString waitText;         // shown in the wait window; none is shown when empty
    bool needsPhone = true;   // refused with the "not connected" notice when no phone is connected
    bool showProgress = true; // the status-bar progress bar runs while the store works
    QWidget *waitOwner = nullptr; // owner of the wait window; the view when null
    bool linkHeld = false;    // the view already holds g_bBusy, for an entry dialog it opened
};

// Runs a command for an entry dialog: the view's hand-over to its store.
using ViewCommandRunner = std::function<bool(const CommandRequest &, const std::function<void()> &)>;

class CDataView : public CMessageTarget<QWidget> {
    Q_OBJECT
public:
    using CMessageTarget::CMessageTarget;

    // A command id from the menu, toolbar or task pane; true when handled.
    virtual bool OnCommand(int id);

protected:
    // Names the store that runs this view's commands; called once by each
    // view class's constructor.
    void RegisterStore(CMobileLink &store);

    // Starts the operation: refuses it when the phone is needed and not
    // connected (the main frame asks the user to connect) or when another
    // operation runs; otherwise marks the link busy, starts the progress,
    // lets fillStore set the store's work records, shows the wait window and
    // writes the code for this view's store last. False when refused.
    bool BeginCommand(const CommandRequest &request, const std::function<void()> &fillStore = {});
    // BeginCommand of this view, for a dialog it owns.
    ViewCommandRunner CommandRunner();

    // The store's answer has arrived: wait window and progress go.
    void StopWaiting();
    // ... and the link is free again.
    void EndCommand();
};

} // namespace orrin
