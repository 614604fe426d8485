// SPDX-License-Identifier: GPL-2.0-or-later
// The picture store against the module doubles: the two pictures' numbers
// and buffers, the check of a local bitmap before any traffic, and the
// upload with its replace question.
#include "stores/picture/PictureData.h"
#include "tests/stores/MediaFixture.h"

using namespace orrin;
using namespace orrin::test;
using doubles::Result;

namespace {

using PictureDataTest = MediaFixture<CPictureData>;

const QByteArray kLogo = QByteArray("BM") + QByteArray(60, '\x11');
const PictureShape kPhoneSized{101, 64, 2};

TEST_F(PictureDataTest, ReadWithoutScreensaverLeavesItEmptyAndStillSucceeds)
{
    store.Screensaver().Fill("left from before");
    store.m_nSelector = kBothPictures;
    doubles::Queue("GetPicture", Media(kLogo));
    doubles::Queue("GetPicture", Result(0));
    EXPECT_EQ(Run(kPhoneMemory, 1), "done");
    // The buffer's capacity is what the module is told.
    EXPECT_EQ(doubles::Calls(), QStringList({"GetPicture(0,2)", "GetPicture(2,2)"}));
    EXPECT_EQ(store.MainScreen().Bytes(), kLogo);
    EXPECT_EQ(store.Screensaver().Length(), 0);
    EXPECT_EQ(store.Screensaver().Bytes(), QByteArray());
    EXPECT_EQ(g_strLastError.Get(), "An error occurs when reading screensaver!");
}

TEST_F(PictureDataTest, LengthBeyondTheBufferIsAFailedReadNeverAnOverrun)
{
    store.m_nSelector = kMainScreen;
    doubles::Reply tooLong = Media(kLogo);
    tooLong.numbers = {2 * MEDIA_BLOCK_SIZE + 1};
    doubles::Queue("GetPicture", tooLong);
    EXPECT_EQ(Run(kPhoneMemory, 1), "done");
    EXPECT_EQ(store.MainScreen().Length(), 0);
    EXPECT_EQ(g_strLastError.Get(), "An error occurs when reading main screen!");
    EXPECT_EQ(doubles::CallsOf("GetPicture").size(), 1);
}

TEST_F(PictureDataTest, ReadOnlyFromThePhoneAndOnlyWhenConnected)
{
    store.m_nSelector = kBothPictures;
    EXPECT_EQ(Run(kLocalFile, 1), "done");
    g_bConnected.store(0);
    EXPECT_EQ(Run(kPhoneMemory, 1), "failed");
    EXPECT_EQ(Run(kPhoneMemory, 2), "failed");
    EXPECT_EQ(Run(kPhoneMemory, 3), "failed");
    EXPECT_TRUE(doubles::Calls().isEmpty());
}

TEST_F(PictureDataTest, WriteAndClearAddressTheSelectedPicture)
{
    ASSERT_TRUE(store.TakeLocalPicture(kScreensaver, kPhoneSized, kLogo));
    EXPECT_EQ(Run(kLocalFile, 2), "done");
    EXPECT_EQ(g_nMemory.load(), kPhoneMemory);
    EXPECT_EQ(doubles::Calls(), QStringList({"SetPicture(2,62)"}));
    EXPECT_EQ(doubles::CallBytes(0), kLogo);

    store.TakePhonePicture(kMainScreen);
    EXPECT_EQ(store.MainScreen().Bytes(), kLogo);
    doubles::Queue("SetPicture", Result(0));
    EXPECT_EQ(Run(kPhoneMemory, 2), "failed");
    EXPECT_EQ(g_strLastError.Get(), "An error occurs when setting main screen!");

    store.TakeClear(kScreensaver);
    EXPECT_EQ(store.Screensaver().Length(), 0);
    doubles::Queue("ClearPicture", Result(0));
    EXPECT_EQ(Run(kPhoneMemory, 3), "failed");
    EXPECT_EQ(g_strLastError.Get(), "An error occurs when setting screensaver!");
    EXPECT_EQ(doubles::CallsOf("ClearPicture"), QStringList({"ClearPicture(2)"}));
}

// The tiles still show the first phone's pictures after a reconnect: none of
// them may reach the second phone, while a local bitmap still may.
TEST_F(PictureDataTest, PicturesOfThePhoneBeforeAReconnectNeverReachTheNextOne)
{
    const QString forgotten = QStringLiteral("The pictures shown are no longer the phone's.\n"
                                             "Please read the pictures again.");
    store.m_nSelector = kBothPictures;
    doubles::Queue("GetPicture", Media(kLogo));
    doubles::Queue("GetPicture", Media("BM saver"));
    ASSERT_EQ(Run(kPhoneMemory, 1), "done");
    ASSERT_EQ(store.ClosePort(), 1);
    ASSERT_EQ(store.OpenPort(), 1);
    doubles::Reset();

    store.TakePhonePicture(kMainScreen);
    EXPECT_EQ(Run(kPhoneMemory, 2), "failed");
    EXPECT_EQ(g_strLastError.Get(), forgotten);
    EXPECT_EQ(store.MainScreen().Length() + store.Screensaver().Length(), 0);
    store.TakeClear(kScreensaver);
    EXPECT_EQ(Run(kPhoneMemory, 3), "failed");
    EXPECT_TRUE(doubles::Calls().isEmpty());

    ASSERT_TRUE(store.TakeLocalPicture(kMainScreen, kPhoneSized, kLogo));
    EXPECT_EQ(Run(kPhoneMemory, 2), "done");
    EXPECT_EQ(doubles::Calls(), QStringList({"SetPicture(0,62)"}));
}

TEST_F(PictureDataTest, OnlyAOneBitPictureTheScreenShowsIsTaken)
{
    EXPECT_TRUE(store.TakeLocalPicture(kMainScreen, kPhoneSized, kLogo));
    EXPECT_TRUE(store.TakeLocalPicture(kScreensaver, {111, 74, 2}, kLogo));
    const QByteArray other = "BM other";
    EXPECT_FALSE(store.TakeLocalPicture(kMainScreen, {112, 74, 2}, other));
    EXPECT_FALSE(store.TakeLocalPicture(kMainScreen, {111, 75, 2}, other));
    EXPECT_FALSE(store.TakeLocalPicture(kMainScreen, {16, 16, 16}, other));
    EXPECT_FALSE(store.TakeLocalPicture(kMainScreen, kPhoneSized, other + QByteArray(2880, 0)));
    EXPECT_EQ(store.MainScreen().Bytes(), kLogo) << "a refused picture changes nothing";
    EXPECT_EQ(store.m_nSelector, kScreensaver);
    EXPECT_EQ(CPictureData::SizeMessage(kScreensaver), "Picture size doesn't match with screensaver!");
}

TEST_F(PictureDataTest, UploadGoesToTheFamilysPictureFolder)
{
    QueueFolder({{"other.bmp"}});
    EXPECT_EQ(Upload("logo.bmp"), "uploaded");
    EXPECT_EQ(doubles::Calls(), QStringList({"GetRoot()", "GetChild(Pictures)", "GetFolderFileNum(Pictures)",
                                             "ListingCurrentFolder()",
                                             "SendFile(" + m_workDir.filePath("logo.bmp") + ")"}));
    EXPECT_EQ(store.UploadedMessage(), "Picture was successfully uploaded to /Pictures.");

    UsePhoneType(kOlderType);
    doubles::Reset();
    EXPECT_EQ(Upload("logo.bmp"), "uploaded");
    EXPECT_EQ(doubles::CallsOf("GetChild"), QStringList({"GetChild(Bitmap)"}));
    EXPECT_EQ(store.UploadedMessage(), "Picture was successfully uploaded to /Bitmap.");
}

const QList<FolderItem> kTwoOfTheName = {{"logo.bmp"}, {"logo.bmp", 1}, {"Logo.bmp"}, {"logo.bmp"}};

TEST_F(PictureDataTest, EveryFileOfTheNameIsReplacedOnlyWhenTheUserSaysYes)
{
    CBoxRecorder boxes(kIdYes);
    QueueFolder(kTwoOfTheName);
    EXPECT_EQ(Upload("logo.bmp"), "uploaded");
    EXPECT_EQ(doubles::CallsOf("DeleteFolderFile"), QStringList({"DeleteFolderFile(logo.bmp)",
                                                                  "DeleteFolderFile(logo.bmp)"}));
    ASSERT_EQ(boxes.Boxes().size(), 2);
    const BoxRequest question = boxes.Boxes().first();
    EXPECT_EQ(question.text, kReplaceQuestion);
    EXPECT_EQ(question.caption, "Warning");
    EXPECT_EQ(question.buttons, BoxButtons::YesNo);
    EXPECT_EQ(question.icon, BoxIcon::Information);
    EXPECT_EQ(question.owner, &frame);
    EXPECT_EQ(doubles::CallsOf("SendFile").size(), 1);
}

TEST_F(PictureDataTest, NoEndsTheUploadWithNothingDeleted)
{
    CBoxRecorder boxes(kIdNo);
    QueueFolder(kTwoOfTheName);
    EXPECT_EQ(Upload("logo.bmp"), "done");
    EXPECT_EQ(boxes.Boxes().size(), 1);
    EXPECT_TRUE(doubles::CallsOf("DeleteFolderFile").isEmpty());
    EXPECT_TRUE(doubles::CallsOf("SendFile").isEmpty());
}

// Without the phone's listing a file of that name would be replaced unasked.
// A file that did not go up is never passed over in silence.
TEST_F(PictureDataTest, AFolderStepThatFailsEndsTheUploadBeforeSending)
{
    CBoxRecorder boxes(kIdYes);
    doubles::Queue("GetFolderFileNum", Result(2));
    doubles::Queue("ListingCurrentFolder", Result(0));
    EXPECT_EQ(Upload("logo.bmp"), "failed");
    EXPECT_EQ(g_strLastError.Get(), "Unable to copy the file to the phone's folder /Pictures!");
    doubles::Queue("GetFolderFileNum", Result(1 << 30));
    EXPECT_EQ(Upload("logo.bmp"), "failed");
    doubles::Queue("GetChild", Result(0));
    EXPECT_EQ(Upload("logo.bmp"), "failed");
    doubles::Queue("GetRoot", Result(0));
    EXPECT_EQ(Upload("logo.bmp"), "failed");
    g_bConnected.store(0);
    EXPECT_EQ(Upload("logo.bmp"), "failed");
    EXPECT_TRUE(doubles::CallsOf("SendFile").isEmpty());
    EXPECT_EQ(doubles::CallsOf("ListingCurrentFolder").size(), 1);
    EXPECT_EQ(doubles::CallsOf("GetRoot").size(), 4);
    EXPECT_TRUE(boxes.Boxes().isEmpty());
    g_bConnected.store(1);
    doubles::Reset();
    doubles::Queue("SendFile", Result(0));
    EXPECT_EQ(Upload("logo.bmp"), "failed");
}

} // namespace
