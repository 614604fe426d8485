// SPDX-License-Identifier: GPL-2.0-or-later
// The shell over the module doubles: first start, connect and disconnect,
// link results, the settings dialog with detection, view switching.
#include "ui/CommandMessage.h"
#include "tests/doubles/DoubleControl.h"
#include "views/info/InfoContent.h"
#include "views/info/InfoWnd.h"
#include "app/Language.h"
#include "app/MainFrame.h"
#include "app/MobileApp.h"
#include "link/MobileLink.h"
#include "ui/HeaderBar.h"
#include "ui/Mnemonics.h"
#include "ui/ProgressBar.h"
#include "ui/ReportList.h"
#include "ui/TaskPane.h"
#include "stores/common/StoreFailure.h"
#include "resources/Resources.h"
#include "views/addrbook/S57AddrbookWnd.h"
#include "app/settings/Settings.h"
#include "views/telebook/TelebookWnd.h"
#include "tests/support/FindControl.h"
#include "tests/support/FrameParts.h"
#include "tests/support/TestSupport.h"
#include "link/WaitText.h"
#include "ui/WaitWnd.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>

#include <condition_variable>
#include <thread>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace orrin;
using namespace orrin::test;

namespace {

// Acts on the settings dialog as soon as it runs modally.
void WhenSettingsShow(std::function<void(CSettingsDlg &)> act)
{
    auto *poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        if (auto *dialog = qobject_cast<CSettingsDlg *>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            act(*dialog);
        }
    });
    poll->start();
}

void Choose(QComboBox *list, const QString &text)
{
    list->setCurrentIndex(list->findText(text));
}

// Shows every event of a widget to a check, before the widget sees it.
class CEventFilter : public QObject {
public:
    CEventFilter(QObject *watched, std::function<void(QEvent *)> seen) : QObject(watched), m_seen(std::move(seen))
    {
        watched->installEventFilter(this);
    }
    bool eventFilter(QObject *, QEvent *event) override
    {
        m_seen(event);
        return false;
    }

private:
    std::function<void(QEvent *)> m_seen;
};

#ifdef Q_OS_UNIX
// Frees whoever opens the FIFO for reading once a few seconds have passed, so
// that a program blocked on it fails the test instead of hanging it.
class CFifoRescue {
public:
    explicit CFifoRescue(const QString &path) : m_path(QFile::encodeName(path)), m_thread([this] { Run(); }) {}
    ~CFifoRescue()
    {
        {
            std::lock_guard lock(m_mutex);
            m_bDone = true;
        }
        m_wake.notify_all();
        m_thread.join();
    }
    bool Rescued() const { return m_bRescued; }

private:
    void Run()
    {
        std::unique_lock lock(m_mutex);
        if (m_wake.wait_for(lock, std::chrono::seconds(5), [this] { return m_bDone; }))
            return;
        m_bRescued = true;
        while (!m_wake.wait_for(lock, std::chrono::milliseconds(10), [this] { return m_bDone; })) {
            if (const int fd = ::open(m_path.constData(), O_WRONLY | O_NONBLOCK); fd >= 0)
                ::close(fd);
        }
    }

