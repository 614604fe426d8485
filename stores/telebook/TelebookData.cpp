// SPDX-License-Identifier: GPL-2.0-or-later
#include "stores/telebook/TelebookData.h"

#include "stores/common/LocalFileFormats.h"
#include "stores/common/LocalRecordFile.h"
#include "link/MessageBox.h"
#include "link/Messages.h"
#include "stores/common/RecordList.h"
#include "link/SharedState.h"
#include "stores/common/StoreFailure.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace orrin {
namespace {

TLocalRecordFile<TelebookRecord> LocalFile()
{
    return {CTelebookData::LocalFilePath(), kTelebookFile.format};
}

bool AcceptedByLocalFile(LocalFileResult result)
{
    return orrin::AcceptedByLocalFile(result, CTelebookData::tr("Unexceptable telephone book format!"));
}

// No memory of these phones holds more: a SIM card numbers its entries in one
// byte (254 at most) and the phone memories of these models hold a few
// hundred. The scan never goes further, whatever count a phone claims.
constexpr int kMaxLocations = 1000;

const char *const kListForgottenText =
    QT_TRANSLATE_NOOP("CTelebookData", "The telebook shown is no longer the phone's.\nPlease read the telebook again.");

using Operation = int (CTelebookData::*)();

// Codes 1 to 4, in order.
constexpr Operation kPhoneOperations[] = {
    &CTelebookData::ReadFromPhone,
    &CTelebookData::WriteToPhone,
    &CTelebookData::ModifyOnPhone,
    &CTelebookData::DeleteFromPhone,
};
constexpr Operation kLocalOperations[] = {
    &CTelebookData::LoadLocalFile,
    &CTelebookData::AppendToLocalFile,
    &CTelebookData::ModifyInLocalFile,
    &CTelebookData::DeleteFromLocalFile,
};

} // namespace

CTelebookData::CTelebookData()
{
    ORRIN_FETCH_MOBILE(SetMobileEncodeFormat);
    ORRIN_FETCH_MOBILE(SetTeleBookMemo);
    ORRIN_FETCH_MOBILE(GetTeleBookNum);
    ORRIN_FETCH_MOBILE(ReadTeleBook);
    ORRIN_FETCH_MOBILE(WriteTeleBook);
    ORRIN_FETCH_MOBILE(DeleteTeleBook);
    ORRIN_FETCH_MOBILE(ModifyTeleBook);
}

void CTelebookData::RunOperation(QObject *view, int code)
{
    if (code < kTelebookRead || code > kTelebookSync)
        return;
    const int result = code == kTelebookSync ? SyncToLocal() : RunOnMemory(code);
    EndOperation(view, WM_TELEBOOK_DONE, result);
}

int CTelebookData::RunOnMemory(int code)
{
    return RunOnMemoryOf(*this, kPhoneOperations, kLocalOperations, code, true);
}

QString CTelebookData::LocalFilePath()
{
    return LocalDataFilePath(QLatin1String(kTelebookFile.fileName));
}

// Every phone-book exchange starts here; gives the used count of the memory,
// or nothing when the phone is not connected (no text) or the memory could
// not be selected: then nothing may act on whatever memory the phone still has.
std::optional<int> CTelebookData::SelectPhoneBook()
{
    ForgetListsOfAnotherPhone();
    if (!g_bConnected.load())
        return std::nullopt;
    CallEntry(m_pSetMobileEncodeFormat, "UCS2");
    const int used = CallEntry(m_pSetTeleBookMemo, MemoryText());
    if (used < 0) {
        Fail(AboutMemory(QT_TRANSLATE_NOOP("StoreFailure", "Unable to open the %1 telebook!")));
        return std::nullopt;
    }
    return used;
}

// The lists hold one phone's locations; after the line closed or the phone
// type changed they could lead a change to another phone's entry.
void CTelebookData::ForgetListsOfAnotherPhone()
{
    if (!IsAnotherPhone())
        return;
    m_phoneList.clear();
    m_simList.clear();
    m_workList.clear();
    m_bPhoneLoaded = false;
    m_bSimLoaded = false;
    m_nCapacity = 0;
}

// The selected memory's capacity, or nothing (and the reason) when the
// phone refused or did not answer.
std::optional<int> CTelebookData::ReadCapacity()
{
    const int capacity = CallEntry(m_pGetTeleBookNum);
    if (capacity < 0) {
        Fail(AboutMemory(QT_TRANSLATE_NOOP("StoreFailure", "Unable to read the size of the %1 telebook!")));
        return std::nullopt;
    }
    return capacity;
}

