// SPDX-License-Identifier: GPL-2.0-or-later
#include "stores/sms/SMSData.h"

#include "link/MessageBox.h"
#include "link/Messages.h"
#include "link/SharedState.h"
#include "link/WaitText.h"
#include "stores/common/LocalFileFormats.h"
#include "stores/common/LocalRecordFile.h"
#include "stores/common/RecordList.h"
#include "stores/common/StoreFailure.h"

#include <algorithm>
#include <vector>

namespace orrin {
namespace {


TLocalRecordFile<SmsRecord> LocalFile()
{
    return {CSMSData::LocalFilePath(), kSmsFile.format};
}

bool AcceptedByLocalFile(LocalFileResult result)
{
    return orrin::AcceptedByLocalFile(result, CSMSData::tr("Unexceptable SMS format!"));
}

// A SIM card numbers its messages in one byte and the phone memories of
// these models hold a few hundred: no list goes further, whatever a phone
// claims.
constexpr int kMaxMessages = 1000;

const char *const kListForgottenText =
    QT_TRANSLATE_NOOP("CSMSData", "The messages shown are no longer the phone's.\nPlease read the messages again.");

// How the phone-side lists show a number: with "+" in front.
QString ListedNumber(const QString &recipient)
{
    return recipient.isEmpty() || recipient.startsWith(u'+') ? recipient : u'+' + recipient;
}

using Operation = int (CSMSData::*)();

// Codes 1, 2 and 4 (3 does nothing).
constexpr Operation kPhoneOperations[] = {&CSMSData::ReadPhone, &CSMSData::SavePhone, nullptr,
                                          &CSMSData::DeletePhone};
constexpr Operation kLocalOperations[] = {&CSMSData::ReadLocal, &CSMSData::AppendLocal, nullptr,
                                          &CSMSData::DeleteLocal};

} // namespace

CSMSData::CSMSData()
{
    ORRIN_FETCH_MOBILE(SendShortMessage);
    ORRIN_FETCH_MOBILE(SetSMSMemoGetSMSNum);
    ORRIN_FETCH_MOBILE(ListShortMessage);
    ORRIN_FETCH_MOBILE(SaveShortMessage);
    ORRIN_FETCH_MOBILE(GetSMSSpace);
    ORRIN_FETCH_MOBILE(DeleteShortMessage);
}

void CSMSData::RunOperation(QObject *view, int code)
{
    if (code < kSmsRead || code > kSmsSync)
        return;
    if (code == kSmsSend) {
        const int sent = SendMessages();
        g_nCommand.store(0);
        PostMessageTo(view, WM_SMS_SENT, sent ? kSmsSentOk : kSmsSentFailed);
        return;
    }
    const int result = code == kSmsSync ? SyncToLocal() : RunOnMemory(code);
    EndOperation(view, WM_SMS_DONE, result);
}

int CSMSData::RunOnMemory(int code)
{
    if (code == kSmsNothing)
        return 1;
    return RunOnMemoryOf(*this, kPhoneOperations, kLocalOperations, code, true);
}

QString CSMSData::LocalFilePath()
{
    return LocalDataFilePath(QLatin1String(kSmsFile.fileName));
}

void CSMSData::ForgetListsOfAnotherPhone()
{
    if (!IsAnotherPhone())
        return;
    m_workList.clear();
    m_phoneList.clear();
    m_simList.clear();
    m_phoneRead = false;
    m_simRead = false;
    m_capacity = 0;
}

// Every message exchange starts here: the number of messages in the memory
// of g_nMemory, or nothing when not connected (no text) or when the phone
// would not select or size the memory.
std::optional<CSMSData::MemorySize> CSMSData::SelectMemory()
{
    ForgetListsOfAnotherPhone();
    if (!g_bConnected.load())
        return std::nullopt;
    const int count = CallEntry(m_pSetSMSMemoGetSMSNum, MemoryText());
    if (count < 0) {
        Fail(AboutMemory(QT_TRANSLATE_NOOP("StoreFailure", "Unable to open the %1 messages!")));
        return std::nullopt;
    }
    const int capacity = CallEntry(m_pGetSMSSpace, MemoryText());
    if (capacity < 0) {
        Fail(AboutMemory(QT_TRANSLATE_NOOP("StoreFailure", "Unable to read the size of the %1 messages!")));
        return std::nullopt;
    }
    return MemorySize{std::min(count, kMaxMessages), capacity};
}

int CSMSData::ReadPhone()
{
    const std::optional<MemorySize> size = SelectMemory();
    if (!size)
        return 0;
    SmsList read(size->count, SmsRecord{});
    if (size->count > 0) {
        if (!CallEntry(m_pListShortMessage, read.data(), int32_t(size->count)))
            return Fail(AboutMemory(QT_TRANSLATE_NOOP("StoreFailure", "Unable to read the %1 messages!")));
        for (SmsRecord &record : read)
            TerminateSmsTexts(record);
    } else {
        g_strLastError.Set(tr("No SMS found!"));
    }
    g_nProgress.store(100);
    m_capacity = size->capacity;
    m_workList = std::move(read);
    MarkMemoryRead();
    CopyMemoryList(ListExchange::Save);
    return 1;
}

// A number the record cannot hold whole is refused before anything is saved
// or sent.
bool CSMSData::RecipientsFitTheRecord()
{
    for (const QString &recipient : std::as_const(m_recipients)) {
        if (recipient.toLocal8Bit().size() > kSmsNumberLimit) {
            Fail(tr("The number %1 is too long (at most %2 digits).").arg(recipient).arg(kSmsNumberLimit));
            return false;
        }
    }
    return true;
}

int CSMSData::SavePhone()
{
    if (!RecipientsFitTheRecord())
        return 0;
    const std::optional<MemorySize> size = SelectMemory();
    if (!size)
        return 0;
    m_capacity = size->capacity;
    int count = size->count;
    if (!(g_nMemory.load() == kPhoneMemory ? m_phoneRead : m_simRead)) {
        SetWaitText(tr("Reading SMS"));
        if (!ReadPhone())
            return 0;
        SetWaitText(tr("Saving SMS"));
        count = int(m_workList.size());
    }
    CopyMemoryList(ListExchange::Load);
    if (m_recipients.size() + count > m_capacity)
        return Fail(tr("Storage is full"));
    TerminateSmsTexts(m_phoneRecord);
    int result = 1;
    for (const QString &recipient : std::as_const(m_recipients)) {
        const QByteArray number = recipient.toLocal8Bit();
        const int location = CallEntry(m_pSaveShortMessage, m_phoneRecord.content, number.constData(),
                                       m_phoneRecord.report, m_phoneRecord.validity, m_phoneRecord.handfree,
                                       m_phoneRecord.status);
        if (location <= 0) {
            result = Fail(location == 0 ? tr("Not enough space!")
                                        : tr("Failed to write SMS to mobilephone!"));
            continue;
        }
        SmsRecord saved = m_phoneRecord;
        saved.location = location;
        SetSmsNumber(saved, ListedNumber(recipient));
        m_workList.append(saved);
    }
    CopyMemoryList(ListExchange::Save);
    return result;
}

int CSMSData::DeletePhone()
{
    const std::optional<MemorySize> size = SelectMemory();
    if (!size)
        return 0;
    m_capacity = size->capacity;
    for (const int position : m_selection) {
        if (position < 0 || position >= m_workList.size())
            return Fail(tr(kListForgottenText));
    }
    int result = 1;
    std::vector<int> deleted;
    for (const int position : m_selection) {
        if (!CallEntry(m_pDeleteShortMessage, m_workList[position].location)) {
            result = Fail(tr("Unable to delete SMS!"));
            break;
        }
        deleted.push_back(position);
    }
    RemovePositions(m_workList, deleted);
    CopyMemoryList(ListExchange::Save);
    return result;
}

// Every recipient is tried; one refusal fails the whole send. Nothing sent
// joins a list.
int CSMSData::SendMessages()
{
    if (!g_bConnected.load())
        return 0;
    if (m_recipients.isEmpty())
        return Fail(tr("No phone number was given."));
    if (!RecipientsFitTheRecord())
        return 0;
    TerminateSmsTexts(m_sendRecord);
    int result = 1;
    for (const QString &recipient : std::as_const(m_recipients)) {
        const QByteArray number = recipient.toLocal8Bit();
        if (!CallEntry(m_pSendShortMessage, m_sendRecord.content, number.constData(), m_sendRecord.report,
                       m_sendRecord.validity, m_sendRecord.handfree)) {
            result = Fail(tr("Failed to send SMS!"));
        }
    }
    return result;
}

void CSMSData::MarkMemoryRead()
{
    (g_nMemory.load() == kPhoneMemory ? m_phoneRead : m_simRead) = true;
}

void CSMSData::CopyMemoryList(ListExchange direction)
{
    ExchangeLists(direction, ListOfMemory(g_nMemory.load(), m_phoneList, m_simList), m_workList);
}

// m_localList always becomes what the file of the current phone type holds:
// nothing for a missing or empty file, nothing after a box.
int CSMSData::ReadLocal()
{
    SmsList records;
    const LocalFileResult result = LocalFile().Load(records);
    for (SmsRecord &record : records)
        TerminateSmsTexts(record);
    m_localList = std::move(records);
    return result == LocalFileResult::EmptyFile || AcceptedByLocalFile(result) ? 1 : 0;
}

// One copy of m_localRecord per recipient, each with the recipient's number.
int CSMSData::AppendLocal()
{
    if (!RecipientsFitTheRecord()) {
        MessageBox(nullptr, g_strLastError.Get());
        return 0;
    }
    if (!ReadLocal())
        return 0;
    TerminateSmsTexts(m_localRecord);
    SmsList added;
    for (const QString &recipient : std::as_const(m_recipients)) {
        SmsRecord record = m_localRecord;
        SetSmsNumber(record, recipient);
        added.append(record);
    }
    if (added.isEmpty() || !AcceptedByLocalFile(LocalFile().Append(std::span(added.constData(), added.size()))))
        return 0;
    m_localList.append(added);
    return 1;
}

// The file is read and its tag checked before the list changes, so the two
// never disagree; only the messages the view listed at those positions go.
int CSMSData::DeleteLocal()
{
    const SmsList listed = m_localList;
    if (!ReadLocal() || m_localList.isEmpty())
        return 0;
    const LocalFileResult result = LocalFile().RemoveListed(m_localList, listed, m_selection);
    return AcceptedByLocalFile(result) ? 1 : 0;
}

// Appends every message of m_workList missing from the file, in one write.
void CSMSData::MergeIntoLocal()
{
    if (!ReadLocal())
        return;
    const SmsList missing = MissingRecords(m_workList, m_localList, SameSms);
    if (missing.isEmpty() || !AcceptedByLocalFile(LocalFile().Append(std::span(missing.constData(), missing.size()))))
        return;
    m_localList.append(missing);
}

int CSMSData::SyncToLocal()
{
    const int result = SyncMemory(kPhoneMemory) ? SyncMemory(kSimCard) : 0;
    g_nMemory.store(kLocalFile);
    return result;
}

// Messages are copied only from a memory that was just read.
int CSMSData::SyncMemory(int memory)
{
    g_nMemory.store(memory);
    const int read = ReadPhone();
    if (read)
        MergeIntoLocal();
    return read;
}

CSMSData &TheSMSData()
{
    static CSMSData store;
    return store;
}

} // namespace orrin