    QByteArray m_path;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_bDone = false;
    std::atomic<bool> m_bRescued = false;
    std::thread m_thread;
};
#endif

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        InitResources();
        doubles::Reset();
        ResetSharedState();
        ASSERT_TRUE(m_dir.isValid());
        m_previousDir = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
        g_strWorkDir.Set(m_dir.path());
        frame = std::make_unique<CMainFrame>();
        frame->StartWorker();
    }
    void TearDown() override
    {
        HideWaitWindow();
        frame.reset();
        QDir::setCurrent(m_previousDir);
    }

    void WriteSettings(const QByteArray &bytes)
    {
        QFile file(m_dir.filePath("setting.ini"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QString ButtonText() const { return ToolbarAction(*frame, 0)->text(); }
    QStringList PhoneMenuTexts() const
    {
        QStringList texts;
        for (QAction *action : PhoneMenu(*frame)->actions())
            texts << QString(action->text()).remove(u'&');
        return texts;
    }

    // Connects through the worker and waits for the connected look.
    void Connect()
    {
        WriteSettings("[User]\r\nPhone type=S55(Europe,Latin America)\r\nCountry=Japan\r\n"
                      "[Connection]\r\nConnect device=COM1\r\nBaudrate=115200\r\n");
        ASSERT_TRUE(frame->LoadSettings());
        frame->RouteCommand(ID_CONNECT);
        ASSERT_TRUE(WaitUntil([&] { return ButtonText() == "&Disconnect"; }));
    }

    QTemporaryDir m_dir;
    QString m_previousDir;
    std::unique_ptr<CMainFrame> frame;
};

TEST_F(ShellTest, FrameStartsWithTitleMenusAndToolbar)
{
    EXPECT_EQ(frame->windowTitle(), "Orrin for SIEMENS");
    EXPECT_EQ(PhoneMenuTexts(), QStringList({"Connect", "Setting", "", "Exit"}));
    QStringList labels;
    for (QAction *action : FrameToolBar(*frame)->actions())
        labels << action->text();
    EXPECT_EQ(labels, QStringList({"&Connect", "Information", "Message", "Phonebook", "Addressbook", "Picture",
                                   "Ringtone"}));
    EXPECT_EQ(ActiveView(*frame), FrameView<CInfoWnd>(*frame));
    EXPECT_TRUE(ToolbarAction(*frame, 1)->isChecked());
    const QImage image = ToolbarAction(*frame, 3)->icon().pixmap(30, 25).toImage();
    EXPECT_NE(image.pixelColor(15, 12).alpha(), 0) << "toolbar pictures are compiled in";
}

// Installs a translation for the test and takes it away again.
struct LanguageForTest {
    explicit LanguageForTest(QLocale::Language language) : installed(Use(language)) {}
    ~LanguageForTest() { Use(QLocale::English); }
    static bool Use(QLocale::Language language)
    {
        const bool found = UseLanguage(QLocale(language));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        return found;
    }
    const bool installed;
};

// The frame's menus, a view's texts and a store's message follow the
// translation installed, and go back to English with it.
TEST_F(ShellTest, TextsSwitchToGermanAndBack)
{
    const auto shown = [this] {
        CBoxRecorder boxes;
        AcceptedByLocalFile(LocalFileResult::CannotOpen, QString());
        const CTaskGroup *group = FrameView<CInfoWnd>(*frame)->findChild<CTaskPane *>()->Group(0);
        return QStringList{PhoneMenu(*frame)->title(), PhoneMenuTexts()[0],
                           FrameView<CInfoWnd>(*frame)->findChild<CHeaderBar *>()->Title(),
                           TaskPaneText(group->links[0].text),
                           FrameView<CTelebookWnd>(*frame)->findChild<CReportList *>()->horizontalHeaderItem(1)->text(),
                           boxes.Texts().value(0)};
    };
    const QStringList english = shown();
    EXPECT_EQ(english, QStringList({"&Phone", "Connect", "Information", "Phone infomation", "Phone number",
                                    "Fatel error: Cannot access telephone file!"}));
    {
        const LanguageForTest german(QLocale::German);
        ASSERT_TRUE(german.installed);
        EXPECT_EQ(shown(), QStringList({"&Telefon", "Verbinden", "Informationen", "Telefoninformationen",
                                        "Telefonnummer", "Schwerer Fehler: Auf die Telefonbuchdatei kann nicht zugegriffen werden!"}));
    }
    EXPECT_EQ(shown(), english);
}

// Every item of the menu bar and of each menu has a mnemonic of its own, in
// English and in German.
TEST_F(ShellTest, EveryMenuItemHasAMnemonicOfItsOwn)
{
    const auto expectOwnMnemonics = [this](const char *language) {
        QList<QList<QAction *>> menus{frame->menuBar()->actions()};
        for (QAction *top : frame->menuBar()->actions())
            menus << top->menu()->actions();
        for (const QList<QAction *> &items : menus) {
            const QString letters = MnemonicsOf(items);
            EXPECT_FALSE(letters.contains(u' ')) << language << ": " << qPrintable(letters);
            EXPECT_EQ(QSet<QChar>(letters.begin(), letters.end()).size(), letters.size())
                << language << ": " << qPrintable(letters);
        }
    };
    expectOwnMnemonics("English");
    const LanguageForTest german(QLocale::German);
    ASSERT_TRUE(german.installed);
    expectOwnMnemonics("German");
}

TEST_F(ShellTest, FirstPaintOfTheInformationViewLoadsTheSettings)
{
    WriteSettings("[User]\r\nPhone type=SL45i(Europe,Latin America)\r\nCountry=Japan\r\n"
                  "[Connection]\r\nConnect device=COM5\r\nBaudrate=19200\r\n");
    // The content's phone picture depends on the type: it must be known then.
    QString typeAtContentPaint = "not painted";
    auto *filter = new CEventFilter(FrameView<CInfoWnd>(*frame)->findChild<CInfoContent *>(), [&](QEvent *event) {
        if (event->type() == QEvent::Paint && typeAtContentPaint == "not painted")
            typeAtContentPaint = g_strPhoneType.Get();
    });
    frame->resize(900, 640);
    frame->show();
    ASSERT_TRUE(WaitUntil([] { return g_nBaudRate.load() == 19200; }));
    EXPECT_EQ(g_strPhoneType.Get(), "SL45i(Europe,Latin America)");
    EXPECT_EQ(typeAtContentPaint, "SL45i(Europe,Latin America)");
    EXPECT_EQ(g_strPortName.Get(), "COM5");
    EXPECT_EQ(g_strWorkDir.Get(), QDir::currentPath());
    delete filter;
}

TEST_F(ShellTest, FirstStartCancelEndsAndWritesNothing)
{
    WhenSettingsShow([](CSettingsDlg &dialog) { PartOf<QPushButton>(dialog, "cancelButton")->click(); });
    EXPECT_FALSE(frame->LoadSettings());
    EXPECT_FALSE(QFile::exists(m_dir.filePath("setting.ini")));
}

TEST_F(ShellTest, FirstStartOkWritesUserAndConnection)
{
    WhenSettingsShow([](CSettingsDlg &dialog) {
        Choose(PartOf<QComboBox>(dialog, "phoneTypeList"), "S45i(Europe)");
        Choose(PartOf<QComboBox>(dialog, "countryList"), "Austria");
        Choose(PartOf<QComboBox>(dialog, "deviceList"), "COM2");
        Choose(PartOf<QComboBox>(dialog, "baudRateList"), "57600");
        PartOf<QPushButton>(dialog, "okButton")->click();
    });
    ASSERT_TRUE(frame->LoadSettings());
    QString type, country, device, baud;
    ASSERT_EQ(ReadUserSettings(SettingsPath(), &type, &country), 1);
    ASSERT_EQ(ReadConnectionSettings(SettingsPath(), &device, &baud), 1);
    EXPECT_EQ(type, "S45i(Europe)");
    EXPECT_EQ(country, "Austria");
    EXPECT_EQ(device, "COM2");
    EXPECT_EQ(g_strPortName.Get(), "COM2");
    EXPECT_EQ(g_nBaudRate.load(), 57600);
}

TEST_F(ShellTest, FirstStartWithoutConnectionWritesOnlyUser)
{
    WriteSettings("[User]\r\nPhone type=S45i(Europe)\r\nCountry=\r\n");
    WhenSettingsShow([](CSettingsDlg &dialog) {
        EXPECT_EQ(PartOf<QComboBox>(dialog, "phoneTypeList")->currentIndex(), -1)
            << "an incomplete user section shows nothing";
        Choose(PartOf<QComboBox>(dialog, "phoneTypeList"), "S57(Asia)");
        Choose(PartOf<QComboBox>(dialog, "countryList"), "Japan");
        PartOf<QComboBox>(dialog, "deviceList")->setCurrentIndex(-1);
        PartOf<QPushButton>(dialog, "okButton")->click();
    });
    ASSERT_TRUE(frame->LoadSettings());
    QString device, baud;
    EXPECT_EQ(ReadConnectionSettings(SettingsPath(), &device, &baud), 0);
    EXPECT_EQ(g_strPhoneType.Get(), "S57(Asia)");
}

TEST_F(ShellTest, FailedSettingsWriteIsShown)
{
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("setting.ini"));
    CBoxRecorder boxes;
    WhenSettingsShow([](CSettingsDlg &dialog) {
        Choose(PartOf<QComboBox>(dialog, "phoneTypeList"), "S46(North America)");
        Choose(PartOf<QComboBox>(dialog, "countryList"), "Canada");
        PartOf<QPushButton>(dialog, "okButton")->click();
    });
    frame->RouteCommand(ID_SETTING);
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].text, kSettingsNotSavedText.arg(QDir::toNativeSeparators(SettingsPath())));
    EXPECT_EQ(boxes.Boxes()[0].caption, "Warning");
    EXPECT_EQ(g_strPhoneType.Get(), "S46(North America)") << "the values serve until the program ends";
}

