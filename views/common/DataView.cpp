// SPDX-License-Identifier: GPL-2.0-or-later
#include "views/common/DataView.h"

#include "link/CommandSlot.h"
#include "link/Messages.h"
#include "ui/ProgressBar.h"
#include "link/SharedState.h"
#include "ui/WaitWnd.h"

namespace orrin {

bool CDataView::OnCommand(int)
{
    return false;
}

void CDataView::RegisterStore(CMobileLink &store)
{
    RegisterViewStore(*metaObject(), store);
}

bool CDataView::BeginCommand(const CommandRequest &request, const std::function<void()> &fillStore)
{
    if (request.needsPhone && !g_bConnected.load()) {
        PostMessageTo(g_hMainWnd.Get(), WM_LINK_RESULT, kLinkNotConnected);
        return false;
    }
    if (!request.linkHeld && g_bBusy.load())
        return false;
    g_bBusy.store(1);
    if (request.showProgress)
        StartProgress();
    if (fillStore)
        fillStore();
    if (!request.waitText.isEmpty())
        ShowWaitWindow(request.waitOwner ? request.waitOwner : this, request.waitText);
    WriteStoreCommand(this, request.code);
    return true;
}

ViewCommandRunner CDataView::CommandRunner()
{
    return [this](const CommandRequest &request, const std::function<void()> &fill) {
        return BeginCommand(request, fill);
    };
}

void CDataView::StopWaiting()
{
    HideWaitWindow();
    StopProgress();
}

void CDataView::EndCommand()
{
    StopWaiting();
    g_bBusy.store(0);
}

} // namespace orrin
