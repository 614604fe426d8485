// SPDX-License-Identifier: GPL-2.0-or-later
// The picture and ringtone stores over the real modules and the simulated
// phone of each family: read both pictures and the four ringtones, set the
// main screen from a one-bit bitmap, and upload into the phone's folders with
// the replace question answered both ways.
#include "stores/common/LocalRecordFile.h"
#include "stores/picture/PictureData.h"
#include "stores/ringtone/RingtoneData.h"
#include "tests/e2e/StoreEndToEndFixture.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtEndian>

#include <gtest/gtest.h>

using namespace orrin;
using namespace orrin::test;

namespace {

// A one-bit bitmap file of the size, every row the same pattern.
QByteArray OneBitBitmap(int width, int height)
{
    const int stride = (width + 31) / 32 * 4;
    QByteArray bytes(62 + stride * height, '\0');
    char *b = bytes.data();
    b[0] = 'B';
    b[1] = 'M';
    qToLittleEndian<quint32>(quint32(bytes.size()), b + 2);
    qToLittleEndian<quint32>(62, b + 10);
    qToLittleEndian<quint32>(40, b + 14);
    qToLittleEndian<qint32>(width, b + 18);
    qToLittleEndian<qint32>(height, b + 22);
    qToLittleEndian<quint16>(1, b + 26);
    qToLittleEndian<quint16>(1, b + 28);
    qToLittleEndian<quint32>(quint32(stride * height), b + 34);
    qToLittleEndian<quint32>(2, b + 46);
    b[58] = b[59] = b[60] = char(0xFF);
    for (int i = 62; i < bytes.size(); ++i)
        b[i] = char(0x5A);
    return bytes;
}

// A format-0 MIDI file with one short track.
QByteArray MidiFile()
{
    const QByteArray track = QByteArray::fromHex("00903C40" "8100803C40" "00FF2F00");
    QByteArray bytes = QByteArray::fromHex("4D546864000000060000000100604D54726B");
    bytes.append(4, '\0');
    qToBigEndian<quint32>(quint32(track.size()), bytes.data() + bytes.size() - 4);
    return bytes + track;
}

class MediaEndToEndTest : public FamilyStoreFixture {
protected:
    void SetUp() override
    {
        FamilyStoreFixture::SetUp();
        m_pictures.SetPhoneFamily();
        ConnectFamily(m_pictures, {"--state", StatePath(), "--save"});
        g_nMemory.store(kPhoneMemory);
    }

    QString LocalFile(const QString &name, const QByteArray &bytes) const
    {
        QFile file(m_dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        return file.fileName();
    }
    static CMediaData::UploadResult Upload(CMediaData &store, const QString &name, const QString &path)
    {
        store.m_strFileName = name;
        store.m_strLocalPath = path;
        return store.Upload();
    }
    // After Stop: the bytes of each file in the phone folder.
    QMap<QString, QByteArray> PhoneFolder(const QString &folder) const
    {
        QFile file(StatePath());
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        QMap<QString, QByteArray> files;
        for (const QJsonValue &entry : QJsonDocument::fromJson(file.readAll())["files"].toArray()) {
            if (entry["folder"].toString() != folder)
                continue;
            for (const QJsonValue &item : entry["entries"].toArray())
                files.insert(item["name"].toString(), QByteArray::fromHex(item["hex"].toString().toLatin1()));
        }
        return files;
    }

    CPictureData m_pictures;
    CRingtoneData m_ringtones;
};

TEST_P(MediaEndToEndTest, ReadsBothPicturesAndTheFourRingtones)
{
    m_pictures.m_nSelector = kBothPictures;
    ASSERT_EQ(m_pictures.ReadPhone(), 1);
    EXPECT_TRUE(m_pictures.MainScreen().Bytes().startsWith("BM"));
    EXPECT_EQ(m_pictures.Screensaver().Length(), 0);

    m_ringtones.m_nSelector = kAllRingtones;
    ASSERT_EQ(m_ringtones.ReadPhone(), 1);
    EXPECT_TRUE(m_ringtones.Ringtone(1).Bytes().startsWith("MThd"));
    EXPECT_GT(m_ringtones.Ringtone(3).Length(), MEDIA_BLOCK_SIZE);
    EXPECT_EQ(m_ringtones.Ringtone(2).Length(), 0);
    EXPECT_EQ(m_ringtones.Ringtone(4).Length(), 0);
    QFile copy(m_ringtones.LocalCopyPath(3));
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), m_ringtones.Ringtone(3).Bytes());
    EXPECT_TRUE(m_ringtones.LocalCopyPath(2).isEmpty());
}

TEST_P(MediaEndToEndTest, SetsTheMainScreenFromAOneBitBitmap)
{
    const QByteArray logo = OneBitBitmap(101, 64);
    ASSERT_TRUE(m_pictures.TakeLocalPicture(kMainScreen, {101, 64, 2}, logo));
    ASSERT_EQ(m_pictures.WritePhone(), 1) << g_strLastError.Get().toStdString();
    m_pictures.m_nSelector = kMainScreen;
    ASSERT_EQ(m_pictures.ReadPhone(), 1);
    EXPECT_EQ(m_pictures.MainScreen().Bytes(), logo);
}

TEST_P(MediaEndToEndTest, UploadsABitmapAndAMidiFileAskingBeforeEachReplacement)
{
    const QString bitmapName = Newer() ? "Logo.bmp" : "Siemens.bmp";
    const QString toneName = Newer() ? "Beep.mid" : "Tone1.mid";
    const QByteArray bitmap = OneBitBitmap(32, 16);
    const QString bitmapPath = LocalFile(bitmapName, bitmap);
    {
        CBoxRecorder boxes(kIdNo);
        EXPECT_EQ(Upload(m_pictures, bitmapName, bitmapPath), CMediaData::UploadResult::Kept);
        EXPECT_EQ(boxes.Texts(), QStringList({kReplaceQuestion}));
    }
    {
        CBoxRecorder boxes(kIdYes);
        EXPECT_EQ(Upload(m_ringtones, toneName, LocalFile(toneName, MidiFile())), CMediaData::UploadResult::Uploaded);
        EXPECT_EQ(Upload(m_ringtones, "New.mid", LocalFile("New.mid", MidiFile())), CMediaData::UploadResult::Uploaded);
        EXPECT_EQ(boxes.Texts(), QStringList({kReplaceQuestion}));
    }
    Disconnect();
    const QMap<QString, QByteArray> pictures = PhoneFolder(m_pictures.UploadFolder());
    ASSERT_TRUE(pictures.contains(bitmapName));
    EXPECT_NE(pictures.value(bitmapName), bitmap) << "No keeps the phone's file";
    const QMap<QString, QByteArray> sounds = PhoneFolder(m_ringtones.UploadFolder());
    EXPECT_EQ(sounds.value(toneName), MidiFile());
    EXPECT_EQ(sounds.value("New.mid"), MidiFile());
}

ORRIN_FOR_BOTH_FAMILIES(MediaEndToEndTest);

} // namespace
