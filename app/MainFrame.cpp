#include "app/MainFrame.h"

#include "views/addrbook/AddrbookWnd.h"
#include "ui/CommandMessage.h"
#include "link/CommandSlot.h"
#include "views/info/InfoWnd.h"
#include "link/MessageBox.h"
#include "link/Messages.h"
#include "link/MobileLink.h"
#include "views/picture/PictureWnd.h"
#include "ui/ProgressBar.h"
#include "views/ringtone/RingtoneWnd.h"
#include "views/addrbook/S57AddrbookWnd.h"
#include "views/sms/SMSWnd.h"
#include "app/settings/Settings.h"
#include "views/telebook/TelebookWnd.h"
#include "ui/WaitWnd.h"
#include "link/Worker.h"

#include <QAction>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QStackedWidget>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>

namespace orrin {
namespace {

enum Selection { kSelInfo, kSelMessage, kSelPhonebook, kSelAddressbook, kSelPicture, kSelRingtone };

struct ToolButton {
    int id;
    const char *label;
    int image;
};

constexpr ToolButton kToolButtons[] = {
    {ID_CONNECT, "&Connect", 0},       {ID_VIEW_INFO, "Information", 1},    {ID_VIEW_MESSAGE, "Message", 2},
    {ID_VIEW_PHONEBOOK, "Phonebook", 3}, {ID_VIEW_ADDRESSBOOK, "Addressbook", 4}, {ID_VIEW_PICTURE, "Picture", 5},
    {ID_VIEW_RINGTONE, "Ringtone", 6},
};
constexpr int kDisconnectImage = 7;

const QString kConnectText = QStringLiteral("&Connect");
const QString kDisconnectText = QStringLiteral("&Disconnect");
const QString kPhoneMenuText = QStringLiteral("&Phone");

QIcon ToolbarIcon(int image)
{
    QIcon icon;
    icon.addPixmap(QPixmap(QStringLiteral(":/images/toolbar-%1.png").arg(image)), QIcon::Normal);
    icon.addPixmap(QPixmap(QStringLiteral(":/images/toolbar-hot-%1.png").arg(image)), QIcon::Active);
    return icon;
}

int CommandOf(const QAction *action)
{
    return action->data().toInt();
}

} // namespace

CMainFrame::CMainFrame(QWidget *parent) : QMainWindow(parent), m_settingsDlg(this)
{
    InstallWaitWindow();
    g_hMainWnd.Set(this);
    setWindowTitle(kAppTitle);
    setWindowIcon(QIcon(QStringLiteral(":/images/app.png")));
    CreateViews();
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    m_pActiveView = m_infoWnd;
    m_activeViewShared.Set(m_infoWnd);
    UpdateCommandStates();
    // The view's first paint reads the settings before its content paints, so
    // the phone picture is that of the stored type; asking for missing ones
    // waits until the paint is over.
    connect(m_infoWnd, &CInfoWnd::FirstPainted, this, [this] {
        if (ReadStartSettings())
            return;
        QMetaObject::invokeMethod(this, [this] {
            if (!AskForStartSettings())
                QCoreApplication::exit(0);
        }, Qt::QueuedConnection);
    });
}

CMainFrame::~CMainFrame()
{
    StopWorker();
    if (g_hMainWnd.Get() == this)
        g_hMainWnd.Set(nullptr);
}

void CMainFrame::StartWorker()
{
    if (!m_worker)
        m_worker = std::make_unique<CWorkerThread>(WorkerContext{this, &m_activeViewShared, &TheMobileLink()});
    m_worker->Start();
}

void CMainFrame::StopWorker()
{
    if (m_worker)
        m_worker->Stop();
}

void CMainFrame::CreateViews()
{
    auto *stack = new QStackedWidget(this);
    m_infoWnd = new CInfoWnd;
    m_smsWnd = new CSMSWnd;
    m_telebookWnd = new CTelebookWnd;
    m_addrbookWnd = new CAddrbookWnd;
    m_pictureWnd = new CPictureWnd;
    m_ringtoneWnd = new CRingtoneWnd;
    m_s57AddrbookWnd = new CS57AddrbookWnd;
    for (QWidget *view : std::initializer_list<QWidget *>{m_infoWnd, m_smsWnd, m_telebookWnd, m_addrbookWnd,
                                                          m_pictureWnd, m_ringtoneWnd, m_s57AddrbookWnd})
        stack->addWidget(view);
    stack->setCurrentWidget(m_infoWnd);
    setCentralWidget(stack);
}

QAction *CMainFrame::AddCommand(QMenu *menu, const QString &text, int id)
{
    QAction *action = menu->addAction(text);
    action->setData(id);
    connect(action, &QAction::triggered, this, [this, action] { RouteCommand(CommandOf(action)); });
    return action;
}

void CMainFrame::CreateMenus()
{
    m_phoneMenu = menuBar()->addMenu(kPhoneMenuText);
    AddCommand(m_phoneMenu, kConnectText, ID_CONNECT)->setCheckable(true);
    AddCommand(m_phoneMenu, QStringLiteral("Setting"), ID_SETTING);
    m_phoneMenu->addSeparator();
    AddCommand(m_phoneMenu, QStringLiteral("E&xit"), ID_APP_EXIT);

    QMenu *viewMenu = menuBar()->addMenu(QStringLiteral("&View"));
    AddCommand(viewMenu, QStringLiteral("Phone Infomation"), ID_VIEW_INFO)->setCheckable(true);
    AddCommand(viewMenu, QStringLiteral("Message"), ID_VIEW_MESSAGE)->setCheckable(true);
    AddCommand(viewMenu, QStringLiteral("Phonebook"), ID_VIEW_PHONEBOOK)->setCheckable(true);
    AddCommand(viewMenu, QStringLiteral("Addressbook"), ID_VIEW_ADDRESSBOOK)->setCheckable(true);
    AddCommand(viewMenu, QStringLiteral("Picture"), ID_VIEW_PICTURE)->setCheckable(true);
    AddCommand(viewMenu, QStringLiteral("Ringtone"), ID_VIEW_RINGTONE)->setCheckable(true);
    viewMenu->addSeparator();
    m_toolBar = new QToolBar(QStringLiteral("Toolbar"), this);
    QAction *toolbarToggle = m_toolBar->toggleViewAction();
    toolbarToggle->setText(QStringLiteral("&Toolbar"));
    viewMenu->addAction(toolbarToggle);
    QAction *statusToggle = viewMenu->addAction(QStringLiteral("&Status Bar"));
    statusToggle->setCheckable(true);
    statusToggle->setChecked(true);
    connect(statusToggle, &QAction::toggled, this, [this](bool on) { statusBar()->setVisible(on); });

    QMenu *helpMenu = menuBar()->addMenu(QStringLiteral("&Help"));
    AddCommand(helpMenu, QStringLiteral("&Help online"), ID_HELP_ONLINE);
    AddCommand(helpMenu, QStringLiteral("&About Orrin for SIEMENS..."), ID_APP_ABOUT);

    for (QMenu *menu : {m_phoneMenu, viewMenu})
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);
}

