// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The top-level window: menus, toolbar, status bar, the views shown one at a
// time, the connection commands and the presentation of the worker's results.

#include "app/ViewTable.h"
#include "app/settings/SettingsDlg.h"
#include "link/MessageTarget.h"
#include "link/SharedState.h"

#include <QMainWindow>

#include <memory>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QToolBar;

namespace orrin {

class CDataView;
class CInfoWnd;
class CStatusProgress;
class CWorkerThread;

// Command ids of the frame's menus and toolbar; the View commands are those
// of the table of views (app/ViewTable.h).
enum FrameCommand : int {
    ID_VIEW_INFO = 32771,
    ID_VIEW_MESSAGE = 32772,
    ID_VIEW_PHONEBOOK = 32773,
    ID_VIEW_PICTURE = 32774,
    ID_VIEW_RINGTONE = 32775,
    ID_VIEW_ADDRESSBOOK = 32776,
    ID_CONNECT = 32825,
    ID_DISCONNECT = 32826,
    ID_SETTING = 32827,
    ID_HELP_ONLINE = 32837,
    ID_APP_ABOUT = 0xE140,
    ID_APP_EXIT = 0xE141,
};

// The product's web page, opened by "Help online".
inline const char *const kProductWebPage = "https://orrin-siemens.github.io/";

// Shown when setting.ini cannot be written; %1 is its path.
inline const QString kSettingsNotSavedText = QStringLiteral(
    QT_TRANSLATE_NOOP("orrin::CMainFrame", "The settings cannot be saved in %1.\nThey stay in use until the program ends."));

class CMainFrame : public CMessageTarget<QMainWindow> {
    Q_OBJECT
public:
    explicit CMainFrame(QWidget *parent = nullptr);
    ~CMainFrame() override;

    // Starts the worker; the last step of the frame's creation.
    void StartWorker();
    // Stops and joins the worker; done before the frame goes away.
    void StopWorker();

    // Offers the command to the active view first, then to the frame.
    bool RouteCommand(int id);

    // Runs the first-start settings load; false when the user cancelled and
    // the application is ending.
    bool LoadSettings();

    void OnConnect();
    void OnDisconnect();
    void OnSetting();
    void OnLinkResult(int wParam);
    void OnOperationFailed();

protected:
    void OnMessage(int message, int wParam) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void CreateViews();
    bool OnFrameCommand(int id);
    void SwitchView(size_t entry);
    void ShowConnectedLook();
    void ShowDisconnectedLook();
    void AskForSettings(const QString &question);
    // The load's first half: reads setting.ini into the process-wide values;
    // false, changing nothing, when the user settings are missing or invalid.
    bool ReadStartSettings();
    // The second half: the settings dialog, then its values taken and saved;
    // false when the user cancelled.
    bool AskForStartSettings();
    void SaveDialogValues(bool withConnection);
    // The Phone menu's Connect item turned from one command into the other.
    void ChangePhoneMenuItem(int fromId, int toId);
    // Menu and toolbar texts in the language of the installed translation.
    void RetranslateTexts();
    static QString ConnectText(int id);
    // Remembers the source text of an action for RetranslateTexts.
    void KeepText(QAction *action, const char *text);
    void UpdateCommandStates();
    void OnAbout();
    QAction *AddCommand(QMenu *menu, const char *text, int id);
    QAction *ConnectButton() const;

    // One picker per entry of the table of views, in table order.
    std::vector<ViewPicker> m_viewPickers;
    CInfoWnd *m_infoWnd = nullptr;
    CSettingsDlg m_settingsDlg;
    CDataView *m_pActiveView = nullptr;
    // The table entry of the View command chosen last; the information view's at start.
    size_t m_selectedView = 0;
    int m_bConnectedShown = 0;
    int m_bDisconnectedShown = 0;

    QMenu *m_phoneMenu = nullptr;
    QToolBar *m_toolBar = nullptr;
    std::vector<std::pair<QAction *, const char *>> m_translatedTexts;
    QLabel *m_statusText = nullptr;
    std::unique_ptr<CStatusProgress> m_progress;
    CSharedObject m_activeViewShared;
    std::unique_ptr<CWorkerThread> m_worker;
};

} // namespace orrin
