// SPDX-License-Identifier: GPL-2.0-or-later
// orrin-backup against the simulated phone of each family: its files must be
// the files the window's synchronise commands leave, and a phone that hangs up
// must give a failing exit with the store's text and keep what was already
// saved.

#include "tests/e2e/SimulatedPhoneFixture.h"
#include "views/addrbook/AddrbookWnd.h"
#include "views/addrbook/S57AddrbookWnd.h"
#include "views/calendar/CalendarWnd.h"
#include "views/ringtone/RingtoneWnd.h"
#include "views/sms/SMSWnd.h"
#include "views/telebook/TelebookWnd.h"

#include <QDirIterator>
#include <QMap>
#include <QRegularExpression>

using namespace orrin;
using namespace orrin::test;

namespace {

using Files = QMap<QString, QByteArray>;

// Every file of the phone-type folder by its name, with its bytes.
Files FilesIn(const QString &folder)
{
    Files files;
    for (QDirIterator it(folder, QDir::Files); it.hasNext();) {
        QFile file(it.next());
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(file.fileName());
        files.insert(it.fileName(), file.readAll());
    }
    return files;
}

struct BackupResult {
    int exitCode = -1;
    QString out;
    QString err;
};

class BackupTest : public SimulatedPhoneFixture, public ::testing::WithParamInterface<const char *> {
protected:
    QString PhoneType() const { return QString::fromLatin1(GetParam()); }
    bool Newer() const { return PhoneType().startsWith(QLatin1String("S55")); }
    QStringList Family() const { return {"--family", Newer() ? "newer" : "older"}; }
    QByteArray Settings() const
    {
        return "[User]\r\nPhone type=" + PhoneType().toLatin1() +
               "\r\nCountry=Austria\r\n[Connection]\r\nConnect device=COM1\r\nBaudrate=115200\r\n";
    }

    // The window's synchronise commands, as the user gives them, view by view.
    Files WindowFiles()
    {
        CBoxRecorder boxes;
        WriteSettings(Settings());
        StartPhone("COM1", Family());
        StartProgram();
        Run(ID_CONNECT);
        EXPECT_EQ(g_bConnected.load(), 1);
        const auto runIn = [this](int view, int command) {
            m_frame->RouteCommand(view);
            Run(command);
        };
        runIn(ID_VIEW_PHONEBOOK, ID_TELEBOOK_SYNC);
        runIn(ID_VIEW_MESSAGE, ID_SMS_SYNC);
        runIn(ID_VIEW_ADDRESSBOOK, Newer() ? int(ID_S57ADDRBOOK_SYNC) : int(ID_ADDRBOOK_SYNC));
        runIn(ID_VIEW_RINGTONE, ID_RINGTONE_READ_PHONE);
        // The calendar view is not in the frame's table: it runs beside it.
        CCalendarWnd calendar;
        EXPECT_TRUE(calendar.OnCommand(ID_CALENDAR_SYNC));
        EXPECT_TRUE(WaitUntil([this] { return Idle(); }, 10000));
        EXPECT_EQ(boxes.Texts(), QStringList());
        return FilesIn(m_dir.filePath(PhoneType()));
    }

    // orrin-backup in a folder of its own, against a phone of its own.
    BackupResult Backup(const QStringList &phoneOptions)
    {
        [&] {
            ASSERT_TRUE(QDir(m_backupDir.path()).mkpath("ports"));
            QFile settings(m_backupDir.filePath("setting.ini"));
            ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
            settings.write(Settings());
            ASSERT_TRUE(m_backupPhone.Start(Family() + phoneOptions +
                                            QStringList{"--link", m_backupDir.filePath("ports/COM1")}));
        }();
        CSpawnedProcess backup;
        EXPECT_TRUE(backup.Start(QStringLiteral(ORRIN_BACKUP_PATH), {}, m_backupDir.path()));
        EXPECT_TRUE(backup.WaitForExit(90000));
        m_backupPhone.Stop();
        return {backup.ExitCode(), QString::fromUtf8(backup.Output()), QString::fromUtf8(backup.ErrorOutput())};
    }
    Files BackupFiles() const { return FilesIn(m_backupDir.filePath(PhoneType())); }