void CMainFrame::CreateToolBar()
{
    m_toolBar->setObjectName(QStringLiteral("mainToolBar"));
    m_toolBar->setMovable(false);
    m_toolBar->setIconSize(QSize(30, 25));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_toolBar->setStyleSheet(QStringLiteral("QToolButton { min-width: 50px; max-width: 150px; }"));
    for (const ToolButton &button : kToolButtons) {
        QAction *action = m_toolBar->addAction(ToolbarIcon(button.image), QString::fromLatin1(button.label));
        action->setData(button.id);
        action->setCheckable(button.id != ID_CONNECT);
        connect(action, &QAction::triggered, this, [this, action] { RouteCommand(CommandOf(action)); });
    }
    addToolBar(Qt::TopToolBarArea, m_toolBar);
}

void CMainFrame::CreateStatusBar()
{
    m_statusText = new QLabel;
    m_statusText->setMinimumWidth(200);
    // No lock-key indicators: Qt has no portable way to ask for the state of
    // Caps, Num or Scroll Lock, and indicators that never change mislead.
    statusBar()->addWidget(m_statusText, 1);
    m_progress = std::make_unique<CStatusProgress>(m_statusText);
}

QAction *CMainFrame::ToolbarAction(int position) const
{
    const QList<QAction *> actions = m_toolBar->actions();
    return position >= 0 && position < actions.size() ? actions[position] : nullptr;
}