#ifdef Q_OS_UNIX
TEST_F(ShellTest, SettingsFifoReadsAsMissingAndIsNeverWritten)
{
    const QString path = m_dir.filePath("setting.ini");
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    CBoxRecorder boxes;
    WhenSettingsShow([](CSettingsDlg &dialog) {
        Choose(PartOf<QComboBox>(dialog, "phoneTypeList"), "S45i(Europe)");
        Choose(PartOf<QComboBox>(dialog, "countryList"), "Austria");
        PartOf<QPushButton>(dialog, "okButton")->click();
    });
    {
        const CFifoRescue rescue(path);
        ASSERT_TRUE(frame->LoadSettings());
        EXPECT_FALSE(rescue.Rescued()) << "the start-up read blocked on the FIFO";
    }
    EXPECT_EQ(boxes.Texts(), QStringList{kSettingsNotSavedText.arg(QDir::toNativeSeparators(path))});
    struct stat status {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode)) << "the FIFO was replaced";
    EXPECT_EQ(g_strPhoneType.Get(), "S45i(Europe)");
}
#endif

TEST(SettingsDialogTest, CountriesSortWithoutRegardToCase)
{
    CSettingsDlg dialog;
    QStringList names;
    for (int i = 0; i < PartOf<QComboBox>(dialog, "countryList")->count(); ++i)
        names << PartOf<QComboBox>(dialog, "countryList")->itemText(i);
    ASSERT_EQ(names.size(), 164);
    for (int i = 1; i < names.size(); ++i)
        EXPECT_LE(names[i - 1].compare(names[i], Qt::CaseInsensitive), 0) << names[i - 1].toStdString();
    EXPECT_EQ(names.indexOf("icaragua"), names.indexOf("Iceland") - 1);
}

