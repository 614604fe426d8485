// SPDX-License-Identifier: GPL-2.0-or-later
// Any bytes as a store's local file, in each of the five record layouts:
// loaded or refused; a change the file takes leaves exactly the records it
// held before plus the change, and a refused one leaves the file's bytes.
// The address-book and calendar layouts also go through their stores, whose
// lists must hold exactly the file's records with every text terminated; a
// calendar entry read for the entry dialog writes back as it read.
#include "link/MessageBox.h"
#include "link/SharedState.h"
#include "phone/PhoneApi.h"
#include "stores/addrbook/AddrbookData.h"
#include "stores/addrbook/S57AddrbookData.h"
#include "stores/calendar/CalendarData.h"
#include "stores/calendar/CalendarEntry.h"
#include "stores/common/LocalRecordFile.h"
#include "tests/support/LocalFileLayouts.h"

#include <QTemporaryDir>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

using orrin::CLocalRecordFile;
using orrin::LocalFileResult;

using orrin::test::kLocalFileLayouts;

QByteArray FileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

// The change must show in the next load, or leave the file's bytes alone.
void CheckChange(const CLocalRecordFile &file, const QString &path, LocalFileResult result,
                 const QByteArray &before, const QByteArray &expected)
{
    QByteArray after;
    if (result == LocalFileResult::Ok) {
        Require(file.Load(after) == LocalFileResult::Ok && after == expected);
    } else {
        Require(FileBytes(path) == before);
    }
}

template <typename Record>
bool Terminated(const Record &record)
{
    return std::memchr(record.name, 0, sizeof record.name) && std::memchr(record.url, 0, sizeof record.url);
}

bool Terminated(const CalendarRecord &record)
{
    return std::memchr(record.heading, 0, sizeof record.heading) && std::memchr(record.summary, 0, sizeof record.summary)
           && std::memchr(record.details, 0, sizeof record.details);
}

// The store reads the file as it lies, and appends to it when it takes it.
template <typename Store>
void CheckStore(Store &store, const QString &folder, const QByteArray &contents, const QByteArray &records)
{
    g_strWorkDir.Set(folder);
    g_strPhoneType.Set(QStringLiteral("phone"));
    QDir(folder).mkpath(QStringLiteral("phone"));
    QFile::remove(store.LocalFilePath());
    QFile out(store.LocalFilePath());
    Require(out.open(QIODevice::WriteOnly) && out.write(contents) == contents.size());
    out.close();
    store.ReadLocal();
    Require(store.m_localList.size() * qsizetype(sizeof store.m_localRecord) == records.size());
    for (const auto &record : store.m_localList)
        Require(Terminated(record));
    store.m_localRecord = {};
    const qsizetype held = store.m_localList.size();
    if (store.AppendLocal())
        Require(store.m_localList.size() == held + 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    static QTemporaryDir folder;
    const size_t layoutIndex = data[0] % kLocalFileLayouts.size();
    const orrin::test::LocalFileLayout &layout = kLocalFileLayouts[layoutIndex];
    const QString path = folder.filePath(QStringLiteral("local.dat"));
    const QByteArray contents(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    QFile::remove(path);
    QFile out(path);
    Require(out.open(QIODevice::WriteOnly) && out.write(contents) == contents.size());
    out.close();

    const CLocalRecordFile file(path, layout.format, layout.recordSize);
    QByteArray records;
    const LocalFileResult loaded = file.Load(records);
    Require(records.size() % layout.recordSize == 0 && records.size() <= qMax<qsizetype>(contents.size() - 12, 0));
    Require(loaded == LocalFileResult::Ok || records.isEmpty());
    if (layoutIndex >= 2) {
        static const orrin::BoxHandler quiet = orrin::SetMessageBoxHandler([](const orrin::BoxRequest &) {
            return int(orrin::kIdOk);
        });
        static orrin::CAddrbookData addrbook;
        static orrin::CS57AddrbookData s57Addrbook;
        static orrin::CCalendarData calendar;
        const QString storeFolder = folder.filePath(QStringLiteral("store"));
        if (layoutIndex == 2)
            CheckStore(addrbook, storeFolder, contents, records);
        else if (layoutIndex == 3)
            CheckStore(s57Addrbook, storeFolder, contents, records);
        else
            CheckStore(calendar, storeFolder, contents, records);
        // What the entry dialog makes of a record it writes back the same.
        for (const CalendarRecord &record : calendar.m_localList) {
            const orrin::CalendarEntry entry = orrin::ReadCalendarEntry(record);
            CalendarRecord written = record;
            if (orrin::WriteCalendarEntry(entry, written))
                Require(orrin::ReadCalendarEntry(written) == entry);
        }
    }

    const QByteArray record(layout.recordSize, char(0x5a));
    const LocalFileResult appended = file.Append(record);
    CheckChange(file, path, appended, contents, records + record);
    if (appended == LocalFileResult::Ok)
        records += record;

    QByteArray before = FileBytes(path);
    const QByteArray changed(layout.recordSize, char(0x33));
    const LocalFileResult overwritten = file.Overwrite(0, changed);
    QByteArray expected = records;
    if (!expected.isEmpty())
        expected.replace(0, layout.recordSize, changed);
    CheckChange(file, path, overwritten, before, expected);
    if (overwritten == LocalFileResult::Ok)
        records = expected;

    before = FileBytes(path);
    const QByteArray kept = records.left(records.size() / 2 / layout.recordSize * layout.recordSize);
    CheckChange(file, path, file.RewriteAll(kept), before, kept);
    return 0;
}