bool CMainFrame::RouteCommand(int id)
{
    if (m_pActiveView && m_pActiveView->OnCommand(id))
        return true;
    return OnFrameCommand(id);
}

bool CMainFrame::OnFrameCommand(int id)
{
    const PhoneFamily family = CMobileLink::GetPhoneTypeCode();
    switch (id) {
    case ID_CONNECT: OnConnect(); return true;
    case ID_DISCONNECT: OnDisconnect(); return true;
    case ID_SETTING: OnSetting(); return true;
    case ID_VIEW_INFO: SwitchView(m_infoWnd, kSelInfo); return true;
    case ID_VIEW_MESSAGE: SwitchView(m_smsWnd, kSelMessage); return true;
    case ID_VIEW_PHONEBOOK:
        m_telebookWnd->SetLocalMenu(family == PhoneFamily::Newer ? kTelebookMenuNewer : kTelebookMenuOlder);
        SwitchView(m_telebookWnd, kSelPhonebook);
        return true;
    case ID_VIEW_ADDRESSBOOK:
        SwitchView(family == PhoneFamily::Older ? static_cast<CDataView *>(m_addrbookWnd)
                             : family == PhoneFamily::Newer ? static_cast<CDataView *>(m_s57AddrbookWnd) : nullptr,
                   kSelAddressbook);
        return true;
    case ID_VIEW_PICTURE: SwitchView(m_pictureWnd, kSelPicture); return true;
    case ID_VIEW_RINGTONE: SwitchView(m_ringtoneWnd, kSelRingtone); return true;
    case ID_HELP_ONLINE: QDesktopServices::openUrl(QUrl(QString::fromLatin1(kProductWebPage))); return true;
    case ID_APP_ABOUT: OnAbout(); return true;
    case ID_APP_EXIT: close(); return true;
    default: return false;
    }
}

void CMainFrame::SwitchView(CDataView *view, int selection)
{
    if (view) {
        auto *stack = static_cast<QStackedWidget *>(centralWidget());
        stack->setCurrentWidget(view);
        view->setFocus();
        m_pActiveView = view;
        m_activeViewShared.Set(view);
    }
    m_selection.fill(0);
    m_selection[size_t(selection)] = 1;
    UpdateCommandStates();
}

void CMainFrame::UpdateCommandStates()
{
    auto checkedFor = [this](int id) {
        switch (id) {
        case ID_VIEW_INFO: return m_selection[kSelInfo] == 1;
        case ID_VIEW_MESSAGE: return m_selection[kSelMessage] == 1;
        case ID_VIEW_PHONEBOOK: return m_selection[kSelPhonebook] == 1;
        case ID_VIEW_ADDRESSBOOK: return m_selection[kSelAddressbook] == 1;
        case ID_VIEW_PICTURE: return m_selection[kSelPicture] == 1;
        case ID_VIEW_RINGTONE: return m_selection[kSelRingtone] == 1;
        case ID_CONNECT: return m_bConnectedShown == 1;
        case ID_DISCONNECT: return m_bDisconnectedShown == 1;
        default: return false;
        }
    };
    QList<QAction *> actions = m_toolBar->actions();
    for (QMenu *menu : menuBar()->findChildren<QMenu *>())
        actions += menu->actions();
    for (QAction *action : actions) {
        if (action->isCheckable() && action->data().isValid())
            action->setChecked(checkedFor(CommandOf(action)));
    }
}