TEST_F(ShellTest, OkWithoutUserInformationIsRefused)
{
    CBoxRecorder boxes;
    WhenSettingsShow([](CSettingsDlg &dialog) {
        PartOf<QPushButton>(dialog, "okButton")->click(); // nothing chosen: refused, stays open
        EXPECT_TRUE(dialog.isVisible());
        PartOf<QPushButton>(dialog, "cancelButton")->click();
    });
    EXPECT_FALSE(frame->LoadSettings());
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].text, "User information cannot be blank.");
    EXPECT_EQ(boxes.Boxes()[0].caption, "Tip");
}

TEST_F(ShellTest, DialogShowsTheStoredValues)
{
    WriteSettings("[User]\r\nPhone type=6688i(Asia)\r\nCountry=Austria\r\n"
                  "[Connection]\r\nConnect device=COM4\r\nBaudrate=57600\r\n");
    WhenSettingsShow([](CSettingsDlg &dialog) {
        EXPECT_EQ(PartOf<QComboBox>(dialog, "phoneTypeList")->currentText(), "6688i(Asia)");
        EXPECT_EQ(PartOf<QComboBox>(dialog, "countryList")->currentText(), "Austria");
        EXPECT_EQ(PartOf<QComboBox>(dialog, "deviceList")->currentText(), "COM4");
        EXPECT_EQ(PartOf<QComboBox>(dialog, "baudRateList")->currentText(), "57600");
        EXPECT_EQ(PartOf<QComboBox>(dialog, "countryList")->count(), 164);
        PartOf<QPushButton>(dialog, "cancelButton")->click();
    });
    frame->RouteCommand(ID_SETTING);
}

