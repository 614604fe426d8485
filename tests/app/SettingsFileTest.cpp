// SPDX-License-Identifier: GPL-2.0-or-later
// setting.ini: the profile reader and writer and the four settings calls.
#include "app/settings/ProfileFile.h"
#include "app/settings/Settings.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#if defined(Q_OS_UNIX)
#include <unistd.h>
#endif

using namespace orrin;

namespace {

class SettingsFileTest : public ::testing::Test {
protected:
    QString Path() const { return m_dir.filePath("setting.ini"); }
    void Write(const QByteArray &bytes)
    {
        QFile file(Path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray Bytes() const
    {
        QFile file(Path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir m_dir;
};

TEST_F(SettingsFileTest, WritesSectionsInTheFormatOfThePlatformCalls)
{
    WriteUserSettings(Path(), "S55(Europe,Latin America)", "Austria");
    WriteConnectionSettings(Path(), "COM1", "115200");
    EXPECT_EQ(Bytes(), QByteArray("[User]\r\nPhone type=S55(Europe,Latin America)\r\nCountry=Austria\r\n"
                                  "[Connection]\r\nConnect device=COM1\r\nBaudrate=115200\r\n"));
}

TEST_F(SettingsFileTest, RewritingAKeyKeepsEveryOtherLine)
{
    Write("; written by hand\r\n[user]\r\nPHONE TYPE = ME45(Europe)\r\ncountry=Japan\r\nextra=kept\r\n\r\n"
          "[Other]\r\nx=1\r\n");
    WriteUserSettings(Path(), "S46(North America)", "Canada");
    EXPECT_EQ(Bytes(), QByteArray("; written by hand\r\n[user]\r\nPhone type=S46(North America)\r\nCountry=Canada\r\n"
                                  "extra=kept\r\n\r\n[Other]\r\nx=1\r\n"));
}

TEST_F(SettingsFileTest, NewKeyGoesIntoItsExistingSection)
{
    Write("[Connection]\nConnect device=COM2\n\n[User]\nCountry=Japan\n");
    WriteConnectionSettings(Path(), "COM2", "9600");
    QString device, baud;
    ASSERT_EQ(ReadConnectionSettings(Path(), &device, &baud), 1);
    EXPECT_EQ(baud, "9600");
    EXPECT_TRUE(Bytes().startsWith("[Connection]\r\nConnect device=COM2\r\nBaudrate=9600\r\n\r\n[User]"));
}

TEST_F(SettingsFileTest, ReadsAreCutToTheBuffer)
{
    Write("[S]\r\nk=\"quoted value\"\r\nlong=ABCDEFGHIJKLMNOP\r\nutf=\xc3\xa9\xc3\xa9\xc3\xa9\r\n");
    const CProfileFile file(Path());
    EXPECT_EQ(file.ReadString("s", "K", "ERROR", 256), "quoted value");
    EXPECT_EQ(file.ReadString("S", "long", "ERROR", 10), "ABCDEFGHI");
    EXPECT_EQ(file.ReadString("S", "utf", "ERROR", 6), QString::fromUtf8("\xc3\xa9\xc3\xa9")); // no half letter
    EXPECT_EQ(file.ReadString("S", "missing", "ERROR", 256), "ERROR");
    EXPECT_EQ(file.ReadString("Nope", "k", "ERROR", 256), "ERROR");
    EXPECT_EQ(CProfileFile(m_dir.filePath("absent.ini")).ReadString("S", "k", "ERROR", 256), "ERROR");
}

TEST_F(SettingsFileTest, UserSettingsNeedBothValuesPresentAndNonEmpty)
{
    QString type = "unchanged", country = "unchanged";
    EXPECT_EQ(ReadUserSettings(Path(), &type, &country), 0); // no file

    Write("[User]\r\nPhone type=S45i(Europe)\r\nCountry=\r\n");
    EXPECT_EQ(ReadUserSettings(Path(), &type, &country), 0);
    Write("[User]\r\nPhone type=ERROR\r\nCountry=Japan\r\n");
    EXPECT_EQ(ReadUserSettings(Path(), &type, &country), 0);
    EXPECT_EQ(type, "unchanged");
    EXPECT_EQ(country, "unchanged");

    Write("[User]\r\nPhone type=S45i(Europe)\r\nCountry=Japan\r\n");
    EXPECT_EQ(ReadUserSettings(Path(), &type, &country), 1);
    EXPECT_EQ(type, "S45i(Europe)");
    EXPECT_EQ(country, "Japan");
}

TEST_F(SettingsFileTest, OnlyTheTypesOfTheListNameAPhoneType)
{
    QString type = "unchanged", country = "unchanged";
    for (const QByteArray &refused : {QByteArray("../x"), QByteArray("s55(europe,latin america)"), QByteArray("S55")}) {
        Write("[User]\r\nPhone type=" + refused + "\r\nCountry=Japan\r\n");
        EXPECT_EQ(ReadUserSettings(Path(), &type, &country), 0) << refused.constData();
    }
    EXPECT_EQ(type, "unchanged");
    for (const QString &listed : kPhoneTypes) {
        Write("[User]\r\nPhone type=" + listed.toUtf8() + "\r\nCountry=Japan\r\n");
        EXPECT_EQ(ReadUserSettings(Path(), &type, &country), 1) << listed.toStdString();
    }
}

TEST_F(SettingsFileTest, AFolderInPlaceOfTheFileReadsAsMissingAndRefusesWrites)
{
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("setting.ini"));
    QString device = "unchanged", baud = "unchanged";
    EXPECT_EQ(ReadConnectionSettings(Path(), &device, &baud), 0);
    EXPECT_FALSE(WriteConnectionSettings(Path(), "COM1", "115200"));
    EXPECT_FALSE(WriteUserSettings(Path(), "S46(North America)", "Canada"));
    EXPECT_TRUE(QFileInfo(Path()).isDir());
    EXPECT_TRUE(WriteUserSettings(m_dir.filePath("other.ini"), "S46(North America)", "Canada"));
}

TEST_F(SettingsFileTest, ConnectionSettingsAcceptEmptyValuesButNotMissingOnes)
{
    QString device = "unchanged", baud = "unchanged";
    Write("[Connection]\r\nConnect device=COM3\r\n");
    EXPECT_EQ(ReadConnectionSettings(Path(), &device, &baud), 0);
    EXPECT_EQ(device, "unchanged");

    Write("[Connection]\r\nConnect device=COM3\r\nBaudrate=\r\n");
    EXPECT_EQ(ReadConnectionSettings(Path(), &device, &baud), 1);
    EXPECT_EQ(device, "COM3");
    EXPECT_EQ(baud, "");

    Write("[Connection]\r\nConnect device=COM1234567\r\nBaudrate=115200\r\n");
    EXPECT_EQ(ReadConnectionSettings(Path(), &device, &baud), 1);
    EXPECT_EQ(device, "COM123456");
}

// An installed program starts in a folder that belongs to root: its settings
// and backups go to the user's data folder instead.
class WorkFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QStandardPaths::setTestModeEnabled(true);
        m_dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QDir(m_dataFolder).removeRecursively();
    }
    void TearDown() override
    {
        QDir::setCurrent(m_previous);
        QDir(m_dataFolder).removeRecursively();
        QStandardPaths::setTestModeEnabled(false);
    }

    QString m_previous = QDir::currentPath();
    QString m_dataFolder;
    QTemporaryDir m_start;
};

TEST_F(WorkFolderTest, AWritableStartFolderKeepsTheSettingsBesideIt)
{
    EXPECT_EQ(WorkFolderFor(m_start.path(), true), m_start.path());
    EXPECT_FALSE(QFileInfo::exists(m_dataFolder));
    ASSERT_TRUE(QDir::setCurrent(m_start.path()));
    EXPECT_EQ(EnterWorkFolder(), QDir::currentPath());
}

TEST_F(WorkFolderTest, AReadOnlyStartFolderMovesToTheCreatedDataFolder)
{
    EXPECT_EQ(WorkFolderFor(m_start.path(), false), m_dataFolder);
    EXPECT_TRUE(QFileInfo(m_dataFolder).isDir());
}

#if defined(Q_OS_UNIX)
TEST_F(WorkFolderTest, EnteringFromAReadOnlyFolderMakesTheDataFolderCurrent)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "the superuser writes in any folder";
    ASSERT_TRUE(QFile::setPermissions(m_start.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    ASSERT_TRUE(QDir::setCurrent(m_start.path()));
    EXPECT_EQ(EnterWorkFolder(), m_dataFolder);
    EXPECT_EQ(QDir::currentPath(), QDir(m_dataFolder).canonicalPath());
    QFile::setPermissions(m_start.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}
#endif

TEST(BaudRateTest, LeadingDigitsGiveTheRate)
{
    EXPECT_EQ(BaudRateOf("115200"), 115200);
    EXPECT_EQ(BaudRateOf("115x"), 115);
    EXPECT_EQ(BaudRateOf("x115"), 0);
    EXPECT_EQ(BaudRateOf(""), 0);
    EXPECT_EQ(BaudRateOf("99999999999999"), 0);
}

} // namespace