int CTelebookData::ReadFromPhone()
{
    const std::optional<int> used = SelectPhoneBook();
    if (!used)
        return 0;
    const std::optional<int> capacity = ReadCapacity();
    if (!capacity)
        return 0;
    std::optional<TelebookList> read = ScanLocations(*used, *capacity);
    if (!read)
        return Fail(AboutMemory(QT_TRANSLATE_NOOP("StoreFailure", "Unable to read the %1 telebook!")));
    m_nCapacity = *capacity;
    m_workList = std::move(*read);
    if (*used == 0)
        g_strLastError.Set(tr("No Telebook found!"));
    MarkMemoryLoaded();
    ExchangeWorkingList(ListExchange::Save);
    CollectAllEntries();
    return 1;
}

// Reads locations from 1 until the used count is found. A phone may yield
// fewer entries than it counts, so the scan also ends after the memory's last
// location (the capacity, or the used count when the phone claims more), and
// at the bound of these phones. Nothing when the memory could not be read, or
// when it counts entries and yields none.
std::optional<TelebookList> CTelebookData::ScanLocations(int used, int capacity)
{
    TelebookList read;
    const int lastLocation = std::min(std::max(capacity, used), kMaxLocations);
    for (int location = 1; read.size() < used && location <= lastLocation; ++location) {
        TelebookRecord record;
        const int found = ReadLocation(location, record);
        if (found < 0)
            return std::nullopt;
        if (found == 0)
            continue;
        read.append(record);
        g_nProgress.store(int(100 * qint64(location) / used));
    }
    if (used > 0 && read.isEmpty())
        return std::nullopt;
    return read;
}

// 1 the location holds an entry (now in record), 0 it is empty, -1 the
// memory could not be read.
int CTelebookData::ReadLocation(int location, TelebookRecord &record)
{
    record = {};
    const int found =
        CallEntry(m_pReadTeleBook, int32_t(location), record.number, record.name, &record.vip);
    if (found <= 0)
        return found < 0 ? -1 : 0;
    TerminateTelebookTexts(record);
    record.location = location;
    return 1;
}

// The phone chooses the new entry's location (its first free one), so the
// memory is read again: every location listed is then the phone's own.
int CTelebookData::WriteToPhone()
{
    const std::optional<int> used = SelectPhoneBook();
    if (!used)
        return 0;
    const std::optional<int> capacity = ReadCapacity();
    if (!capacity)
        return 0;
    m_nCapacity = *capacity;
    if (*used >= *capacity)
        return Fail(tr("Storage is full"));
    TerminateTelebookTexts(m_editRecord);
    if (!CallEntry(m_pWriteTeleBook, m_editRecord.number, m_editRecord.name, m_editRecord.vip))
        return Fail(tr("Unable to write telebook"));
    if (ReadFromPhone())
        return 1;
    return Fail(tr("The entry was saved, but the telebook could not be read again.\n"
                   "Please read the telebook again."));
}

// The record at this position of the list, or null when the list no longer
// reaches it (it was forgotten, or never held it).
const TelebookRecord *CTelebookData::ListedRecord(int position) const
{
    return position >= 0 && position < m_workList.size() ? &m_workList[position] : nullptr;
}

// 1 when the phone still holds the listed entry at its location: a change is
// never made blind to an entry the list no longer describes.
int CTelebookData::HeldByPhone(const TelebookRecord &listed)
{
    TelebookRecord held;
    const int found = ReadLocation(listed.location, held);
    if (found < 0)
        return Fail(AboutMemory(QT_TRANSLATE_NOOP("StoreFailure", "Unable to read the %1 telebook!")));
    if (found == 0 || !SameTelebookEntry(held, listed)) {
        return Fail(tr("The entry at location %1 is no longer the one shown.\n"
                       "Please read the telebook again.")
                        .arg(listed.location));
    }
    return 1;
}

int CTelebookData::ModifyOnPhone()
{
    if (!SelectPhoneBook())
        return 0;
    const TelebookRecord *listed = ListedRecord(m_selection.empty() ? -1 : m_selection.front());
    if (!listed || listed->location != m_editRecord.location)
        return Fail(tr(kListForgottenText));
    if (!HeldByPhone(*listed))
        return 0;
    TerminateTelebookTexts(m_editRecord);
    if (!CallEntry(m_pModifyTeleBook, m_editRecord.location, m_editRecord.number, m_editRecord.name,
                   m_editRecord.vip)) {
        return Fail(tr("Unable to modify telebook!"));
    }
    return 1;
}

