// SPDX-License-Identifier: GPL-2.0-or-later
// The real OBEX module against phonesim's file system: folders, listing,
// upload and delete, and transfers cut off by a phone that hangs up or falls
// silent half-way.
#include "tests/support/PhoneSimProcess.h"
#include "tests/phone/RealModules.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>

using namespace orrin::phone::test;
using orrin::test::CPhoneSimProcess;

namespace {

// OpenComms sends three commands; GetRoot then AT^SQWE=3, CONNECT and
// SETPATH, GetChild one SETPATH: the next request is the first PUT.
constexpr int kBeforeFirstPut = 7;
constexpr qint64 kFailureLimitMs = 8000;
constexpr int kUploadBytes = 20 * 1024;

struct Listed {
    std::string name;
    int kind = 0;
    bool operator==(const Listed &) const = default;
};

class FileTransferModuleTest : public RealModuleTest {
protected:
    void Connect(const QStringList &extra = {})
    {
        ASSERT_TRUE(phone.Start(QStringList{"--family", "newer", "--link", "ports/COM1", "--state", statePath,
                                            "--save"} + extra));
        ASSERT_TRUE(calls.OpenComms("COM1", 115200));
        ASSERT_TRUE(calls.SetMobileType(2));
    }

    std::vector<Listed> List(const char *folder)
    {
        const int count = GetFolderFileNum(folder);
        std::vector<FolderEntry> entries(size_t(std::max(count, 0)));
        EXPECT_TRUE(ListingCurrentFolder(entries.data()));
        std::vector<Listed> listed;
        for (const FolderEntry &entry : entries)
            listed.push_back({entry.name, entry.kind});
        return listed;
    }

    std::vector<Listed> OpenAndList(const char *folder)
    {
        EXPECT_TRUE(GetRoot());
        EXPECT_TRUE(GetChild(folder));
        return List(folder);
    }

    QByteArray LocalFile(const QString &name, int bytes)
    {
        QByteArray data(bytes, Qt::Uninitialized);
        for (char &c : data)
            c = char(QRandomGenerator::global()->bounded(256));
        QFile file(folder.FilePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(data);
        return data;
    }

    // The phone's files in the folder, name to bytes, from its saved state.
    QMap<QString, QByteArray> SavedFiles(const QString &folderName)
    {
        calls.CloseComms();
        EXPECT_TRUE(phone.Stop());
        QFile file(statePath);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        QMap<QString, QByteArray> files;
        for (const QJsonValue &f : QJsonDocument::fromJson(file.readAll())["files"].toArray()) {
            if (f["folder"].toString() != folderName)
                continue;
            for (const QJsonValue &entry : f["entries"].toArray())
                files.insert(entry["name"].toString(), QByteArray::fromHex(entry["hex"].toString().toLatin1()));
        }
        return files;
    }

    // A transfer cut off by the fault fails in time and leaves nothing listed.
    void ExpectCutOffUpload()
    {
        ASSERT_EQ(OpenAndList("Pictures").size(), 2u);
        LocalFile("Cut.bmp", kUploadBytes);
        QElapsedTimer timer;
        timer.start();
        EXPECT_FALSE(SendFile(folder.FilePath("Cut.bmp").toLocal8Bit().constData()));
        EXPECT_LT(timer.elapsed(), kFailureLimitMs);
    }

    CPhoneSimProcess phone;
    QString statePath = folder.FilePath(QStringLiteral("phone.json"));
    decltype(::GetRoot) *GetRoot = ORRIN_OBEX_ENTRY(modules, GetRoot);
    decltype(::GetChild) *GetChild = ORRIN_OBEX_ENTRY(modules, GetChild);
    decltype(::GetFolderFileNum) *GetFolderFileNum = ORRIN_OBEX_ENTRY(modules, GetFolderFileNum);
    decltype(::ListingCurrentFolder) *ListingCurrentFolder = ORRIN_OBEX_ENTRY(modules, ListingCurrentFolder);
    decltype(::DeleteFolderFile) *DeleteFolderFile = ORRIN_OBEX_ENTRY(modules, DeleteFolderFile);
    decltype(::SendFile) *SendFile = ORRIN_OBEX_ENTRY(modules, SendFile);
};

TEST_F(FileTransferModuleTest, NewerFamilyListsSendsAndDeletesAndTheLineSpeaksAtAfterwards)
{
    Connect();
    EXPECT_TRUE(calls.ObexConnect());
    EXPECT_TRUE(GetRoot());
    const std::vector<Listed> root = List("");
    EXPECT_EQ(root.front(), (Listed{"Pictures", 1}));
    EXPECT_EQ(root.size(), 5u);
    EXPECT_FALSE(GetChild("Nowhere"));

    std::vector<Listed> pictures = OpenAndList("Pictures");
    EXPECT_EQ(pictures, (std::vector<Listed>{{"Sun.bmp", 0}, {"Logo.bmp", 0}}));
    // A count for another folder than the current one is none.
    EXPECT_EQ(GetFolderFileNum("Sounds"), 0);

    FolderEntry logo{};
    std::strcpy(logo.name, "Logo.bmp");
    EXPECT_TRUE(DeleteFolderFile(&logo));
    EXPECT_FALSE(SendFile(folder.FilePath("missing.bmp").toLocal8Bit().constData()));
    const QByteArray upload = LocalFile("Upload.bmp", kUploadBytes);
    EXPECT_TRUE(SendFile(folder.FilePath("Upload.bmp").toLocal8Bit().constData()));
    EXPECT_EQ(List("Pictures"), (std::vector<Listed>{{"Sun.bmp", 0}, {"Upload.bmp", 0}}));

    // The identity right after the transfer: the session ends, AT answers.
    QElapsedTimer timer;
    timer.start();
    MobileInfoTexts info;
    EXPECT_TRUE(info.Read(calls));
    EXPECT_LT(timer.elapsed(), 1000);
    EXPECT_STREQ(info.manufacturer, "SIEMENS");
    EXPECT_EQ(OpenAndList("Pictures").size(), 2u);

    const QMap<QString, QByteArray> saved = SavedFiles("Pictures");
    EXPECT_EQ(saved.keys(), (QStringList{"Sun.bmp", "Upload.bmp"}));
    EXPECT_EQ(saved.value("Upload.bmp"), upload);
}

TEST_F(FileTransferModuleTest, HangUpInThePutFailsLeavesNoHalfFileAndANewLineWorks)
{
    Connect({"--fault", QStringLiteral("hangup-after=%1").arg(kBeforeFirstPut + 3)});
    ExpectCutOffUpload();
    ASSERT_TRUE(phone.WaitForNewDevice());
    EXPECT_TRUE(calls.CloseComms());
    ASSERT_TRUE(calls.OpenComms("COM1", 115200));
    MobileInfoTexts info;
    EXPECT_TRUE(info.Read(calls));
    EXPECT_EQ(OpenAndList("Pictures").size(), 2u);
}

TEST_F(FileTransferModuleTest, SilenceInThePutFailsInTimeAndTheNextMobileCallWorks)
{
    Connect({"--fault", QStringLiteral("silent-after=%1").arg(kBeforeFirstPut + 3)});
    ExpectCutOffUpload();
    MobileInfoTexts info;
    EXPECT_TRUE(info.Read(calls));
    EXPECT_EQ(OpenAndList("Pictures").size(), 2u);
    EXPECT_FALSE(SavedFiles("Pictures").contains("Cut.bmp"));
}

} // namespace
