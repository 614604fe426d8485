// SPDX-License-Identifier: GPL-2.0-or-later
// The local record file shared by the stores: crash-safe writes, reads
// bounded by the file, tags checked in full or by their first bytes.
#include "stores/common/LocalRecordFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#if defined(Q_OS_UNIX)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif
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
    Write(Bytes("testfile", 1, Records("ab")));
    EXPECT_EQ(Loaded(), Records("a"));
    Write("testfile\x02");
    EXPECT_EQ(Loaded(), QByteArray());
}

TEST_F(LocalRecordFileTest, EmptyAndMissingFiles)
{
    // Either holds nothing: no list read before survives the load.
    QByteArray records = "held before";
    EXPECT_EQ(RecordFile().Load(records), LocalFileResult::EmptyFile);
    EXPECT_EQ(records, QByteArray());
    EXPECT_EQ(RecordFile().Overwrite(0, Records("a")), LocalFileResult::EmptyFile);
    EXPECT_EQ(RecordFile().RewriteAll(Records("a")), LocalFileResult::EmptyFile);
    EXPECT_FALSE(QFile::exists(Path()));

    Write({});
    records = "held before";
    EXPECT_EQ(RecordFile().Load(records), LocalFileResult::EmptyFile);
    EXPECT_EQ(records, QByteArray());
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

TEST_F(LocalRecordFileTest, NegativeCountMarksADamagedFileThatIsNeverWritten)
{
    const QByteArray damaged = Bytes("testfile", -1, Records("ab"));
    Write(damaged);
    QByteArray records = "held before";
    EXPECT_EQ(RecordFile().Load(records), LocalFileResult::WrongTag);
    EXPECT_EQ(records, QByteArray());
    EXPECT_EQ(RecordFile().Append(Records("c")), LocalFileResult::WrongTag);
    EXPECT_EQ(RecordFile().Overwrite(0, Records("c")), LocalFileResult::WrongTag);
    EXPECT_EQ(RecordFile().RewriteAll(Records("c")), LocalFileResult::WrongTag);
    EXPECT_EQ(Contents(), damaged);
}

TEST_F(LocalRecordFileTest, FolderInPlaceOfTheFileCannotBeOpened)
{
    ASSERT_TRUE(QDir().mkdir(Path()));
    QByteArray records;
    EXPECT_EQ(RecordFile().Load(records), LocalFileResult::CannotOpen);
    EXPECT_EQ(RecordFile().Append(Records("a")), LocalFileResult::CannotOpen);
    EXPECT_EQ(RecordFile().Overwrite(0, Records("a")), LocalFileResult::CannotOpen);
    EXPECT_EQ(RecordFile().RewriteAll(Records("a")), LocalFileResult::CannotOpen);
    EXPECT_TRUE(QFileInfo(Path()).isDir());
}

#if defined(Q_OS_UNIX)
TEST_F(LocalRecordFileTest, FifoInPlaceOfTheFileIsNeverOpened)
{
    ASSERT_EQ(::mkfifo(QFile::encodeName(Path()).constData(), 0600), 0);
    // A writer keeps the FIFO open, so that opening it would not block.
    const int writer = ::open(QFile::encodeName(Path()).constData(), O_RDWR | O_NONBLOCK);
    ASSERT_GE(writer, 0);
    QByteArray records;
    EXPECT_EQ(RecordFile().Load(records), LocalFileResult::CannotOpen);
    EXPECT_EQ(RecordFile().Append(Records("a")), LocalFileResult::CannotOpen);
    EXPECT_EQ(RecordFile().Overwrite(0, Records("a")), LocalFileResult::CannotOpen);
    EXPECT_EQ(RecordFile().RewriteAll(Records("a")), LocalFileResult::CannotOpen);
    char byte = 0;
    EXPECT_EQ(::read(writer, &byte, 1), -1) << "nothing was written into it";
    ::close(writer);
    EXPECT_EQ(QFileInfo(Path()).isFile(), false);
}
#endif

TEST_F(LocalRecordFileTest, NextWriteRemovesLeftoversOfKilledRewritesOnly)
{
    // Rewrites killed before their rename, at any point of their writing,
    // where the system gives the temporary file a name ("<file>.XXXXXX").
    const QMap<QString, QByteArray> leftovers = {
        {"Data.dat.Xy9kQz", Bytes("testfile", 2, Records("ab"))}, {"Data.dat.a1B2c3", "test"}, {"Data.dat.000000", {}}};
    const QMap<QString, QByteArray> others = {{"Data.dat.bak", Bytes("testfile", 0, {})},
                                              {"Data.datAbC123", Bytes("testfile", 0, {})},
                                              {"Other.dat.AbC123", Bytes("testfile", 0, {})},
                                              {"Data.dat.Notes1", "my notes"},
                                              {"Data.dat.backup", Bytes("testfile", 0, {})}};
    const auto place = [this](const QMap<QString, QByteArray> &files) {
        for (auto it = files.cbegin(); it != files.cend(); ++it) {
            QFile file(m_dir.filePath(it.key()));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            ASSERT_EQ(file.write(it.value()), it.value().size());
        }
    };
    const QStringList kept = QStringList(others.keys()) << "Data.dat";
    const auto filesInFolder = [this] { return QDir(m_dir.path()).entryList(QDir::Files); };
    place(others);
    Write(Bytes("testfile", 1, Records("a")));

    place(leftovers);
    ASSERT_EQ(filesInFolder().size(), kept.size() + leftovers.size());
    ASSERT_EQ(RecordFile().Append(Records("b")), LocalFileResult::Ok);
    EXPECT_EQ(filesInFolder(), QDir(m_dir.path()).entryList(kept, QDir::Files));

    place(leftovers);
    ASSERT_EQ(RecordFile().RewriteAll(Records("c")), LocalFileResult::Ok);
    EXPECT_EQ(filesInFolder(), QDir(m_dir.path()).entryList(kept, QDir::Files));
    EXPECT_EQ(Contents(), Bytes("testfile", 1, Records("c")));
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