TEST_F(ShellTest, ConnectWithIncompleteSettingsOffersTheDialog)
{
    WriteSettings("[Connection]\r\nConnect device=COM1\r\nBaudrate=\r\n");
    CBoxRecorder boxes(kIdYes);
    bool dialogShown = false;
    WhenSettingsShow([&](CSettingsDlg &dialog) {
        dialogShown = true;
        PartOf<QPushButton>(dialog, "cancelButton")->click();
    });
    frame->RouteCommand(ID_CONNECT);
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].text, "Connect setting is not completed.\nDo you want to setup now?");
    EXPECT_EQ(boxes.Boxes()[0].caption, "Warning");
    EXPECT_EQ(boxes.Boxes()[0].buttons, BoxButtons::YesNo);
    EXPECT_TRUE(dialogShown);
    EXPECT_EQ(g_nCommand.load(), 0);
}

TEST_F(ShellTest, ConnectAndDisconnectTurnButtonAndMenu)
{
    WriteSettings("[User]\r\nPhone type=S55(Europe,Latin America)\r\nCountry=Japan\r\n"
                  "[Connection]\r\nConnect device=COM1\r\nBaudrate=115200\r\n");
    ASSERT_TRUE(frame->LoadSettings());
    frame->RouteCommand(ID_CONNECT);
    ASSERT_NE(TheWaitWindow(), nullptr);
    EXPECT_EQ(TheWaitWindow()->Text(), "Connecting to phone");
    ASSERT_TRUE(WaitUntil([&] { return ButtonText() == "&Disconnect"; }));
    EXPECT_EQ(TheWaitWindow(), nullptr);
    EXPECT_EQ(ToolbarAction(*frame, 0)->data().toInt(), int(ID_DISCONNECT));
    EXPECT_EQ(ToolbarAction(*frame, 0)->icon().pixmap(30, 25).toImage().convertToFormat(QImage::Format_ARGB32),
              QImage(":/images/toolbar-7.png").convertToFormat(QImage::Format_ARGB32))
        << "the disconnect button shows image 7";
    EXPECT_EQ(PhoneMenuTexts()[0], "Disconnect");
    EXPECT_TRUE(QDir(m_dir.filePath("S55(Europe,Latin America)")).exists());
    EXPECT_EQ(doubles::CallsOf("OpenComms"), QStringList{"OpenComms(COM1,115200)"});

    frame->RouteCommand(ID_DISCONNECT);
    EXPECT_EQ(TheWaitWindow()->Text(), "Disconnecting from phone");
    ASSERT_TRUE(WaitUntil([&] { return ButtonText() == "&Connect"; }));
    EXPECT_EQ(ToolbarAction(*frame, 0)->data().toInt(), int(ID_CONNECT));
    EXPECT_EQ(PhoneMenuTexts()[0], "Connect");
    EXPECT_EQ(g_bConnected.load(), 0);
}

TEST_F(ShellTest, OpenFailureAsksAndShowsTheDisconnectedLook)
{
    CBoxRecorder boxes(kIdNo);
    doubles::Queue("OpenComms", doubles::Result(0));
    WriteSettings("[User]\r\nPhone type=S45i(Europe)\r\nCountry=Japan\r\n"
                  "[Connection]\r\nConnect device=COM3\r\nBaudrate=9600\r\n");
    ASSERT_TRUE(frame->LoadSettings());
    frame->RouteCommand(ID_CONNECT);
    ASSERT_TRUE(WaitUntil([&] { return boxes.Boxes().size() == 1; }));
    EXPECT_EQ(boxes.Boxes()[0].text,
              "No valid phone device is connected.\nOr COM/infrared port is not correctly set,\nDo you want to setup now?");
    EXPECT_EQ(ButtonText(), "&Connect");
    EXPECT_EQ(g_strLastError.Get(), "Cannot open COM3");
}

