// The local record file shared by the stores: crash-safe writes, reads
// bounded by the file, tags checked in full or by their first bytes.
#include "LocalRecordFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#if defined(Q_OS_LINUX)
#include <csignal>
#include <sys/resource.h>
#endif

using namespace orrin;

namespace {

constexpr qsizetype kRecordSize = 6;
const LocalFileFormat kFormat{QByteArrayLiteral("testfile"), 8};
const LocalFileFormat kSmsLikeFormat{QByteArray("sms\0\0\0\0\0", 8), 4};

QByteArray Records(const char *letters)
{
    QByteArray bytes;
    for (const char *letter = letters; *letter; ++letter)
        bytes += QByteArray(kRecordSize, *letter);
    return bytes;
}

QByteArray Bytes(const QByteArray &tag, qint32 count, const QByteArray &records)
{
    QByteArray bytes = tag + QByteArray(4, '\0') + records;
    qToLittleEndian<qint32>(count, bytes.data() + 8);
    return bytes;
}

class LocalRecordFileTest : public ::testing::Test {
protected:
    QString Path() const { return m_dir.filePath(QStringLiteral("Data.dat")); }
    CLocalRecordFile RecordFile(const LocalFileFormat &format = kFormat) const
    {
        return CLocalRecordFile(Path(), format, kRecordSize);
    }
    QByteArray Contents() const
    {
        QFile file(Path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void Write(const QByteArray &bytes) const
    {
        QFile file(Path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    QByteArray Loaded(const LocalFileFormat &format = kFormat) const
    {
        QByteArray records;
        EXPECT_EQ(RecordFile(format).Load(records), LocalFileResult::Ok);
        return records;
    }

    QTemporaryDir m_dir;
};

TEST_F(LocalRecordFileTest, AppendWritesTheCountOnlyAfterItsRecordsAreInTheFile)
{
    CLocalRecordFile file = RecordFile();
    QByteArray seenBeforeCount;
    QByteArray loadedBeforeCount;
    file.m_beforeCountWritten = [&] {
        seenBeforeCount = Contents();
        loadedBeforeCount = Loaded();
    };
    ASSERT_EQ(file.Append(Records("ab")), LocalFileResult::Ok);
    // A crash at that moment leaves a new file that holds nothing.
    EXPECT_EQ(seenBeforeCount, Bytes("testfile", 0, Records("ab")));
    EXPECT_EQ(loadedBeforeCount, QByteArray());
    EXPECT_EQ(Contents(), Bytes("testfile", 2, Records("ab")));

    ASSERT_EQ(file.Append(Records("c")), LocalFileResult::Ok);
    // ... and an existing file with its old records only.
    EXPECT_EQ(seenBeforeCount, Bytes("testfile", 2, Records("abc")));
    EXPECT_EQ(loadedBeforeCount, Records("ab"));
    EXPECT_EQ(Loaded(), Records("abc"));
}

TEST_F(LocalRecordFileTest, AppendAfterACrashReplacesWhatWasNeverCounted)
{
    // One counted record, one that never got its count, half of another.
    Write(Bytes("testfile", 1, Records("ax") + "yyy"));
    EXPECT_EQ(Loaded(), Records("a"));
    ASSERT_EQ(RecordFile().Append(Records("b")), LocalFileResult::Ok);
    EXPECT_EQ(Loaded(), Records("ab"));
    EXPECT_EQ(Contents().first(12 + 2 * kRecordSize), Bytes("testfile", 2, Records("ab")));
}

TEST_F(LocalRecordFileTest, ChangesReplaceTheFileByRenameAndLeaveNoTemporaryFile)
{
    Write(Bytes("testfile", 3, Records("abc")));
    QFile before(Path());
    ASSERT_TRUE(before.open(QIODevice::ReadOnly));

    ASSERT_EQ(RecordFile().Overwrite(1, Records("B")), LocalFileResult::Ok);
    EXPECT_EQ(Contents(), Bytes("testfile", 3, Records("aBc")));
    // The file held open before still shows the old contents: it was
    // replaced as a whole, not written over.
    EXPECT_EQ(before.readAll(), Bytes("testfile", 3, Records("abc")));

    ASSERT_EQ(RecordFile().RewriteAll(Records("c")), LocalFileResult::Ok);
    EXPECT_EQ(Contents(), Bytes("testfile", 1, Records("c")));
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Data.dat"});
}

TEST_F(LocalRecordFileTest, CountIsTrustedOnlyAsFarAsWholeRecordsFollow)
{
    Write(Bytes("testfile", 9, Records("ab") + "cc"));
    EXPECT_EQ(Loaded(), Records("ab"));
    Write(Bytes("testfile", -1, Records("ab")));
    EXPECT_EQ(Loaded(), QByteArray());
    Write(Bytes("testfile", 1, Records("ab")));
    EXPECT_EQ(Loaded(), Records("a"));
    Write("testfile\x02");
    EXPECT_EQ(Loaded(), QByteArray());
}

TEST_F(LocalRecordFileTest, EmptyAndMissingFiles)
{
    QByteArray records = "untouched";
    EXPECT_EQ(RecordFile().Load(records), LocalFileResult::CannotOpen);
    EXPECT_EQ(RecordFile().Overwrite(0, Records("a")), LocalFileResult::EmptyFile);
    EXPECT_EQ(RecordFile().RewriteAll(Records("a")), LocalFileResult::EmptyFile);
    EXPECT_FALSE(QFile::exists(Path()));

    Write({});
    EXPECT_EQ(RecordFile().Load(records), LocalFileResult::EmptyFile);
    EXPECT_EQ(records, QByteArray("untouched"));
    EXPECT_EQ(RecordFile().Overwrite(0, Records("a")), LocalFileResult::EmptyFile);
    EXPECT_EQ(RecordFile().RewriteAll(Records("a")), LocalFileResult::EmptyFile);
    EXPECT_EQ(Contents(), QByteArray());
}

TEST_F(LocalRecordFileTest, OverwriteOfAPositionTheFileDoesNotHoldWritesNothing)
{
    const QByteArray twoRecords = Bytes("testfile", 2, Records("ab"));
    Write(twoRecords);
    EXPECT_EQ(RecordFile().Overwrite(2, Records("x")), LocalFileResult::NoSuchRecord);
    EXPECT_EQ(RecordFile().Overwrite(-1, Records("x")), LocalFileResult::NoSuchRecord);
    EXPECT_EQ(Contents(), twoRecords);
}

TEST_F(LocalRecordFileTest, ShortTagCheckAcceptsAndKeepsWhateverFollowsIt)
{
    const QByteArray lead("sms\0WXYZ", 8);
    Write(Bytes(lead, 2, Records("ab")));
    EXPECT_EQ(Loaded(kSmsLikeFormat), Records("ab"));
    ASSERT_EQ(RecordFile(kSmsLikeFormat).Append(Records("c")), LocalFileResult::Ok);
    ASSERT_EQ(RecordFile(kSmsLikeFormat).Overwrite(0, Records("A")), LocalFileResult::Ok);
    ASSERT_EQ(RecordFile(kSmsLikeFormat).RewriteAll(Records("Ac")), LocalFileResult::Ok);
    EXPECT_EQ(Contents(), Bytes(lead, 2, Records("Ac")));

    Write({});
    ASSERT_EQ(RecordFile(kSmsLikeFormat).Append(Records("a")), LocalFileResult::Ok);
    EXPECT_EQ(Contents(), Bytes(QByteArray("sms\0\0\0\0\0", 8), 1, Records("a")));

    const QByteArray notSms("smsXWXYZ\0\0\0\0", 12);
    Write(notSms);
    QByteArray records;
    EXPECT_EQ(RecordFile(kSmsLikeFormat).Load(records), LocalFileResult::WrongTag);
    EXPECT_EQ(RecordFile(kSmsLikeFormat).Append(Records("a")), LocalFileResult::WrongTag);
    EXPECT_EQ(Contents(), notSms);
}

#if defined(Q_OS_LINUX)
// Makes writes past a size fail, as a full disk would.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_previous);
        const rlimit limit{bytes, m_previous.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_previous); }

private:
    rlimit m_previous{};
};

TEST_F(LocalRecordFileTest, FailedWritesLeaveTheOldFile)
{
    const QByteArray old = Bytes("testfile", 2, Records("ab"));
    Write(old);
    {
        const FileSizeLimit limit(old.size() + 2);
        EXPECT_EQ(RecordFile().Append(Records("c")), LocalFileResult::CannotOpen);
        EXPECT_EQ(RecordFile().RewriteAll(Records("abcd")), LocalFileResult::CannotOpen);
    }
    EXPECT_EQ(Loaded(), Records("ab"));
    EXPECT_EQ(Contents().first(old.size()), old);
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Data.dat"});
}
#endif

} // namespace