void CMainFrame::OnConnect()
{
    if (g_bBusy.load())
        return;
    QString device, baudText;
    if (ReadConnectionSettings(SettingsPath(), &device, &baudText) && !device.isEmpty() && !baudText.isEmpty()) {
        m_bConnectedShown = 1;
        m_bDisconnectedShown = 0;
        ShowWaitWindow(this, QStringLiteral("Connecting to phone"));
        WriteCommand(kCommandConnect);
        return;
    }
    AskForSettings(QStringLiteral("Connect setting is not completed.\nDo you want to setup now?"));
}

void CMainFrame::OnDisconnect()
{
    if (g_bBusy.load())
        return;
    m_bConnectedShown = 0;
    m_bDisconnectedShown = 1;
    ShowWaitWindow(this, QStringLiteral("Disconnecting from phone"));
    WriteCommand(kCommandDisconnect);
}

void CMainFrame::AskForSettings(const QString &question)
{
    if (MessageBox(this, question, QStringLiteral("Warning"), BoxButtons::YesNo, BoxIcon::Information) == kIdYes)
        OnSetting();
}

void CMainFrame::OnSetting()
{
    if (m_settingsDlg.exec() != QDialog::Accepted)
        return;
    g_strPhoneType.Set(m_settingsDlg.m_strPhoneType);
    g_strCountry.Set(m_settingsDlg.m_strCountry);
    g_strPortName.Set(m_settingsDlg.m_strDevice);
    g_nBaudRate.store(BaudRateOf(m_settingsDlg.m_strBaudRate));
    SaveDialogValues(true);

    if (m_pActiveView == m_infoWnd)
        m_infoWnd->update();
    else if (m_selection[kSelAddressbook] == 1)
        RouteCommand(ID_VIEW_ADDRESSBOOK);
    else if (m_pActiveView == m_telebookWnd)
        RouteCommand(ID_VIEW_PHONEBOOK);
}

bool CMainFrame::LoadSettings()
{
    return ReadStartSettings() || AskForStartSettings();
}

bool CMainFrame::ReadStartSettings()
{
    g_strWorkDir.Set(QDir::currentPath());
    const QString path = SettingsPath();
    QString device, baudText, phoneType, country;
    ReadConnectionSettings(path, &device, &baudText);
    if (!ReadUserSettings(path, &phoneType, &country))
        return false;
    g_strPhoneType.Set(phoneType);
    g_strCountry.Set(country);
    g_strPortName.Set(device);
    g_nBaudRate.store(BaudRateOf(baudText));
    return true;
}

bool CMainFrame::AskForStartSettings()
{
    if (m_settingsDlg.exec() != QDialog::Accepted)
        return false;
    g_strPhoneType.Set(m_settingsDlg.m_strPhoneType);
    g_strCountry.Set(m_settingsDlg.m_strCountry);
    g_strPortName.Set(m_settingsDlg.m_strDevice);
    g_nBaudRate.store(BaudRateOf(m_settingsDlg.m_strBaudRate));
    SaveDialogValues(!m_settingsDlg.m_strDevice.isEmpty() && !m_settingsDlg.m_strBaudRate.isEmpty());
    m_infoWnd->update();
    return true;
}

// A write that fails is said at once: the user would otherwise believe the
// values saved, and the next start would ask for them again.
void CMainFrame::SaveDialogValues(bool withConnection)
{
    const QString path = SettingsPath();
    bool saved = WriteUserSettings(path, m_settingsDlg.m_strPhoneType, m_settingsDlg.m_strCountry);
    if (withConnection)
        saved = WriteConnectionSettings(path, m_settingsDlg.m_strDevice, m_settingsDlg.m_strBaudRate) && saved;
    if (!saved)
        MessageBox(this, kSettingsNotSavedText.arg(QDir::toNativeSeparators(path)), QStringLiteral("Warning"),
                   BoxButtons::Ok, BoxIcon::Warning);
}