TEST_F(ShellTest, FailedDisconnectAsksAndKeepsTheConnectedLook)
{
    Connect();
    CBoxRecorder boxes(kIdNo);
    doubles::Queue("CloseComms", doubles::Result(0));
    frame->RouteCommand(ID_DISCONNECT);
    ASSERT_TRUE(WaitUntil([&] { return boxes.Boxes().size() == 1; }));
    EXPECT_EQ(ButtonText(), "&Disconnect");
    EXPECT_EQ(PhoneMenuTexts()[0], "Disconnect");
}

TEST_F(ShellTest, NotConnectedResultShowsTheTipAndClearsBusy)
{
    CBoxRecorder boxes;
    g_bBusy.store(1);
    PostMessageTo(frame.get(), WM_LINK_RESULT, kLinkNotConnected);
    ASSERT_TRUE(WaitUntil([&] { return boxes.Boxes().size() == 1; }));
    EXPECT_EQ(boxes.Boxes()[0].text, "Mobilephone is not connected. \nPlease Connect first.");
    EXPECT_EQ(boxes.Boxes()[0].caption, "Tip");
    EXPECT_EQ(g_bBusy.load(), 0);
}

TEST_F(ShellTest, LinkResultWhileTheDialogIsOpenGoesOnlyToTheDialog)
{
    CBoxRecorder boxes;
    g_strPortName.Set("COM9");
    g_nBaudRate.store(38400);
    WhenSettingsShow([&](CSettingsDlg &dialog) {
        SendMessageTo(frame.get(), WM_LINK_RESULT, kLinkOk);
        SendMessageTo(frame.get(), WM_LINK_RESULT, kLinkOpenFailed);
        EXPECT_EQ(PartOf<QComboBox>(dialog, "deviceList")->currentText(), "COM9");
        EXPECT_EQ(PartOf<QComboBox>(dialog, "baudRateList")->currentText(), "38400");
        PartOf<QPushButton>(dialog, "cancelButton")->click();
    });
    frame->RouteCommand(ID_SETTING);
    EXPECT_TRUE(boxes.Boxes().isEmpty());
    EXPECT_EQ(ButtonText(), "&Connect");
}

TEST_F(ShellTest, AutodetectFindsThePortAndLocksTheDialogMeanwhile)
{
    doubles::Reply found;
    found.texts = {"COM7"};
    found.numbers = {19200};
    doubles::Queue("MonitorPhone", found);
    WhenSettingsShow([&](CSettingsDlg &dialog) {
        PartOf<QPushButton>(dialog, "autodetectButton")->click();
        EXPECT_FALSE(PartOf<QPushButton>(dialog, "okButton")->isEnabled());
        EXPECT_FALSE(PartOf<QPushButton>(dialog, "cancelButton")->isEnabled());
        EXPECT_FALSE(PartOf<QPushButton>(dialog, "autodetectButton")->isEnabled());
        EXPECT_FALSE(PartOf<QComboBox>(dialog, "deviceList")->isEnabled());
        EXPECT_FALSE(PartOf<QComboBox>(dialog, "baudRateList")->isEnabled());
        dialog.reject(); // refused while detecting
        EXPECT_TRUE(dialog.isVisible());
        ASSERT_NE(TheWaitWindow(), nullptr);
        EXPECT_EQ(TheWaitWindow()->Text(), "Detecting connection port");
        ASSERT_TRUE(WaitUntil([&] { return PartOf<QPushButton>(dialog, "okButton")->isEnabled(); }));
        EXPECT_EQ(PartOf<QComboBox>(dialog, "deviceList")->currentText(), "COM7");
        EXPECT_EQ(PartOf<QComboBox>(dialog, "baudRateList")->currentText(), "19200");
        PartOf<QPushButton>(dialog, "cancelButton")->click();
    });
    frame->RouteCommand(ID_SETTING);
    EXPECT_EQ(TheWaitWindow(), nullptr);
}

