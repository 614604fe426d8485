// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/MainFrame.h"

#include "app/settings/Settings.h"
#include "link/CommandSlot.h"
#include "link/MessageBox.h"
#include "link/Messages.h"
#include "link/MobileLink.h"
#include "link/Translated.h"
#include "link/Worker.h"
#include "ui/CommandMessage.h"
#include "ui/ProgressBar.h"
#include "ui/WaitWnd.h"
#include "views/info/InfoWnd.h"

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

#include <optional>

namespace orrin {
namespace {

constexpr int kConnectImage = 0;
constexpr int kDisconnectImage = 7;

const char *const kConnectText = QT_TRANSLATE_NOOP("orrin::CMainFrame", "&Connect");
const char *const kDisconnectText = QT_TRANSLATE_NOOP("orrin::CMainFrame", "&Disconnect");

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

// The table entry of a View command, or none.
std::optional<size_t> ViewEntryOf(int id)
{
    const std::span<const ViewEntry> table = ViewTable();
    for (size_t entry = 0; entry < table.size(); ++entry) {
        if (table[entry].commandId == id)
            return entry;
    }
    return std::nullopt;
}

} // namespace

CMainFrame::CMainFrame(QWidget *parent) : CMessageTarget(parent), m_settingsDlg(this)
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
    m_activeViewShared.Set(m_pActiveView);
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
    stack->setObjectName(QStringLiteral("viewStack"));
    for (const ViewEntry &entry : ViewTable())
        m_viewPickers.push_back(entry.build(*stack));
    m_infoWnd = stack->findChild<CInfoWnd *>();
    stack->setCurrentWidget(m_infoWnd);
    setCentralWidget(stack);
}

QAction *CMainFrame::AddCommand(QMenu *menu, const char *text, int id)
{
    QAction *action = menu->addAction(tr(text));
    action->setData(id);
    connect(action, &QAction::triggered, this, [this, action] { RouteCommand(CommandOf(action)); });
    KeepText(action, text);
    return action;
}

void CMainFrame::KeepText(QAction *action, const char *text)
{
    m_translatedTexts.push_back({action, text});
}

void CMainFrame::CreateMenus()
{
    m_phoneMenu = menuBar()->addMenu(QString());
    m_phoneMenu->setObjectName(QStringLiteral("phoneMenu"));
    KeepText(m_phoneMenu->menuAction(), QT_TR_NOOP("&Phone"));
    AddCommand(m_phoneMenu, kConnectText, ID_CONNECT)->setCheckable(true);
    AddCommand(m_phoneMenu, QT_TR_NOOP("&Setting"), ID_SETTING)->setShortcut(QKeySequence::Preferences);
    m_phoneMenu->addSeparator();
    AddCommand(m_phoneMenu, QT_TR_NOOP("E&xit"), ID_APP_EXIT)->setShortcut(QKeySequence::Quit);

    QMenu *viewMenu = menuBar()->addMenu(QString());
    KeepText(viewMenu->menuAction(), QT_TR_NOOP("&View"));
    int viewKey = Qt::Key_1;
    for (const ViewEntry &entry : ViewTable()) {
        QAction *action = AddCommand(viewMenu, entry.menuText, entry.commandId);
        action->setCheckable(true);
        action->setShortcut(QKeyCombination(Qt::ControlModifier, Qt::Key(viewKey++)));
    }
    viewMenu->addSeparator();
    m_toolBar = new QToolBar(this);
    KeepText(m_toolBar->toggleViewAction(), QT_TR_NOOP("&Toolbar"));
    viewMenu->addAction(m_toolBar->toggleViewAction());
    QAction *statusToggle = viewMenu->addAction(QString());
    KeepText(statusToggle, QT_TR_NOOP("&Status Bar"));
    statusToggle->setCheckable(true);
    statusToggle->setChecked(true);
    connect(statusToggle, &QAction::toggled, this, [this](bool on) { statusBar()->setVisible(on); });

    QMenu *helpMenu = menuBar()->addMenu(QString());
    KeepText(helpMenu->menuAction(), QT_TR_NOOP("&Help"));
    AddCommand(helpMenu, QT_TR_NOOP("&Help online"), ID_HELP_ONLINE)->setShortcut(QKeySequence::HelpContents);
    AddCommand(helpMenu, QT_TR_NOOP("&About Orrin for SIEMENS..."), ID_APP_ABOUT);
    RetranslateTexts();

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
    auto addButton = [this](int image, const char *label, int id) {
        QAction *action = m_toolBar->addAction(ToolbarIcon(image), tr(label));
        action->setData(id);
        connect(action, &QAction::triggered, this, [this, action] { RouteCommand(CommandOf(action)); });
        KeepText(action, label);
        return action;
    };
    addButton(kConnectImage, kConnectText, ID_CONNECT);
    for (const ViewEntry &entry : ViewTable())
        addButton(entry.image, entry.toolbarText, entry.commandId)->setCheckable(true);
    addToolBar(Qt::TopToolBarArea, m_toolBar);
}