void CMainFrame::OnLinkResult(int wParam)
{
    HideWaitWindow();
    if (m_settingsDlg.isVisible()) {
        SendMessageTo(&m_settingsDlg, WM_LINK_RESULT, wParam);
        return;
    }
    if (wParam == kLinkNotConnected) {
        MessageBox(this, QStringLiteral("Mobilephone is not connected. \nPlease Connect first."), QStringLiteral("Tip"),
                   BoxButtons::Ok, BoxIcon::Information);
        g_bBusy.store(0);
        return;
    }
    const QString question = QStringLiteral(
        "No valid phone device is connected.\nOr COM/infrared port is not correctly set,\nDo you want to setup now?");
    if (wParam == kLinkCloseFailed || (wParam == kLinkOk && m_bConnectedShown == 1)) {
        if (wParam == kLinkCloseFailed) {
            m_bDisconnectedShown = 0;
            m_bConnectedShown = 1;
            AskForSettings(question);
        }
        ShowConnectedLook();
    } else if (wParam == kLinkOpenFailed || (wParam == kLinkOk && m_bDisconnectedShown == 1)) {
        if (wParam == kLinkOpenFailed) {
            m_bConnectedShown = 0;
            m_bDisconnectedShown = 1;
            AskForSettings(question);
        }
        ShowDisconnectedLook();
    }
    UpdateCommandStates();
}

void CMainFrame::ShowConnectedLook()
{
    QAction *button = ToolbarAction(0);
    button->setIcon(ToolbarIcon(kDisconnectImage));
    button->setData(int(ID_DISCONNECT));
    button->setText(kDisconnectText);
    button->setEnabled(true);
    ChangePhoneMenuItem(kConnectText, ID_DISCONNECT, kDisconnectText);
    QDir(g_strWorkDir.Get()).mkpath(g_strPhoneType.Get());
}

void CMainFrame::ShowDisconnectedLook()
{
    QAction *button = ToolbarAction(0);
    button->setIcon(ToolbarIcon(0));
    button->setData(int(ID_CONNECT));
    button->setText(kConnectText);
    ChangePhoneMenuItem(kDisconnectText, ID_CONNECT, kConnectText);
}

void CMainFrame::ChangePhoneMenuItem(const QString &fromText, int toId, const QString &toText)
{
    for (QAction *top : menuBar()->actions()) {
        if (top->text() != kPhoneMenuText || !top->menu())
            continue;
        for (QAction *item : top->menu()->actions()) {
            if (item->text() == fromText) {
                item->setData(toId);
                item->setText(toText);
                return;
            }
        }
        return;
    }
}

void CMainFrame::OnOperationFailed()
{
    HideWaitWindow();
    StopProgress();
    MessageBox(this, g_strLastError.Get(), QStringLiteral("Warning"), BoxButtons::Ok, BoxIcon::Warning);
    m_statusText->setText(QStringLiteral("Error"));
    SendMessageTo(m_pActiveView, WM_OPERATION_FAILED);
    g_bBusy.store(0);
}

void CMainFrame::OnAbout()
{
    MessageBox(this, QStringLiteral("Orrin V1.0 \nfor SIEMENS"), QStringLiteral("About Orrin for SIEMENS"),
               BoxButtons::Ok, BoxIcon::Information);
}

bool CMainFrame::event(QEvent *event)
{
    if (auto *message = dynamic_cast<CLinkEvent *>(event)) {
        if (message->Message() == WM_POSTED_COMMAND)
            RouteCommand(message->WParam());
        else if (message->Message() == WM_LINK_RESULT)
            OnLinkResult(message->WParam());
        else if (message->Message() == WM_OPERATION_FAILED)
            OnOperationFailed();
        return true;
    }
    return QMainWindow::event(event);
}

void CMainFrame::closeEvent(QCloseEvent *event)
{
    StopWorker();
    event->accept();
}

} // namespace orrin