    QTemporaryDir m_backupDir;
    CPhoneSimProcess m_backupPhone;
};

TEST_P(BackupTest, LeavesTheFilesTheWindowsSynchroniseLeaves)
{
    const Files window = WindowFiles();
    const QStringList addressBook{Newer() ? "S57Addrbook.aml" : "Addrbook.aml"};
    for (const QString &name : QStringList{"Telebook.tml", "SMS.sml", "Ringtone1.mid"} + addressBook)
        EXPECT_TRUE(window.contains(name)) << qPrintable(name);

    const BackupResult result = Backup({});
    EXPECT_EQ(result.exitCode, 0) << qPrintable(result.err);
    EXPECT_EQ(BackupFiles().keys(), window.keys());
    EXPECT_TRUE(BackupFiles() == window) << "the files differ in their bytes";
    EXPECT_EQ(result.out.count(QLatin1Char('\n')), 7) << qPrintable(result.out);
}

TEST_P(BackupTest, AHangUpHalfWayFailsWithTheStoresTextAndKeepsWhatWasSaved)
{
    const BackupResult clean = Backup({});
    ASSERT_EQ(clean.exitCode, 0) << qPrintable(clean.err);
    const Files cleanFiles = BackupFiles();
    const int commands = m_backupPhone.TotalCount();
    ASSERT_GT(commands, 10);
    ASSERT_TRUE(QDir(m_backupDir.filePath(PhoneType())).removeRecursively());

    const BackupResult broken = Backup({"--fault", QStringLiteral("hangup-after=%1").arg(commands / 2)});
    EXPECT_EQ(broken.exitCode, 1);
    const QRegularExpression failure(QStringLiteral("^orrin-backup: [A-Za-z ]+ failed: \\S.*$"),
                                     QRegularExpression::MultilineOption);
    EXPECT_TRUE(failure.match(broken.err).hasMatch()) << qPrintable(broken.err);
    // Every step before the fault said what it saved; those files stay as a clean run leaves them.
    ASSERT_FALSE(broken.out.isEmpty());
    for (auto it = cleanFiles.cbegin(); it != cleanFiles.cend(); ++it) {
        if (broken.out.contains(it.key())) {
            EXPECT_EQ(BackupFiles().value(it.key()), it.value()) << qPrintable(it.key());
        }
    }
    EXPECT_LT(BackupFiles().size(), cleanFiles.size()) << "the fault came after the last file";
}

TEST_P(BackupTest, AForeignLocalFileIsNamedOnStandardErrorAndLeftAsItWas)
{
    const QByteArray foreign("not a phone book, but someone's notes");
    ASSERT_TRUE(QDir(m_backupDir.path()).mkpath(PhoneType()));
    QFile file(m_backupDir.filePath(PhoneType() + "/Telebook.tml"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(foreign);
    file.close();

    const BackupResult result = Backup({});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.err.contains("orrin-backup: Phone book failed: Unexceptable telephone book format!"))
        << qPrintable(result.err);
    EXPECT_EQ(BackupFiles().value("Telebook.tml"), foreign);
    EXPECT_TRUE(result.out.contains("Messages: 10 entries")) << "the later steps still run";
}

// The last step reads on past slots the phone does not give, as empty ones;
// a phone that drops the line on its last command must still fail the step.
TEST_P(BackupTest, AHangUpInTheLastStepFailsIt)
{
    ASSERT_EQ(Backup({}).exitCode, 0);
    const int commands = m_backupPhone.TotalCount();
    const BackupResult broken = Backup({"--fault", QStringLiteral("hangup-after=%1").arg(commands - 2)});
    EXPECT_EQ(broken.exitCode, 1);
    EXPECT_TRUE(broken.err.contains("orrin-backup: Ringtones failed: The phone stopped answering"))
        << qPrintable(broken.err);
}

INSTANTIATE_TEST_SUITE_P(BothFamilies, BackupTest, ::testing::Values("S45i(Europe)", "S55(Europe,Latin America)"));

} // namespace
