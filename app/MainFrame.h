#pragma once
// The top-level window: menus, toolbar, status bar, the views shown one at a
// time, the connection commands and the presentation of the worker's results.

#include "app/settings/SettingsDlg.h"
#include "link/SharedState.h"

#include <QMainWindow>

#include <array>
#include <memory>

class QAction;
class QLabel;
class QMenu;
class QToolBar;

namespace orrin {

class CDataView;
class CInfoWnd;
class CSMSWnd;
class CTelebookWnd;
class CAddrbookWnd;
class CS57AddrbookWnd;
class CPictureWnd;
class CRingtoneWnd;
class CStatusProgress;
class CWorkerThread;

// Command ids of the frame's menus and toolbar.
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
inline const QString kSettingsNotSavedText =
    QStringLiteral("The settings cannot be saved in %1.\nThey stay in use until the program ends.");

class CMainFrame : public QMainWindow {
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

    CDataView *ActiveView() const { return m_pActiveView; }
    CInfoWnd *InfoView() const { return m_infoWnd; }
    CTelebookWnd *TelebookView() const { return m_telebookWnd; }
    CSettingsDlg &SettingsDialog() { return m_settingsDlg; }
    QToolBar *ToolBar() const { return m_toolBar; }
    QLabel *StatusText() const { return m_statusText; }
    CStatusProgress &Progress() { return *m_progress; }
    QAction *ToolbarAction(int position) const;
    QMenu *PhoneMenu() const { return m_phoneMenu; }

    void OnConnect();
    void OnDisconnect();
    void OnSetting();
    void OnLinkResult(int wParam);
    void OnOperationFailed();

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void CreateViews();
    bool OnFrameCommand(int id);
    void SwitchView(CDataView *view, int selection);
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
    void ChangePhoneMenuItem(const QString &fromText, int toId, const QString &toText);
    void UpdateCommandStates();
    void OnAbout();
    QAction *AddCommand(QMenu *menu, const QString &text, int id);

    CInfoWnd *m_infoWnd = nullptr;
    CSMSWnd *m_smsWnd = nullptr;
    CTelebookWnd *m_telebookWnd = nullptr;
    CAddrbookWnd *m_addrbookWnd = nullptr;
    CPictureWnd *m_pictureWnd = nullptr;
    CRingtoneWnd *m_ringtoneWnd = nullptr;
    CS57AddrbookWnd *m_s57AddrbookWnd = nullptr;
    CSettingsDlg m_settingsDlg;
    CDataView *m_pActiveView = nullptr;
    // Which View command was chosen last: information, message, phone book,
    // address book, picture, ringtone.
    std::array<int, 6> m_selection{1, 0, 0, 0, 0, 0};
    int m_bConnectedShown = 0;
    int m_bDisconnectedShown = 0;

    QMenu *m_phoneMenu = nullptr;
    QToolBar *m_toolBar = nullptr;
    QLabel *m_statusText = nullptr;
    std::unique_ptr<CStatusProgress> m_progress;
    CSharedObject m_activeViewShared;
    std::unique_ptr<CWorkerThread> m_worker;
};

} // namespace orrin
