// SPDX-License-Identifier: GPL-2.0-or-later
// The real OBEX module against phonesim's file system, for both families
// (plain OBEX after AT^SQWE=3, and BFB frames after AT^SBFB=1): folders,
// listing, upload and delete, and transfers cut off by a phone that hangs up
// or falls silent half-way.
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

constexpr qint64 kFailureLimitMs = 8000;
constexpr int kUploadBytes = 20 * 1024;

// What differs between the families: how the line enters OBEX, the picture
// folder and its files, and the rest of the root.
struct FamilyCase {
    const char *family;
    int32_t mobileType;
    // Commands before the first PUT of a cut-off upload: OpenComms sends
    // three; GetRoot switches (AT^SQWE=3; or AT^SBFB=?, AT^SIFS, AT^SBFB=1
    // and the BFB hello), then CONNECT and SETPATH; GetChild one SETPATH, the
    // count one GET.
    int beforeFirstPut;
    const char *pictures;
    std::string firstFile;
    std::string secondFile;
    const char *otherFolder;
    size_t rootFolders;
};

const FamilyCase kNewer{"newer", PHONE_FAMILY_NEWER, 8, "Pictures", "Sun.bmp", "Logo.bmp", "Sounds", 5};
const FamilyCase kOlder{"older", PHONE_FAMILY_OLDER, 11, "Bitmap", "Smile.bmp", "Siemens.bmp", "Ringing tone", 3};

struct Listed {
    std::string name;
    int kind = 0;
    bool operator==(const Listed &) const = default;
};

class FileTransferModuleTest : public RealModuleTest, public testing::WithParamInterface<FamilyCase> {
protected:
    void Connect(const QStringList &extra = {})
    {
        ASSERT_TRUE(phone.Start(QStringList{"--family", GetParam().family, "--link", "ports/COM1", "--state",
                                            statePath, "--save"} + extra));
        ASSERT_TRUE(calls.OpenComms("COM1", 115200));
        ASSERT_TRUE(calls.SetMobileType(GetParam().mobileType));
    }

    // The fault strikes on the third PUT.
    QString FaultInThePut(const char *fault) const
    {
        return QStringLiteral("%1=%2").arg(QLatin1String(fault)).arg(GetParam().beforeFirstPut + 2);
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
        ASSERT_EQ(OpenAndList(GetParam().pictures).size(), 2u);
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

TEST_P(FileTransferModuleTest, ListsSendsAndDeletesAndTheLineSpeaksAtAfterwards)
{
    const FamilyCase &family = GetParam();
    Connect();
    EXPECT_TRUE(calls.ObexConnect());
    EXPECT_TRUE(GetRoot());
    const std::vector<Listed> root = List("");
    EXPECT_EQ(root.front(), (Listed{family.pictures, 1}));
    EXPECT_EQ(root.size(), family.rootFolders);
    EXPECT_FALSE(GetChild("Nowhere"));

    std::vector<Listed> pictures = OpenAndList(family.pictures);
    EXPECT_EQ(pictures, (std::vector<Listed>{{family.firstFile, 0}, {family.secondFile, 0}}));
    // A count for another folder than the current one is none.
    EXPECT_EQ(GetFolderFileNum(family.otherFolder), 0);

    FolderEntry second{};
    std::strcpy(second.name, family.secondFile.c_str());
    EXPECT_TRUE(DeleteFolderFile(&second));
    EXPECT_FALSE(SendFile(folder.FilePath("missing.bmp").toLocal8Bit().constData()));
    const QByteArray upload = LocalFile("Upload.bmp", kUploadBytes);
    EXPECT_TRUE(SendFile(folder.FilePath("Upload.bmp").toLocal8Bit().constData()));
    EXPECT_EQ(List(family.pictures), (std::vector<Listed>{{family.firstFile, 0}, {"Upload.bmp", 0}}));

    // The identity right after the transfer: the session ends, AT answers.
    QElapsedTimer timer;
    timer.start();
    MobileInfoTexts info;
    EXPECT_TRUE(info.Read(calls));
    EXPECT_LT(timer.elapsed(), 1000);
    EXPECT_STREQ(info.manufacturer, "SIEMENS");
    EXPECT_EQ(OpenAndList(family.pictures).size(), 2u);

    const QMap<QString, QByteArray> saved = SavedFiles(family.pictures);
    EXPECT_EQ(saved.keys(), (QStringList{QString::fromStdString(family.firstFile), "Upload.bmp"}));
    EXPECT_EQ(saved.value("Upload.bmp"), upload);
}

TEST_P(FileTransferModuleTest, HangUpInThePutFailsLeavesNoHalfFileAndANewLineWorks)
{
    Connect({"--fault", FaultInThePut("hangup-after")});
    ExpectCutOffUpload();
    ASSERT_TRUE(phone.WaitForNewDevice());
    EXPECT_TRUE(calls.CloseComms());
    ASSERT_TRUE(calls.OpenComms("COM1", 115200));
    MobileInfoTexts info;
    EXPECT_TRUE(info.Read(calls));
    EXPECT_EQ(OpenAndList(GetParam().pictures).size(), 2u);
}

TEST_P(FileTransferModuleTest, SilenceInThePutFailsInTimeAndTheNextMobileCallWorks)
{
    Connect({"--fault", FaultInThePut("silent-after")});
    ExpectCutOffUpload();
    MobileInfoTexts info;
    EXPECT_TRUE(info.Read(calls));
    EXPECT_EQ(OpenAndList(GetParam().pictures).size(), 2u);
    EXPECT_FALSE(SavedFiles(GetParam().pictures).contains("Cut.bmp"));
}

INSTANTIATE_TEST_SUITE_P(BothFamilies, FileTransferModuleTest, testing::Values(kNewer, kOlder),
                         [](const testing::TestParamInfo<FamilyCase> &info) {
                             return std::string(info.param.family);
                         });

} // namespace
