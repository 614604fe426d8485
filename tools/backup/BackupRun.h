// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The backup's run over the window's own link object and worker: it connects
// as the main frame does, writes each step's code into the command slot as
// the step's view does, and waits for the store's completion message.

#include "link/MessageBox.h"
#include "link/MessageTarget.h"
#include "link/SharedState.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

namespace orrin {

class CMobileLink;
class CWorkerThread;

namespace backup {

struct BackupStep {
    QString name;                   // how the terminal names the step: "Phone book"
    CMobileLink *store;
    int code;                       // the store's command code, as the view writes it
    std::function<void()> fill;     // what the view puts into the store before the code
    std::function<QString()> saved; // after success: what the step saved
};

// The steps for the phone family of g_strPhoneType, in the order they run.
std::vector<BackupStep> BackupSteps();

struct StepOutcome {
    bool ok = false;
    QString text; // what was saved, or the store's error text
};

// Where the run tells what happens: the progress of the step running (told
// at its start and on every tick), and each message box a store shows.
struct RunReports {
    std::function<void(int stepIndex, int stepCount, const QString &name, int percent)> progress;
    std::function<void(const QString &text)> box;
};

class CBackupRun : public CMessageTarget<QObject> {
    Q_OBJECT

public:
    // Starts the worker. Boxes are answered OK, No or Cancel (nothing is
    // replaced or removed) and told to the reports; a box during a step makes
    // the step fail with its text.
    explicit CBackupRun(RunReports reports);
    ~CBackupRun() override;

    // Opens the line of g_strPortName at g_nBaudRate; false with the reason.
    bool Connect(QString *error);
    void Disconnect();
    StepOutcome Run(const BackupStep &step, int stepIndex, int stepCount);

protected:
    void OnMessage(int message, int wParam) override;

private:
    // Hands the code to the store as its view does; returns the store's message.
    int RunStoreCommand(CMobileLink &store, int code);
    bool PhoneStillAnswers();
    // Runs this thread's events until a message arrives; returns it.
    int WaitForMessage(int *wParam = nullptr);

    CSharedObject m_activeView;
    RunReports m_reports;
    BoxHandler m_previousBoxHandler;
    QStringList m_boxTexts;
    int m_message = 0;
    int m_wParam = 0;
    std::unique_ptr<CWorkerThread> m_worker;
};

} // namespace backup
} // namespace orrin
