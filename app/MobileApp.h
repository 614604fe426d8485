// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The application object: start-up order and exit.

#include <QApplication>

#include <memory>

namespace orrin {

class CMainFrame;

class CMobileApp : public QApplication {
    Q_OBJECT
public:
    CMobileApp(int &argc, char **argv);
    ~CMobileApp() override;

    // Builds and shows the main frame, then starts the worker.
    void InitInstance();
    CMainFrame *MainFrame() const { return m_frame.get(); }

    // True when the command line asks for no wait window ("Embedding" or
    // "Automation", with "/" or "-").
    static bool WantsWaitWindow(const QStringList &arguments);

private:
    std::unique_ptr<CMainFrame> m_frame;
};

} // namespace orrin
