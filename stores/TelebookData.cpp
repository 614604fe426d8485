#include "TelebookData.h"

#include "LocalRecordFile.h"
#include "MessageBox.h"
#include "Messages.h"
#include "RecordList.h"
#include "SharedState.h"
#include "WaitText.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace orrin {
namespace {

const LocalFileFormat kTelebookFormat{QByteArrayLiteral("telebook"), 8};

TLocalRecordFile<TelebookRecord> LocalFile()
{
    return {CTelebookData::LocalFilePath(), kTelebookFormat};
}

// Shows the box of a local file that refused; true when it took the
// operation. A change the file cannot take (no file, or not the record the
// view listed) cannot be written either.
bool AcceptedByLocalFile(LocalFileResult result)
{
    switch (result) {
    case LocalFileResult::Ok:
        return true;
    case LocalFileResult::WrongTag:
        MessageBox(nullptr, QStringLiteral("Unexceptable telephone book format!"));
        return false;
    default:
        MessageBox(nullptr, QStringLiteral("Fatel error: Cannot access telephone file!"));
        return false;
    }
}

// Whether the file, as just read, still holds at every selected position the
// record that was listed there when the user chose it.
bool HoldsListedRecords(const TelebookList &file, const TelebookList &listed, const std::vector<int> &selection)
{
    return std::all_of(selection.cbegin(), selection.cend(), [&](int position) {
        return position >= 0 && position < file.size() && position < listed.size()
               && std::memcmp(&file[position], &listed[position], sizeof(TelebookRecord)) == 0;
    });
}

const char *MemoryText()
{
    return g_nMemory.load() == kPhoneMemory ? "ME" : "SM";
}

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
    g_nCommand.store(0);
    if (result)
        PostMessageTo(view, WM_TELEBOOK_DONE);
    else
        PostMessageTo(g_hMainWnd.Get(), WM_OPERATION_FAILED);
}

int CTelebookData::RunOnMemory(int code)
{
    switch (g_nMemory.load()) {
    case kPhoneMemory:
    case kSimCard:
        return (this->*kPhoneOperations[code - 1])();
    case kLocalFile:
        (this->*kLocalOperations[code - 1])();
        return 1;
    default:
        return 1;
    }
}

QString CTelebookData::LocalFilePath()
{
    return LocalDataFilePath(QStringLiteral("Telebook.tml"));
}

// Every phone-book exchange starts here; gives the used count of the memory,
// or nothing when the phone is not connected.
std::optional<int> CTelebookData::SelectPhoneBook()
{
    if (!g_bConnected.load())
        return std::nullopt;
    CallEntry(m_pSetMobileEncodeFormat, "UCS2");
    return CallEntry(m_pSetTeleBookMemo, MemoryText());
}

int CTelebookData::ReadFromPhone()
{
    const std::optional<int> used = SelectPhoneBook();
    if (!used)
        return 0;
    m_nCapacity = CallEntry(m_pGetTeleBookNum);
    m_workList.clear();
    if (*used <= 0)
        g_strLastError.Set(QStringLiteral("No Telebook found!"));
    else
        ScanLocations(*used);
    MarkMemoryLoaded();
    ExchangeWorkingList(ListExchange::Save);
    CollectAllEntries();
    return 1;
}

// Reads locations from 1 until the used count is found. A phone may yield
// fewer entries than it counts, so the scan also ends after the memory's last
// location (the capacity, or the used count when the phone claims more).
void CTelebookData::ScanLocations(int used)
{
    const qint64 lastLocation = std::max(m_nCapacity, used);
    int found = 0;
    for (qint64 location = 1; found < used && location <= lastLocation; ++location) {
        TelebookRecord record{};
        if (!CallEntry(m_pReadTeleBook, int32_t(location), record.number, record.name, &record.vip))
            continue;
        TerminateTelebookTexts(record);
        record.location = int32_t(location);
        m_workList.append(record);
        ++found;
        g_nProgress.store(int(100 * location / used));
    }
}

