// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/MobileApp.h"

#include "app/Language.h"
#include "app/MainFrame.h"
#include "link/MessageBox.h"
#include "ui/MessageBoxDialog.h"
#include "resources/Resources.h"
#include "link/SharedState.h"
#include "ui/WaitWnd.h"

#include <QLocale>

namespace orrin {

CMobileApp::CMobileApp(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(kAppTitle);
    InitResources();
    UseLanguage(QLocale::system());
}

CMobileApp::~CMobileApp()
{
    // Exit: the worker ends after its current pass, before the frame goes.
    g_evStop.Set();
    m_frame.reset();
}

bool CMobileApp::WantsWaitWindow(const QStringList &arguments)
{
    for (QString argument : arguments.mid(1)) {
        while (argument.startsWith(QLatin1Char('/')) || argument.startsWith(QLatin1Char('-')))
            argument.remove(0, 1);
        if (argument.compare(QLatin1String("Embedding"), Qt::CaseInsensitive) == 0 ||
            argument.compare(QLatin1String("Automation"), Qt::CaseInsensitive) == 0)
            return false;
    }
    return true;
}

void CMobileApp::InitInstance()
{
    SetWaitWindowEnabled(WantsWaitWindow(arguments()));
    InstallMessageBoxDialog();
    g_evStop.Reset();
    m_frame = std::make_unique<CMainFrame>();
    m_frame->resize(900, 640);
    m_frame->show();
    m_frame->StartWorker();
}

} // namespace orrin
