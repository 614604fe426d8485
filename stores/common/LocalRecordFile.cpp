// SPDX-License-Identifier: GPL-2.0-or-later
#include "stores/common/LocalRecordFile.h"

#include "link/FileKind.h"
#include "link/SharedState.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QtEndian>

#include <algorithm>
#include <limits>
#include <optional>

#if defined(Q_OS_UNIX)
#include <unistd.h>
#elif defined(Q_OS_WIN)
#include <io.h>
#endif

namespace orrin {
namespace {

// Pushes what was written through the system's caches, so that a later write
// never reaches the disk before it.
bool FlushToDisk(QFile &file)
{
    if (!file.flush())
        return false;
#if defined(Q_OS_UNIX)
    return ::fsync(file.handle()) == 0;
#elif defined(Q_OS_WIN)
    return ::_commit(file.handle()) == 0;
#else
    return true;
#endif
}

// What a path that holds no regular file gives before anything is opened:
// nothing there reads as an empty file, anything else cannot be opened.
std::optional<LocalFileResult> RefusedBeforeOpening(const QString &path)
{
    switch (KindOfFile(path)) {
    case FileKind::Missing:
        return LocalFileResult::EmptyFile;
    case FileKind::Other:
        return LocalFileResult::CannotOpen;
    case FileKind::Regular:
        break;
    }
    return std::nullopt;
}

QByteArray CountBytes(qint64 count)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian<qint32>(qint32(count), bytes.data());
    return bytes;
}

bool WriteAll(QIODevice &device, QByteArrayView bytes)
{
    return device.write(bytes.data(), bytes.size()) == bytes.size();
}

} // namespace

// What the start of a file says: its first 8 bytes and how many whole records
// it holds. The count is trusted only as far as whole records follow it.
struct CLocalRecordFile::Header {
    QByteArray lead;
    qint64 records = 0;
};

CLocalRecordFile::CLocalRecordFile(QString path, LocalFileFormat format, qsizetype recordSize)
    : m_path(std::move(path)), m_format(std::move(format)), m_recordSize(recordSize)
{
    Q_ASSERT(m_format.tag.size() == kLocalFileTagSize);
    Q_ASSERT(m_format.checkedBytes > 0 && m_format.checkedBytes <= kLocalFileTagSize);
    Q_ASSERT(m_recordSize > 0);
}

LocalFileResult CLocalRecordFile::ReadHeader(QFile &file, Header &header) const
{
    const qint64 size = file.size();
    if (size == 0)
        return LocalFileResult::EmptyFile;
    header.lead = file.read(kLocalFileTagSize);
    const qsizetype checked = m_format.checkedBytes;
    if (header.lead.size() != kLocalFileTagSize || header.lead.first(checked) != m_format.tag.first(checked))
        return LocalFileResult::WrongTag;
    const QByteArray count = file.read(4);
    const qint64 announced = count.size() == 4 ? qFromLittleEndian<qint32>(count.constData()) : 0;
    // No writer ever stores a negative count: the header is damaged, and an
    // append counting from 0 would write over the records it hides.
    if (announced < 0)
        return LocalFileResult::WrongTag;
    const qint64 present = std::max<qint64>(0, size - kLocalFileHeaderSize) / m_recordSize;
    header.records = std::clamp<qint64>(announced, 0, present);
    return LocalFileResult::Ok;
}

LocalFileResult CLocalRecordFile::ReadRecords(QFile &file, const Header &header, QByteArray &records) const
{
    if (!file.seek(kLocalFileHeaderSize))
        return LocalFileResult::CannotOpen;
    QByteArray read = file.read(header.records * m_recordSize);
    // The file may have shrunk since its size was taken: whole records only.
    read.truncate(read.size() - read.size() % m_recordSize);
    records = std::move(read);
    return LocalFileResult::Ok;
}

LocalFileResult CLocalRecordFile::OpenForChange(QFile &file, Header &header) const
{
    // A change needs a file to change: no file is like an empty one.
    if (const auto refused = RefusedBeforeOpening(m_path))
        return *refused;
    // Opened for writing although the new contents go through a temporary
    // file: a file the user made read-only is refused, not replaced.
    if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly))
        return LocalFileResult::CannotOpen;
    return ReadHeader(file, header);
}

LocalFileResult CLocalRecordFile::Replace(const QByteArray &lead, QByteArrayView records) const
{
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return LocalFileResult::CannotOpen;
    // commit() would rename even after its own flush failed (a full disk):
    // flush here and give up on any error, so the old file stays.
    const bool written = WriteAll(file, lead) && WriteAll(file, CountBytes(records.size() / m_recordSize))
                         && WriteAll(file, records) && file.flush();
    if (!written) {
        file.cancelWriting();
        return LocalFileResult::CannotOpen;
    }
    return file.commit() ? Written() : LocalFileResult::CannotOpen;
}