// The Connect item and button say what their command does now.
void CMainFrame::RetranslateTexts()
{
    m_toolBar->setWindowTitle(tr("Toolbar"));
    for (const auto &[action, text] : m_translatedTexts) {
        const QVariant command = action->data();
        const bool connectItem = command == int(ID_CONNECT) || command == int(ID_DISCONNECT);
        action->setText(connectItem ? ConnectText(command.toInt()) : tr(text));
    }
}

QString CMainFrame::ConnectText(int id)
{
    return tr(id == ID_DISCONNECT ? kDisconnectText : kConnectText);
}

void CMainFrame::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        RetranslateTexts();
    CMessageTarget::changeEvent(event);
}

void CMainFrame::CreateStatusBar()
{
    m_statusText = new QLabel;
    m_statusText->setObjectName(QStringLiteral("statusText"));
    m_statusText->setMinimumWidth(200);
    // No lock-key indicators: Qt has no portable way to ask for the state of
    // Caps, Num or Scroll Lock, and indicators that never change mislead.
    statusBar()->addWidget(m_statusText, 1);
    m_progress = std::make_unique<CStatusProgress>(m_statusText);
    // A child for the frame's lookups only; the frame's member deletes it first.
    m_progress->setParent(this);
    m_progress->setObjectName(QStringLiteral("statusProgress"));
}

QAction *CMainFrame::ConnectButton() const
{
    return m_toolBar->actions().constFirst();
}

bool CMainFrame::RouteCommand(int id)
{
    if (m_pActiveView && m_pActiveView->OnCommand(id))
        return true;
    return OnFrameCommand(id);
}

bool CMainFrame::OnFrameCommand(int id)
{
    if (const std::optional<size_t> entry = ViewEntryOf(id)) {
        SwitchView(*entry);
        return true;
    }
    switch (id) {
    case ID_CONNECT: OnConnect(); return true;
    case ID_DISCONNECT: OnDisconnect(); return true;
    case ID_SETTING: OnSetting(); return true;
    case ID_HELP_ONLINE: QDesktopServices::openUrl(QUrl(QString::fromLatin1(kProductWebPage))); return true;
    case ID_APP_ABOUT: OnAbout(); return true;
    case ID_APP_EXIT: close(); return true;
    default: return false;
    }
}

void CMainFrame::SwitchView(size_t entry)
{
    if (CDataView *view = m_viewPickers[entry](CMobileLink::GetPhoneTypeCode())) {
        auto *stack = static_cast<QStackedWidget *>(centralWidget());
        stack->setCurrentWidget(view);
        view->setFocus();
        m_pActiveView = view;
        m_activeViewShared.Set(view);
    }
    m_selectedView = entry;
    UpdateCommandStates();
}