TEST_F(ShellTest, FailedAutodetectKeepsTheValues)
{
    CBoxRecorder boxes;
    doubles::Queue("MonitorPhone", doubles::Result(0));
    WriteSettings("[Connection]\r\nConnect device=COM2\r\nBaudrate=9600\r\n");
    WhenSettingsShow([&](CSettingsDlg &dialog) {
        PartOf<QPushButton>(dialog, "autodetectButton")->click();
        ASSERT_TRUE(WaitUntil([&] { return boxes.Boxes().size() == 1; }));
        EXPECT_EQ(boxes.Boxes()[0].text,
                  "COM or Infrared port is not found. \nPlease verify you have connected a phone device.");
        EXPECT_EQ(PartOf<QComboBox>(dialog, "deviceList")->currentText(), "COM2");
        EXPECT_TRUE(PartOf<QPushButton>(dialog, "okButton")->isEnabled());
        PartOf<QPushButton>(dialog, "cancelButton")->click();
    });
    frame->RouteCommand(ID_SETTING);
}

TEST_F(ShellTest, AutodetectWhileConnectedIsRefused)
{
    CBoxRecorder boxes;
    g_bConnected.store(1);
    WhenSettingsShow([&](CSettingsDlg &dialog) {
        PartOf<QPushButton>(dialog, "autodetectButton")->click();
        EXPECT_TRUE(PartOf<QPushButton>(dialog, "okButton")->isEnabled());
        PartOf<QPushButton>(dialog, "cancelButton")->click();
    });
    frame->RouteCommand(ID_SETTING);
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].text, "Please disconnect first before auto-detect.");
    EXPECT_EQ(boxes.Boxes()[0].caption, "Orrin for SIEMENS");
    EXPECT_TRUE(doubles::CallsOf("MonitorPhone").isEmpty());
}

TEST_F(ShellTest, PostedCommandIsRoutedLikeAMenuCommand)
{
    PostCommand(ID_VIEW_PHONEBOOK, frame.get());
    ASSERT_TRUE(WaitUntil([&] { return ActiveView(*frame) == FrameView<CTelebookWnd>(*frame); }));
    EXPECT_TRUE(ToolbarAction(*frame, 3)->isChecked());
}

TEST_F(ShellTest, AddressBookViewFollowsThePhoneFamily)
{
    g_strPhoneType.Set("S57(Asia)");
    frame->RouteCommand(ID_VIEW_ADDRESSBOOK);
    EXPECT_NE(qobject_cast<CS57AddrbookWnd *>(ActiveView(*frame)), nullptr);
    EXPECT_TRUE(ToolbarAction(*frame, 4)->isChecked());
    EXPECT_FALSE(ToolbarAction(*frame, 1)->isChecked());
}

TEST_F(ShellTest, ChangingThePhoneTypeChangesThePhoneBookMenuAtOnce)
{
    g_strPhoneType.Set("S45i(Europe)");
    frame->RouteCommand(ID_VIEW_PHONEBOOK);
    EXPECT_EQ(TaskLinks(*FrameView<CTelebookWnd>(*frame), 0),
              QStringList({"Read from phone=32789", "Read from SIM card=32790", "Read from local=32791"}));
    WhenSettingsShow([](CSettingsDlg &dialog) {
        Choose(PartOf<QComboBox>(dialog, "phoneTypeList"), "S56(North America)");
        Choose(PartOf<QComboBox>(dialog, "countryList"), "Canada");
        PartOf<QPushButton>(dialog, "okButton")->click();
    });
    frame->RouteCommand(ID_SETTING);
    EXPECT_EQ(TaskLinks(*FrameView<CTelebookWnd>(*frame), 0),
              QStringList({"Read from SIM card=32790", "Read from local=32791"}));
    EXPECT_EQ(g_strPhoneType.Get(), "S56(North America)");
}

TEST_F(ShellTest, OperationFailureShowsTheReasonAndForwardsIt)
{
    CBoxRecorder boxes;
    g_bBusy.store(1);
    g_strLastError.Set("Storage is full");
    StatusProgress(*frame).Start();
    PostMessageTo(frame.get(), WM_OPERATION_FAILED);
    ASSERT_TRUE(WaitUntil([&] { return boxes.Boxes().size() == 1; }));
    EXPECT_EQ(boxes.Boxes()[0].text, "Storage is full");
    EXPECT_EQ(boxes.Boxes()[0].caption, "Warning");
    EXPECT_EQ(StatusText(*frame)->text(), "Error");
    EXPECT_EQ(StatusProgress(*frame).Bar(), nullptr);
    EXPECT_EQ(g_bBusy.load(), 0);
}

