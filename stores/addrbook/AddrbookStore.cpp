// SPDX-License-Identifier: GPL-2.0-or-later
#include "stores/addrbook/AddrbookStore.h"

#include "link/Messages.h"
#include "link/SharedState.h"
#include "link/Translated.h"
#include "stores/addrbook/AddrbookRecord.h"
#include "stores/common/RecordList.h"
#include "stores/common/StoreFailure.h"

#include <span>

namespace orrin {
namespace {

const char *const kUnreadableText = QT_TRANSLATE_NOOP("TAddrbookStore", "Unable to read the address book!");

} // namespace

template <typename Record>
TAddrbookStore<Record>::TAddrbookStore(const Binding &binding)
    : m_fileName(QString::fromLatin1(binding.fileName)), m_format(binding.format), m_same(binding.same),
      m_doneMessage(binding.doneMessage)
{
    ORRIN_FETCH_MOBILE(GetAddressBookNum);
    m_pGetEntry = FetchMobile<PhoneFlag(Record *, int32_t)>(binding.getEntry);
    m_pSetEntry = FetchMobile<PhoneFlag(const Record *, int32_t)>(binding.setEntry);
    m_pClearEntry = FetchMobile<PhoneFlag(int32_t)>(binding.clearEntry);
}

template <typename Record>
void TAddrbookStore<Record>::RunOperation(QObject *view, int code)
{
    if (code < kAddrbookRead || code > kAddrbookSync)
        return;
    const int result = code == kAddrbookSync ? Synchronise() : RunOnMemory(code);
    EndOperation(view, m_doneMessage, result);
}

template <typename Record>
int TAddrbookStore<Record>::RunOnMemory(int code)
{
    using Self = TAddrbookStore<Record>;
    using Operation = int (Self::*)();
    // Codes 1 to 4, in order.
    static constexpr Operation kPhoneOperations[] = {&Self::ReadPhone, &Self::WritePhoneNew, &Self::ModifyPhone,
                                                     &Self::DeletePhone};
    static constexpr Operation kLocalOperations[] = {&Self::ReadLocal, &Self::AppendLocal, &Self::ModifyLocal,
                                                     &Self::DeleteLocal};
    return RunOnMemoryOf(*this, kPhoneOperations, kLocalOperations, code, false);
}

// Entries are copied only from a phone that was just read.
template <typename Record>
int TAddrbookStore<Record>::Synchronise()
{
    g_nMemory.store(kPhoneMemory);
    if (!ReadPhone())
        return 0;
    if (ReadLocal())
        SyncToLocal();
    return 1;
}

template <typename Record>
bool TAddrbookStore<Record>::ReadyForPhone()
{
    if (IsAnotherPhone())
        ForgetPhoneList();
    return g_bConnected.load() != 0;
}

template <typename Record>
void TAddrbookStore<Record>::ForgetPhoneList()
{
    m_phoneList.clear();
}

template <typename Record>
std::optional<int> TAddrbookStore<Record>::EntryCount(const QString &failureText)
{
    const int count = CallEntry(m_pGetAddressBookNum);
    if (count < 0) {
        Fail(failureText);
        return std::nullopt;
    }
    return count;
}

template <typename Record>
int TAddrbookStore<Record>::ReadPhone()
{
    const int read = ReadPhoneList();
    if (read)
        MergeLists();
    return read;
}

template <typename Record>
int TAddrbookStore<Record>::ReadPhoneList()
{
    if (!ReadyForPhone())
        return 0;
    const std::optional<int> count = EntryCount(tr(kUnreadableText));
    if (!count)
        return 0;
    std::optional<List> read = ScanSlots(*count);
    if (!read)
        return Fail(tr(kUnreadableText));
    m_phoneList = std::move(*read);
    if (*count < 1)
        g_strLastError.Set(QCoreApplication::translate("TAddrbookStore", "No Addrbook found!"));
    return 1;
}

// Slots from 0 until the counted entries are found, empty slots skipped. A
// phone may yield fewer than it counts, so the scan also ends at the bound;
// a phone that counts entries and yields none could not be read.
template <typename Record>
std::optional<typename TAddrbookStore<Record>::List> TAddrbookStore<Record>::ScanSlots(int count)
{
    List read;
    for (int slot = 0; read.size() < count && slot < kMaxAddrbookSlots; ++slot) {
        Record record{};
        if (!CallEntry(m_pGetEntry, &record, int32_t(slot)))
            continue;
        TerminateAddrbookTexts(record);
        record.index = slot;
        read.append(record);
        g_nProgress.store(int(100 * qint64(slot) / count));
    }
    if (count > 0 && read.isEmpty())
        return std::nullopt;
    return read;
}

template <typename Record>
const Record *TAddrbookStore<Record>::ListedPhoneRecord() const
{
    if (m_selection.empty())
        return nullptr;
    const int position = m_selection.front();
    if (position < 0 || position >= m_phoneList.size() || m_phoneList[position].index != m_phoneRecord.index)
        return nullptr;
    return &m_phoneList[position];
}

template <typename Record>
int TAddrbookStore<Record>::DeletePhone()
{
    if (!ReadyForPhone())
        return 0;
    for (const int position : m_selection) {
        if (position < 0 || position >= m_phoneList.size())
            return Fail(Translated("TAddrbookStore", kAddrbookListForgottenText));
    }
    for (const int position : m_selection) {
        if (!CallEntry(m_pClearEntry, int32_t(m_phoneList[position].index)))
            return Fail(QCoreApplication::translate("TAddrbookStore", "Unable to delete address book!"));
    }
    RemovePositions(m_phoneList, m_selection);
    return 1;
}

template <typename Record>
void TAddrbookStore<Record>::MergeLists()
{
    for (const List *source : {&m_phoneList, &m_localList}) {
        for (const Record &record : *source) {
            if (!ContainsSame(m_mergedList, record, m_same))
                m_mergedList.append(record);
        }
    }
}

template <typename Record>
void TAddrbookStore<Record>::SyncToLocal()
{
    const List missing = MissingRecords(m_phoneList, m_localList, m_same);
    if (missing.isEmpty()
        || !AcceptedByLocalFile(LocalFile().Append(std::span(missing.constData(), size_t(missing.size()))))) {
        return;
    }
    m_localList.append(missing);
}

template <typename Record>
QString TAddrbookStore<Record>::LocalFilePath() const
{
    return LocalDataFilePath(m_fileName);
}

template <typename Record>
TLocalRecordFile<Record> TAddrbookStore<Record>::LocalFile() const
{
    return {LocalFilePath(), m_format};
}

template <typename Record>
bool TAddrbookStore<Record>::AcceptedByLocalFile(LocalFileResult result) const
{
    return orrin::AcceptedByLocalFile(
        result, QCoreApplication::translate("TAddrbookStore", "Unexceptable telephone book format!"));
}

// m_localList always becomes what the file of the current phone type holds:
// nothing for a missing or empty file, nothing after a box.
template <typename Record>
int TAddrbookStore<Record>::ReadLocal()
{
    List records;
    const LocalFileResult result = LocalFile().Load(records);
    for (Record &record : records)
        TerminateAddrbookTexts(record);
    m_localList = std::move(records);
    MergeLists();
    return result == LocalFileResult::EmptyFile || AcceptedByLocalFile(result) ? 1 : 0;
}

template <typename Record>
int TAddrbookStore<Record>::AppendLocal()
{
    if (!ReadLocal())
        return 0;
    TerminateAddrbookTexts(m_localRecord);
    if (!AcceptedByLocalFile(LocalFile().Append(m_localRecord)))
        return 0;
    m_localList.append(m_localRecord);
    return 1;
}

// Writes m_localRecord over the record at m_selection's first position, when
// the file still holds there the record the view listed. The list keeps the
// file's old record: the older family's view puts the new one in its place.
template <typename Record>
int TAddrbookStore<Record>::ModifyLocal()
{
    if (m_selection.empty())
        return 0;
    const List listed = m_localList;
    if (!ReadLocal())
        return 0;
    const int position = m_selection.front();
    TerminateAddrbookTexts(m_localRecord);
    const LocalFileResult result = LocalFile().OverwriteListed(m_localList, listed, position, m_localRecord);
    return AcceptedByLocalFile(result) ? 1 : 0;
}

// The list loses the selected records only once the file has.
template <typename Record>
int TAddrbookStore<Record>::DeleteLocal()
{
    const List listed = m_localList;
    if (!ReadLocal() || m_selection.empty())
        return 0;
    const LocalFileResult result = LocalFile().RemoveListed(m_localList, listed, m_selection);
    return AcceptedByLocalFile(result) ? 1 : 0;
}

template class TAddrbookStore<AddrbookRecord>;
template class TAddrbookStore<S57AddrbookRecord>;

} // namespace orrin
