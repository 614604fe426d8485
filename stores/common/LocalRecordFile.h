// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The local data files of the stores (Telebook.tml, SMS.sml, Addrbook.aml,
// S57Addrbook.aml, Calendar.cml) share one shape: an 8-byte tag, a signed
// 32-bit little-endian record count at offset 8, then fixed-size records in
// list order. Files made by either side must stay readable by the other, so
// the layout is kept byte for byte.
//
// Reads take the whole records the count announces and the file holds, never
// more than the file's size. Writes are crash-safe: an append writes the new
// records first, flushes them to disk, and only then the new count, so a crash
// leaves the old count over whole records; every other change is written to a
// temporary file in the same folder and replaces the old file in one rename;
// a successful write removes what earlier rewrites killed before their rename
// left beside the file. A file with a foreign tag or a negative count, or a
// write that fails, leaves the file as it was. Only a regular file is opened:
// a folder, FIFO or device at the path is a file that cannot be opened.

#include "stores/common/RecordList.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDir>
#include <QFile>
#include <QList>
#include <QString>

#include <cstring>
#include <functional>
#include <span>
#include <type_traits>
#include <vector>

namespace orrin {

// How a store recognises its file. A new file gets the whole 8-byte tag; an
// existing one must match its first checkedBytes, and the rest of its first
// 8 bytes is kept as found on every rewrite.
struct LocalFileFormat {
    QByteArray tag;
    int checkedBytes = 8;
};

enum class LocalFileResult {
    Ok,
    EmptyFile,    // 0 bytes or no file yet; nothing read (for a change: nothing written)
    CannotOpen,   // not a regular file, unreadable, or a write failed; the old file is unchanged
    WrongTag,     // not this store's file (also a non-empty file under 8 bytes), or a
                  // damaged one (a negative count); untouched
    NoSuchRecord, // a change of a position the file does not hold; nothing written
};

constexpr qsizetype kLocalFileTagSize = 8;
constexpr qsizetype kLocalFileHeaderSize = 12;

// The file handled as bytes: records travel as one block of whole records.
class CLocalRecordFile {
public:
    CLocalRecordFile(QString path, LocalFileFormat format, qsizetype recordSize);

    // Makes records what the file holds: nothing unless the result is Ok.
    LocalFileResult Load(QByteArray &records) const;
    // Adds whole records at the end; a missing or 0-byte file is created with
    // the tag and a count of 0 first.
    LocalFileResult Append(QByteArrayView records) const;
    // Replaces the record at a 0-based position.
    LocalFileResult Overwrite(qsizetype position, QByteArrayView record) const;
    // Makes the file hold exactly these records.
    LocalFileResult RewriteAll(QByteArrayView records) const;

    // Runs inside Append after the new records reached the disk and before
    // the count is written: the state a crash at that moment would leave.
    std::function<void()> m_beforeCountWritten;

private:
    struct Header;
    LocalFileResult ReadHeader(QFile &file, Header &header) const;
    LocalFileResult ReadRecords(QFile &file, const Header &header, QByteArray &records) const;
    LocalFileResult OpenForChange(QFile &file, Header &header) const;
    LocalFileResult Replace(const QByteArray &lead, QByteArrayView records) const;
    LocalFileResult Written() const;
    bool IsLeftoverOfThisFile(const QDir &folder, const QString &name) const;

    QString m_path;
    LocalFileFormat m_format;
    qsizetype m_recordSize;
};

// The same file handled as a list of a store's record type, stored exactly as
// it lies in memory.
template <typename Record>
class TLocalRecordFile {
    static_assert(std::is_trivially_copyable_v<Record>, "records are stored as their bytes");

public:
    TLocalRecordFile(QString path, LocalFileFormat format)
        : m_file(std::move(path), std::move(format), qsizetype(sizeof(Record)))
    {
    }

    LocalFileResult Load(QList<Record> &records) const
    {
        QByteArray bytes;
        const LocalFileResult result = m_file.Load(bytes);
        records.resize(bytes.size() / qsizetype(sizeof(Record)));
        if (!bytes.isEmpty())
            std::memcpy(records.data(), bytes.constData(), size_t(bytes.size()));
        return result;
    }
    LocalFileResult Append(std::span<const Record> records) const { return m_file.Append(Bytes(records)); }
    LocalFileResult Append(const Record &record) const { return Append(std::span(&record, 1)); }
    LocalFileResult Overwrite(qsizetype position, const Record &record) const
    {
        return m_file.Overwrite(position, Bytes(std::span(&record, 1)));
    }
    LocalFileResult RewriteAll(const QList<Record> &records) const
    {
        return m_file.RewriteAll(Bytes(std::span(records.constData(), size_t(records.size()))));
    }

    // A view's change acts only on records the file still holds where the view
    // listed them: held is the file as just read, listed what the view showed.
    LocalFileResult OverwriteListed(const QList<Record> &held, const QList<Record> &listed, int position,
                                    const Record &record) const
    {
        return HoldsListedRecords(held, listed, {position}) ? Overwrite(position, record)
                                                            : LocalFileResult::NoSuchRecord;
    }
    // Removes the selected records; held becomes what the file then holds.
    LocalFileResult RemoveListed(QList<Record> &held, const QList<Record> &listed,
                                 const std::vector<int> &selection) const
    {
        if (!HoldsListedRecords(held, listed, selection))
            return LocalFileResult::NoSuchRecord;
        QList<Record> kept = held;
        RemovePositions(kept, selection);
        const LocalFileResult result = RewriteAll(kept);
        if (result == LocalFileResult::Ok)
            held = std::move(kept);
        return result;
    }

private:
    static QByteArrayView Bytes(std::span<const Record> records)
    {
        return QByteArrayView(reinterpret_cast<const char *>(records.data()), qsizetype(records.size_bytes()));
    }

    CLocalRecordFile m_file;
};

// Where a store keeps its local file: the folder named after the phone type
// in the work folder.
QString LocalDataFilePath(const QString &fileName);

} // namespace orrin
