// SPDX-License-Identifier: GPL-2.0-or-later
#include "stores/calendar/CalendarData.h"

#include "link/Messages.h"
#include "link/SharedState.h"
#include "stores/common/LocalFileFormats.h"
#include "stores/common/LocalRecordFile.h"
#include "stores/common/RecordList.h"
#include "stores/common/TextField.h"
#include "stores/common/StoreFailure.h"

#include <algorithm>

namespace orrin {
namespace {

const char *const kWrongTagText = QT_TRANSLATE_NOOP("CCalendarData", "Unexceptable telephone book format!");

TLocalRecordFile<CalendarRecord> LocalFile()
{
    return {CCalendarData::LocalFilePath(), kCalendarFile.format};
}

// These phones hold at most a few hundred entries, whatever a phone claims.
constexpr int kMaxEntries = 1000;

const char *const kListForgottenText =
    QT_TRANSLATE_NOOP("CCalendarData", "The calendar shown is no longer the phone's.\nPlease read the calendar again.");

using Operation = int (CCalendarData::*)();
constexpr Operation kPhoneOperations[] = {&CCalendarData::ReadPhone, &CCalendarData::NewPhone,
                                          &CCalendarData::ModifyPhone, &CCalendarData::DeletePhone};
constexpr Operation kLocalOperations[] = {&CCalendarData::ReadLocal, &CCalendarData::AppendLocal,
                                          &CCalendarData::ModifyLocal, &CCalendarData::DeleteLocal};

} // namespace

void TerminateCalendarTexts(CalendarRecord &record)
{
    TerminateFields(record, &CalendarRecord::heading, &CalendarRecord::summary, &CalendarRecord::details);
}

CCalendarData::CCalendarData()
{
    ORRIN_FETCH_MOBILE(GetAdrCaleSpace);
    ORRIN_FETCH_MOBILE(GetVCS);
    ORRIN_FETCH_MOBILE(ClearVCS);
    ORRIN_FETCH_MOBILE(SetVCS);
}

void CCalendarData::RunOperation(QObject *view, int code)
{
    if (code < kCalendarRead || code > kCalendarSync)
        return;
    int result = 1;
    if (code == kCalendarSync) {
        g_nMemory.store(kLocalFile);
        result = ReadPhone();
        ReadLocal();
    } else {
        result = RunOnMemory(code);
    }
    EndOperation(view, WM_CALENDAR_DONE, result);
}

int CCalendarData::RunOnMemory(int code)
{
    return RunOnMemoryOf(*this, kPhoneOperations, kLocalOperations, code, false);
}

QString CCalendarData::LocalFilePath()
{
    return LocalDataFilePath(QLatin1String(kCalendarFile.fileName));
}

void CCalendarData::ForgetListOfAnotherPhone()
{
    if (IsAnotherPhone()) {
        m_phoneList.clear();
        m_bPhoneRead = false;
    }
}

int CCalendarData::ReadPhone()
{
    ForgetListOfAnotherPhone();
    if (!g_bConnected.load())
        return 0;
    const int highest = CallEntry(m_pGetAdrCaleSpace, int32_t(1));
    if (highest < 0)
        return Fail(tr("Unable to read calendar!"));
    const int entries = std::min(highest, kMaxEntries);
    CalendarList read;
    for (int entry = 1; entry <= entries; ++entry) {
        CalendarRecord record{};
        if (CallEntry(m_pGetVCS, &record, int32_t(entry))) {
            TerminateCalendarTexts(record);
            read.append(record);
        } else if (CallEntry(m_pGetAdrCaleSpace, int32_t(1)) < 0) {
            // Not an empty entry: the phone no longer answers.
            return Fail(tr("Unable to read calendar!"));
        }
        g_nProgress.store(entry * 100 / entries);
    }
    m_phoneList = std::move(read);
    m_bPhoneRead = true;
    return 1;
}

bool CCalendarData::ListsPhoneEntry(int index) const
{
    return std::any_of(m_phoneList.cbegin(), m_phoneList.cend(),
                       [index](const CalendarRecord &record) { return record.index == index; });
}

// The numbers GetVCS reads back run from 1 to n; one no listed entry has is
// number. The entry is then read back, so the list holds it as the phone does.
// Without a list of this phone every number looks free and the write would
// land on an entry, so the phone is read first.
int CCalendarData::NewPhone()
{
    ForgetListOfAnotherPhone();
    if (!g_bConnected.load() || (!m_bPhoneRead && !ReadPhone()))
        return 0;
    const int room = CallEntry(m_pGetAdrCaleSpace, int32_t(0));
    if (room < 0)
        return Fail(tr("Unable to read calendar!"));
    const int entries = std::min(room, kMaxEntries);
    int number = 1;
    while (number <= entries && ListsPhoneEntry(number))
        ++number;
    if (number > entries)
        return Fail(tr("Not enough space!"));
    TerminateCalendarTexts(m_phoneRecord);
    if (!CallEntry(m_pSetVCS, &m_phoneRecord, int32_t(number)))
        return Fail(tr("Unable to write calendar!"));
    CalendarRecord written{};
    if (CallEntry(m_pGetVCS, &written, int32_t(number))) {
        TerminateCalendarTexts(written);
        m_phoneRecord = written;
    } else {
        m_phoneRecord.index = number;
    }
    m_phoneList.append(m_phoneRecord);
    return 1;
}

// Only an entry of the list shown is changed: an index of no listed entry
// (0 above all, which the module takes for a new entry) writes nothing.
int CCalendarData::ModifyPhone()
{
    ForgetListOfAnotherPhone();
    if (!g_bConnected.load())
        return 0;
    if (m_phoneRecord.index < 1 || !ListsPhoneEntry(m_phoneRecord.index))
        return Fail(tr(kListForgottenText));
    TerminateCalendarTexts(m_phoneRecord);
    if (!CallEntry(m_pSetVCS, &m_phoneRecord, m_phoneRecord.index))
        return Fail(tr("Unable to write calendar!"));
    for (CalendarRecord &record : m_phoneList) {
        if (record.index == m_phoneRecord.index)
            record = m_phoneRecord;
    }
    return 1;
}

int CCalendarData::DeletePhone()
{
    ForgetListOfAnotherPhone();
    if (!g_bConnected.load())
        return 0;
    for (const int position : m_selection) {
        if (position < 0 || position >= m_phoneList.size())
            return Fail(tr(kListForgottenText));
    }
    int result = 1;
    std::vector<int> deleted;
    for (const int position : m_selection) {
        if (!CallEntry(m_pClearVCS, m_phoneList[position].index)) {
            result = Fail(tr("Unable to delete calendar!"));
            break;
        }
        deleted.push_back(position);
    }
    RemovePositions(m_phoneList, deleted);
    return result;
}

// m_localList becomes what the file holds: nothing for a missing or empty
// file, nothing after a box.
int CCalendarData::LoadLocal(const QString &wrongTagText)
{
    CalendarList records;
    const LocalFileResult result = LocalFile().Load(records);
    for (CalendarRecord &record : records)
        TerminateCalendarTexts(record);
    m_localList = std::move(records);
    return result == LocalFileResult::EmptyFile || AcceptedByLocalFile(result, wrongTagText) ? 1 : 0;
}

int CCalendarData::ReadLocal()
{
    return LoadLocal(tr(kWrongTagText));
}

int CCalendarData::AppendLocal()
{
    if (!ReadLocal())
        return 0;
    TerminateCalendarTexts(m_localRecord);
    if (!AcceptedByLocalFile(LocalFile().Append(m_localRecord), tr(kWrongTagText)))
        return 0;
    m_localList.append(m_localRecord);
    return 1;
}

int CCalendarData::ModifyLocal()
{
    if (m_selection.empty())
        return 0;
    const CalendarList listed = m_localList;
    if (!ReadLocal())
        return 0;
    const int position = m_selection.front();
    TerminateCalendarTexts(m_localRecord);
    const LocalFileResult result = LocalFile().OverwriteListed(m_localList, listed, position, m_localRecord);
    if (!AcceptedByLocalFile(result, tr(kWrongTagText)))
        return 0;
    m_localList[position] = m_localRecord;
    return 1;
}

// The file's tag and records are checked before the list changes, so the
// list never loses records the file keeps.
int CCalendarData::DeleteLocal()
{
    const CalendarList listed = m_localList;
    if (!LoadLocal(tr("Unexceptable calendar format!")) || m_localList.isEmpty())
        return 0;
    const LocalFileResult result = LocalFile().RemoveListed(m_localList, listed, m_selection);
    return AcceptedByLocalFile(result, tr(kWrongTagText)) ? 1 : 0;
}

CCalendarData &TheCalendarData()
{
    static CCalendarData store;
    return store;
}

} // namespace orrin