TEST_F(ShellTest, ProgressFollowsUpwardOnlyAndRestartsFromZero)
{
    CStatusProgress &progress = StatusProgress(*frame);
    progress.Start();
    ASSERT_NE(progress.Bar(), nullptr);
    EXPECT_EQ(StatusText(*frame)->text(), "Progress");
    g_nProgress.store(30);
    progress.Step();
    EXPECT_EQ(progress.Bar()->value(), 30);
    g_nProgress.store(10); // a new phase starts lower
    progress.Step();
    EXPECT_EQ(progress.Bar()->value(), 30);
    g_nProgress.store(25);
    progress.Step();
    EXPECT_EQ(progress.Bar()->value(), 45);

    progress.Start();
    EXPECT_EQ(progress.Bar()->value(), 0);
    progress.Stop();
    EXPECT_EQ(progress.Bar(), nullptr);
    EXPECT_EQ(g_nProgress.load(), 0);
    EXPECT_EQ(StatusText(*frame)->text(), "");
}

TEST_F(ShellTest, WaitWindowKeepsItsFirstTextAndAnimatesTheDots)
{
    ShowWaitWindow(frame.get(), "Reading phone book");
    ShowWaitWindow(frame.get(), "Saving phone book");
    ASSERT_NE(TheWaitWindow(), nullptr);
    EXPECT_EQ(TheWaitWindow()->Text(), "Reading phone book");
    EXPECT_EQ(TheWaitWindow()->size(), QSize(300, 96));
    ASSERT_TRUE(WaitUntil([] { return TheWaitWindow()->Dots() == "......"; }, 5000));
    ASSERT_TRUE(WaitUntil([] { return TheWaitWindow()->Dots().isEmpty(); }, 1000));
    SetWaitText("Saving phone book");
    EXPECT_EQ(TheWaitWindow()->Text(), "Saving phone book");
    HideWaitWindow();
    EXPECT_EQ(TheWaitWindow(), nullptr);
}

TEST_F(ShellTest, WaitTextFromTheWorkerArrivesOnTheInterfaceThread)
{
    ShowWaitWindow(frame.get(), "Reading phone book");
    std::thread worker([] { SetWaitText("Saving phone book"); });
    worker.join();
    EXPECT_TRUE(WaitUntil([] { return TheWaitWindow()->Text() == "Saving phone book"; }));
}

TEST(StartupTest, EmbeddingOrAutomationSwitchesTheWaitWindowOff)
{
    EXPECT_TRUE(CMobileApp::WantsWaitWindow({"orrin"}));
    EXPECT_TRUE(CMobileApp::WantsWaitWindow({"orrin", "file.txt"}));
    EXPECT_FALSE(CMobileApp::WantsWaitWindow({"orrin", "/Embedding"}));
    EXPECT_FALSE(CMobileApp::WantsWaitWindow({"orrin", "-Automation"}));
}

} // namespace

namespace {

// The main window as a user first sees it; saved for the docs when
// ORRIN_SCREENSHOT_DIR names a folder.
TEST_F(ShellTest, MainWindowRendersOffscreen)
{
    WriteSettings("[User]\r\nPhone type=S55(Europe,Latin America)\r\nCountry=Japan\r\n");
    frame->resize(900, 640);
    frame->show();
    ASSERT_TRUE(WaitUntil([] { return !g_strPhoneType.Get().isEmpty(); }));
    const QImage shot = frame->grab().toImage();
    ASSERT_EQ(shot.size(), QSize(900, 640));
    const QRect button = FrameToolBar(*frame)->actionGeometry(ToolbarAction(*frame, 0));
    EXPECT_GT(button.width(), 0);
    if (const QByteArray folder = qgetenv("ORRIN_SCREENSHOT_DIR"); !folder.isEmpty()) {
        EXPECT_TRUE(shot.save(QDir(QString::fromLocal8Bit(folder)).filePath("main-window.png")));
    }
}

} // namespace