// A rewrite goes through "<file name>.XXXXXX" beside the file (QSaveFile's
// name); one killed before its rename leaves that file behind, and the next
// write that succeeds clears them away. Only names of that exact shape whose
// contents start as this store's file are taken: no other file is touched.
LocalFileResult CLocalRecordFile::Written() const
{
    const QDir folder = QFileInfo(m_path).dir();
    for (const QString &name : folder.entryList(QDir::Files | QDir::Hidden | QDir::NoSymLinks)) {
        if (IsLeftoverOfThisFile(folder, name))
            QFile::remove(folder.filePath(name));
    }
    return LocalFileResult::Ok;
}

bool CLocalRecordFile::IsLeftoverOfThisFile(const QDir &folder, const QString &name) const
{
    const QString prefix = QFileInfo(m_path).fileName() + u'.';
    // Six random letters and digits, at least one of them not a lower-case
    // letter: a user's own "Telebook.tml.backup" is no leftover of ours.
    static const QRegularExpression kRandomPart(QStringLiteral("^(?=.*[A-Z0-9])[A-Za-z0-9]{6}$"));
    if (!name.startsWith(prefix) || !kRandomPart.match(QStringView(name).sliced(prefix.size())).hasMatch())
        return false;
    const QString path = folder.filePath(name);
    QFile file(path);
    if (KindOfFile(path) != FileKind::Regular || !file.open(QIODevice::ReadOnly))
        return false;
    // Killed at any moment: nothing written yet, part of the tag, or more.
    return m_format.tag.startsWith(file.read(m_format.checkedBytes));
}

LocalFileResult CLocalRecordFile::Load(QByteArray &records) const
{
    records.clear();
    if (const auto refused = RefusedBeforeOpening(m_path))
        return *refused;
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return LocalFileResult::CannotOpen;
    Header header;
    const LocalFileResult result = ReadHeader(file, header);
    return result == LocalFileResult::Ok ? ReadRecords(file, header, records) : result;
}

LocalFileResult CLocalRecordFile::Append(QByteArrayView records) const
{
    Q_ASSERT(records.size() % m_recordSize == 0);
    if (KindOfFile(m_path) == FileKind::Other)
        return LocalFileResult::CannotOpen;
    QFile file(m_path);
    if (!file.open(QIODevice::ReadWrite))
        return LocalFileResult::CannotOpen;
    Header header;
    const LocalFileResult result = ReadHeader(file, header);
    if (result == LocalFileResult::WrongTag)
        return result;
    const qint64 total = header.records + records.size() / m_recordSize;
    if (total > std::numeric_limits<qint32>::max())
        return LocalFileResult::CannotOpen;
    if (result == LocalFileResult::EmptyFile) {
        if (!file.seek(0) || !WriteAll(file, m_format.tag) || !WriteAll(file, CountBytes(0)))
            return LocalFileResult::CannotOpen;
    }
    // Whatever lies past the counted records (the tail of an append that
    // never got its count) is not part of the file: the new records go there.
    if (!file.seek(kLocalFileHeaderSize + header.records * m_recordSize) || !WriteAll(file, records)
        || !FlushToDisk(file))
        return LocalFileResult::CannotOpen;
    if (m_beforeCountWritten)
        m_beforeCountWritten();
    if (!file.seek(kLocalFileTagSize) || !WriteAll(file, CountBytes(total)) || !FlushToDisk(file))
        return LocalFileResult::CannotOpen;
    return Written();
}

LocalFileResult CLocalRecordFile::Overwrite(qsizetype position, QByteArrayView record) const
{
    Q_ASSERT(record.size() == m_recordSize);
    QFile file(m_path);
    Header header;
    LocalFileResult result = OpenForChange(file, header);
    if (result != LocalFileResult::Ok)
        return result;
    if (position < 0 || position >= header.records)
        return LocalFileResult::NoSuchRecord;
    QByteArray records;
    result = ReadRecords(file, header, records);
    if (result != LocalFileResult::Ok || records.size() != header.records * m_recordSize)
        return LocalFileResult::CannotOpen;
    std::copy(record.begin(), record.end(), records.begin() + position * m_recordSize);
    return Replace(header.lead, records);
}

LocalFileResult CLocalRecordFile::RewriteAll(QByteArrayView records) const
{
    Q_ASSERT(records.size() % m_recordSize == 0);
    QFile file(m_path);
    Header header;
    const LocalFileResult result = OpenForChange(file, header);
    return result == LocalFileResult::Ok ? Replace(header.lead, records) : result;
}

QString LocalDataFilePath(const QString &fileName)
{
    const QDir folder(QDir(g_strWorkDir.Get()).filePath(g_strPhoneType.Get()));
    return folder.filePath(fileName);
}

} // namespace orrin