int CTelebookData::WriteToPhone()
{
    const std::optional<int> used = SelectPhoneBook();
    if (!used)
        return 0;
    if (!MemoryLoaded()) {
        SetWaitText(QStringLiteral("Reading phone book"));
        ReadFromPhone();
        SetWaitText(QStringLiteral("Saving phone book"));
    }
    ExchangeWorkingList(ListExchange::Load);
    m_nCapacity = CallEntry(m_pGetTeleBookNum);
    if (*used == m_nCapacity) {
        g_strLastError.Set(QStringLiteral("Storage is full"));
        return 0;
    }
    const int location = FreeLocation(*used);
    TerminateTelebookTexts(m_editRecord);
    if (!CallEntry(m_pWriteTeleBook, m_editRecord.number, m_editRecord.name, m_editRecord.vip)) {
        g_strLastError.Set(QStringLiteral("Unable to write telebook"));
        return 0;
    }
    m_editRecord.location = location;
    m_workList.insert(std::min<qsizetype>(location - 1, m_workList.size()), m_editRecord);
    ExchangeWorkingList(ListExchange::Save);
    return 1;
}

// The phone writes a new entry to its first free location: the first
// position k (from 1) of the list whose record is not at location k, or the
// location after the used ones.
int CTelebookData::FreeLocation(int used) const
{
    const qsizetype walked = std::min<qsizetype>(m_workList.size(), std::max(used, 0));
    for (qsizetype k = 1; k <= walked; ++k) {
        if (m_workList[k - 1].location != k)
            return int(k);
    }
    return used + 1;
}

int CTelebookData::ModifyOnPhone()
{
    if (!SelectPhoneBook())
        return 0;
    TerminateTelebookTexts(m_editRecord);
    if (!CallEntry(m_pModifyTeleBook, m_editRecord.location, m_editRecord.number, m_editRecord.name,
                   m_editRecord.vip)) {
        g_strLastError.Set(QStringLiteral("Unable to modify telebook!"));
        return 0;
    }
    return 1;
}

int CTelebookData::DeleteFromPhone()
{
    if (!SelectPhoneBook())
        return 0;
    m_nCapacity = CallEntry(m_pGetTeleBookNum);
    for (const int position : m_selection) {
        if (position < 0 || position >= m_workList.size())
            continue;
        if (!CallEntry(m_pDeleteTeleBook, m_workList[position].location)) {
            g_strLastError.Set(QStringLiteral("Unable to delete telebook!"));
            return 0;
        }
    }
    RemovePositions(m_workList, m_selection);
    ExchangeWorkingList(ListExchange::Save);
    return 1;
}

TelebookList *CTelebookData::MemoryList()
{
    switch (g_nMemory.load()) {
    case kPhoneMemory:
        return &m_phoneList;
    case kSimCard:
        return &m_simList;
    default:
        return nullptr;
    }
}

bool CTelebookData::MemoryLoaded() const
{
    return g_nMemory.load() == kPhoneMemory ? m_bPhoneLoaded : m_bSimLoaded;
}

void CTelebookData::MarkMemoryLoaded()
{
    (g_nMemory.load() == kPhoneMemory ? m_bPhoneLoaded : m_bSimLoaded) = true;
}

void CTelebookData::ExchangeWorkingList(ListExchange direction)
{
    TelebookList *memoryList = MemoryList();
    if (!memoryList)
        return;
    if (direction == ListExchange::Save)
        *memoryList = m_workList;
    else
        m_workList = *memoryList;
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
    const LocalFileResult result = HoldsListedRecords(m_localList, listed, {position})
                                       ? LocalFile().Overwrite(position, m_localEditRecord)
                                       : LocalFileResult::NoSuchRecord;
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
    TelebookList kept = m_localList;
    RemovePositions(kept, m_selection);
    const LocalFileResult result = HoldsListedRecords(m_localList, listed, m_selection)
                                       ? LocalFile().RewriteAll(kept)
                                       : LocalFileResult::NoSuchRecord;
    if (!AcceptedByLocalFile(result))
        return 0;
    m_localList = std::move(kept);
    return 1;
}

// Appends every entry of m_workList missing from the file, in one write.
void CTelebookData::MergeIntoLocal()
{
    if (!LoadLocalFile())
        return;
    TelebookList missing;
    for (const TelebookRecord &record : m_workList) {
        if (!ContainsSame(m_localList, record, SameTelebookEntry) && !ContainsSame(missing, record, SameTelebookEntry))
            missing.append(record);
    }
    if (missing.isEmpty() || !AcceptedByLocalFile(LocalFile().Append(missing)))
        return;
    m_localList.append(missing);
}

int CTelebookData::SyncToLocal()
{
    if (GetPhoneTypeCode() == 1)
        SyncMemory(kPhoneMemory);
    const int result = SyncMemory(kSimCard);
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