// Every selected entry is checked before the first is deleted; the list loses
// what the phone deleted, also when it refused one midway.
int CTelebookData::DeleteFromPhone()
{
    if (!SelectPhoneBook())
        return 0;
    for (const int position : m_selection) {
        const TelebookRecord *listed = ListedRecord(position);
        if (!listed)
            return Fail(tr(kListForgottenText));
        if (!HeldByPhone(*listed))
            return 0;
    }
    int result = 1;
    std::vector<int> deleted;
    for (const int position : m_selection) {
        if (!CallEntry(m_pDeleteTeleBook, m_workList[position].location)) {
            result = Fail(tr("Unable to delete telebook!"));
            break;
        }
        deleted.push_back(position);
    }
    RemovePositions(m_workList, deleted);
    ExchangeWorkingList(ListExchange::Save);
    return result;
}

void CTelebookData::MarkMemoryLoaded()
{
    (g_nMemory.load() == kPhoneMemory ? m_bPhoneLoaded : m_bSimLoaded) = true;
}

void CTelebookData::ExchangeWorkingList(ListExchange direction)
{
    ExchangeLists(direction, ListOfMemory(g_nMemory.load(), m_phoneList, m_simList), m_workList);
}

void CTelebookData::CollectAllEntries()
{
    for (const TelebookList *source : {&m_workList, &m_localList}) {
        for (const TelebookRecord &record : *source) {
            if (!ContainsSame(m_allList, record, SameTelebookEntry))
                m_allList.append(record);
        }
    }
}

// m_localList always becomes what the file of the current phone type holds:
// nothing for a missing or empty file, nothing after a box.
int CTelebookData::LoadLocalFile()
{
    TelebookList records;
    const LocalFileResult result = LocalFile().Load(records);
    for (TelebookRecord &record : records)
        TerminateTelebookTexts(record);
    m_localList = std::move(records);
    CollectAllEntries();
    return result == LocalFileResult::EmptyFile || AcceptedByLocalFile(result) ? 1 : 0;
}

int CTelebookData::AppendToLocalFile()
{
    if (!LoadLocalFile())
        return 0;
    TerminateTelebookTexts(m_localEditRecord);
    if (!AcceptedByLocalFile(LocalFile().Append(m_localEditRecord)))
        return 0;
    m_localList.append(m_localEditRecord);
    return 1;
}

// Writes m_localEditRecord over the record at m_selection's first position,
// when the file still holds there the record the view listed.
int CTelebookData::ModifyInLocalFile()
{
    if (m_selection.empty())
        return 0;
    const TelebookList listed = m_localList;
    if (!LoadLocalFile())
        return 0;
    const int position = m_selection.front();
    TerminateTelebookTexts(m_localEditRecord);
    const LocalFileResult result = LocalFile().OverwriteListed(m_localList, listed, position, m_localEditRecord);
    if (!AcceptedByLocalFile(result))
        return 0;
    m_localList[position] = m_localEditRecord;
    return 1;
}

// Removes the selected records, when the file still holds the records the
// view listed at those positions.
int CTelebookData::DeleteFromLocalFile()
{
    const TelebookList listed = m_localList;
    if (!LoadLocalFile() || m_selection.empty())
        return 0;
    const LocalFileResult result = LocalFile().RemoveListed(m_localList, listed, m_selection);
    return AcceptedByLocalFile(result) ? 1 : 0;
}

// Appends every entry of m_workList missing from the file, in one write.
void CTelebookData::MergeIntoLocal()
{
    if (!LoadLocalFile())
        return;
    const TelebookList missing = MissingRecords(m_workList, m_localList, SameTelebookEntry);
    if (missing.isEmpty() || !AcceptedByLocalFile(LocalFile().Append(missing)))
        return;
    m_localList.append(missing);
}

// A phone memory that could not be read fails the whole synchronisation.
int CTelebookData::SyncToLocal()
{
    const bool phoneMemoryRead = GetPhoneTypeCode() != PhoneFamily::Older || SyncMemory(kPhoneMemory);
    const int result = phoneMemoryRead ? SyncMemory(kSimCard) : 0;
    g_nMemory.store(kLocalFile);
    return result;
}

// Entries are copied only from a memory that was just read.
int CTelebookData::SyncMemory(int memory)
{
    g_nMemory.store(memory);
    const int read = ReadFromPhone();
    if (read)
        MergeIntoLocal();
    return read;
}

CTelebookData &TheTelebookData()
{
    static CTelebookData store;
    return store;
}

} // namespace orrin
