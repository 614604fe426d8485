// SPDX-License-Identifier: GPL-2.0-or-later
// The ringtone store against the module doubles: slot 1 is the phone's
// number 3 ... slot 4 number 0, the local copies a read leaves, and the
// family's sound folder.
#include "stores/ringtone/RingtoneData.h"
#include "stores/common/LocalRecordFile.h"
#include "tests/stores/MediaFixture.h"

using namespace orrin;
using namespace orrin::test;
using doubles::Result;

namespace {

using RingtoneDataTest = MediaFixture<CRingtoneData>;

const QByteArray kTone = QByteArray("MThd") + QByteArray(3000, '\x22');

QByteArray FileContents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST_F(RingtoneDataTest, SlotsAddressThePhoneNumbersInReverse)
{
    ASSERT_TRUE(store.TakeLocalRingtone(3, kTone));
    EXPECT_EQ(store.Ringtone(3).Bytes(), kTone);
    EXPECT_EQ(Run(kLocalFile, 2), "done");
    store.m_nSelector = 1;
    EXPECT_EQ(Run(kPhoneMemory, 2), "done");
    store.TakeClear(4);
    EXPECT_EQ(Run(kPhoneMemory, 3), "done");
    EXPECT_EQ(doubles::Calls(), QStringList({"SetRingTone(1,3004)", "SetRingTone(3,0)", "ClearRingTone(0)"}));
    EXPECT_EQ(doubles::CallBytes(0), kTone);
    doubles::Queue("SetRingTone", Result(0));
    EXPECT_EQ(Run(kPhoneMemory, 2), "failed");
    EXPECT_EQ(g_strLastError.Get(), "An error occurs when setting ringtone!");
}

TEST_F(RingtoneDataTest, AToneOverTheBufferIsRefusedBeforeAnyTraffic)
{
    EXPECT_TRUE(store.TakeLocalRingtone(2, QByteArray(7200, 'x')));
    EXPECT_FALSE(store.TakeLocalRingtone(1, QByteArray(7201, 'x')));
    EXPECT_EQ(store.Ringtone(1).Length(), 0);
    EXPECT_EQ(store.m_nSelector, 2);
}

TEST_F(RingtoneDataTest, ReadCopiesOnlyTheSlotsThatHoldATone)
{
    store.m_nSelector = kAllRingtones;
    doubles::Queue("GetRingTone", Media(kTone));
    doubles::Queue("GetRingTone", Result(0));
    doubles::Queue("GetRingTone", Media("MThd short"));
    doubles::Queue("GetRingTone", Result(0));
    EXPECT_EQ(Run(kPhoneMemory, 1), "done");
    EXPECT_EQ(doubles::Calls(), QStringList({"GetRingTone(3,5)", "GetRingTone(2,5)", "GetRingTone(1,5)",
                                             "GetRingTone(0,5)"}));
    EXPECT_EQ(g_strLastError.Get(), "An error occurs when reading ringtone!");
    EXPECT_EQ(store.Ringtone(2).Length(), 0);
    EXPECT_EQ(FileContents(store.LocalCopyPath(1)), kTone);
    EXPECT_EQ(FileContents(store.LocalCopyPath(3)), "MThd short");
    EXPECT_EQ(store.LocalCopyPath(3), LocalDataFilePath("Ringtone3.mid"));
    EXPECT_TRUE(store.LocalCopyPath(2).isEmpty());
    EXPECT_FALSE(QFile::exists(LocalDataFilePath("Ringtone2.mid")));
    EXPECT_FALSE(QFile::exists(LocalDataFilePath("Ringtone4.mid")));
}

TEST_F(RingtoneDataTest, ACopyThatCannotBeWrittenIsNamedAndTheOthersAreStillWritten)
{
    CBoxRecorder boxes;
    ASSERT_TRUE(QDir().mkpath(LocalDataFilePath("Ringtone1.mid")));
    store.m_nSelector = kAllRingtones;
    doubles::Queue("GetRingTone", Media(kTone));
    doubles::Queue("GetRingTone", Media(kTone));
    EXPECT_EQ(Run(kPhoneMemory, 1), "done");
    EXPECT_EQ(boxes.Texts(), QStringList({"Cannot write the file " +
                                          QDir::toNativeSeparators(LocalDataFilePath("Ringtone1.mid")) + "!"}));
    EXPECT_TRUE(store.LocalCopyPath(1).isEmpty());
    EXPECT_EQ(FileContents(store.LocalCopyPath(2)), kTone);
}

// After the phone type changed the slots shown are another phone's: clearing
// one of them would clear a tone the user never saw.
TEST_F(RingtoneDataTest, ASlotOfAnotherPhoneIsNeverCleared)
{
    store.m_nSelector = kAllRingtones;
    doubles::Queue("GetRingTone", Media(kTone));
    ASSERT_EQ(Run(kPhoneMemory, 1), "done");
    UsePhoneType(kOlderType);
    doubles::Reset();
    store.TakeClear(1);
    EXPECT_EQ(Run(kPhoneMemory, 3), "failed");
    EXPECT_EQ(g_strLastError.Get(), "The ringtones shown are no longer the phone's.\nPlease read the ringtones again.");
    ASSERT_TRUE(store.TakeLocalRingtone(2, kTone));
    EXPECT_EQ(Run(kPhoneMemory, 2), "done");
    EXPECT_EQ(doubles::Calls(), QStringList({"SetRingTone(2,3004)"}));
}

TEST_F(RingtoneDataTest, UploadGoesToTheFamilysSoundFolder)
{
    EXPECT_EQ(Upload("tune.mid"), "uploaded");
    EXPECT_EQ(doubles::CallsOf("GetChild"), QStringList({"GetChild(Sounds)"}));
    EXPECT_EQ(store.UploadedMessage(), "Ringtone was successfully uploaded to /Sounds.");
    UsePhoneType(kOlderType);
    EXPECT_EQ(Upload("tune.mid"), "uploaded");
    EXPECT_EQ(doubles::CallsOf("GetChild"), QStringList({"GetChild(Sounds)", "GetChild(Ringing tone)"}));
    EXPECT_EQ(doubles::CallsOf("GetFolderFileNum").last(), "GetFolderFileNum(Ringing tone)");
}

} // namespace