void CMainFrame::UpdateCommandStates()
{
    auto checkedFor = [this](int id) {
        if (const std::optional<size_t> entry = ViewEntryOf(id))
            return *entry == m_selectedView;
        switch (id) {
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
        ShowWaitWindow(this, tr("Connecting to phone"));
        WriteCommand(kCommandConnect);
        return;
    }
    AskForSettings(tr("Connect setting is not completed.\nDo you want to setup now?"));
}

void CMainFrame::OnDisconnect()
{
    if (g_bBusy.load())
        return;
    m_bConnectedShown = 0;
    m_bDisconnectedShown = 1;
    ShowWaitWindow(this, tr("Disconnecting from phone"));
    WriteCommand(kCommandDisconnect);
}

void CMainFrame::AskForSettings(const QString &question)
{
    if (MessageBox(this, question, tr("Warning"), BoxButtons::YesNo, BoxIcon::Information) == kIdYes)
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

    const ViewEntry &selected = ViewTable()[m_selectedView];
    if (m_pActiveView == m_infoWnd)
        m_infoWnd->update();
    else if (selected.followsPhoneType)
        RouteCommand(selected.commandId);
}

bool CMainFrame::LoadSettings()
{
    return ReadStartSettings() || AskForStartSettings();
}

bool CMainFrame::ReadStartSettings()
{
    g_strWorkDir.Set(EnterWorkFolder());
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
        MessageBox(this, Translated("orrin::CMainFrame", kSettingsNotSavedText).arg(QDir::toNativeSeparators(path)),
                   tr("Warning"), BoxButtons::Ok, BoxIcon::Warning);
}

void CMainFrame::OnLinkResult(int wParam)
{
    HideWaitWindow();
    if (m_settingsDlg.isVisible()) {
        SendMessageTo(&m_settingsDlg, WM_LINK_RESULT, wParam);
        return;
    }
    if (wParam == kLinkNotConnected) {
        MessageBox(this, tr("Mobilephone is not connected. \nPlease Connect first."), tr("Tip"),
                   BoxButtons::Ok, BoxIcon::Information);
        g_bBusy.store(0);
        return;
    }
    const QString question = tr(
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
    QAction *button = ConnectButton();
    button->setIcon(ToolbarIcon(kDisconnectImage));
    button->setData(int(ID_DISCONNECT));
    button->setText(ConnectText(ID_DISCONNECT));
    button->setEnabled(true);
    ChangePhoneMenuItem(ID_CONNECT, ID_DISCONNECT);
    QDir(g_strWorkDir.Get()).mkpath(g_strPhoneType.Get());
}

void CMainFrame::ShowDisconnectedLook()
{
    QAction *button = ConnectButton();
    button->setIcon(ToolbarIcon(kConnectImage));
    button->setData(int(ID_CONNECT));
    button->setText(ConnectText(ID_CONNECT));
    ChangePhoneMenuItem(ID_DISCONNECT, ID_CONNECT);
}

void CMainFrame::ChangePhoneMenuItem(int fromId, int toId)
{
    for (QAction *item : m_phoneMenu->actions()) {
        if (item->data() == fromId) {
            item->setData(toId);
            item->setText(ConnectText(toId));
            return;
        }
    }
}

void CMainFrame::OnOperationFailed()
{
    HideWaitWindow();
    StopProgress();
    MessageBox(this, g_strLastError.Get(), tr("Warning"), BoxButtons::Ok, BoxIcon::Warning);
    m_statusText->setText(tr("Error"));
    SendMessageTo(m_pActiveView, WM_OPERATION_FAILED);
    g_bBusy.store(0);
}

void CMainFrame::OnAbout()
{
    MessageBox(this, tr("Orrin V1.0 \nfor SIEMENS"), tr("About Orrin for SIEMENS"),
               BoxButtons::Ok, BoxIcon::Information);
}

void CMainFrame::OnMessage(int message, int wParam)
{
    if (message == WM_POSTED_COMMAND)
        RouteCommand(wParam);
    else if (message == WM_LINK_RESULT)
        OnLinkResult(wParam);
    else if (message == WM_OPERATION_FAILED)
        OnOperationFailed();
}

void CMainFrame::closeEvent(QCloseEvent *event)
{
    StopWorker();
    event->accept();
}

} // namespace orrin
