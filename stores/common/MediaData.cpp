// SPDX-License-Identifier: GPL-2.0-or-later
#include "stores/common/MediaData.h"

#include "link/MessageBox.h"
#include "link/Messages.h"
#include "link/SharedState.h"
#include "link/Translated.h"
#include "stores/common/StoreFailure.h"

#include <cstring>

namespace orrin {
namespace {

// The phone's picture and sound folders hold a few dozen files; a count far
// beyond that is no listing to allocate for.
constexpr int32_t kMaxFolderEntries = 4096;

QString AboutSlot(const char *pattern, const MediaSlot &slot)
{
    return CMediaData::tr(pattern).arg(CMediaData::tr(slot.name));
}

// The entry's name as the phone gave it, never read past its field.
QByteArray EntryName(const FolderEntry &entry)
{
    return QByteArray(entry.name, int(strnlen(entry.name, sizeof entry.name)));
}

} // namespace

CMediaData::CMediaData(MediaKind kind)
    : m_kind(std::move(kind)), m_buffers(m_kind.slotList.size(), MediaBuffer(m_kind.blocks))
{
    m_pGetMedia = FetchMobile<GetMedia>(m_kind.getEntry);
    m_pSetMedia = FetchMobile<SetMedia>(m_kind.setEntry);
    m_pClearMedia = FetchMobile<ClearMedia>(m_kind.clearEntry);
    ORRIN_FETCH_OBEX(GetRoot);
    ORRIN_FETCH_OBEX(GetChild);
    ORRIN_FETCH_OBEX(SendFile);
    ORRIN_FETCH_OBEX(GetFolderFileNum);
    ORRIN_FETCH_OBEX(ListingCurrentFolder);
    ORRIN_FETCH_OBEX(DeleteFolderFile);
}

void CMediaData::RunOperation(QObject *view, int code)
{
    if (code < kMediaRead || code > kMediaUpload)
        return;
    if (code == kMediaUpload) {
        const UploadResult result = Upload();
        if (result == UploadResult::Failed) {
            EndOperation(view, m_kind.doneMessage, 0);
            return;
        }
        g_nCommand.store(0);
        PostMessageTo(view, result == UploadResult::Uploaded ? m_kind.uploadedMessage : m_kind.doneMessage);
        return;
    }
    const int result = RunOnSlots(code);
    EndOperation(view, m_kind.doneMessage, result);
}

int CMediaData::RunOnSlots(int code)
{
    switch (code) {
    case kMediaRead:
        return ReadPhone();
    case kMediaWrite:
        return WritePhone();
    default:
        return ClearPhone();
    }
}

int CMediaData::ReadPhone()
{
    if (g_nMemory.load() != kPhoneMemory)
        return 1;
    if (!g_bConnected.load())
        return 0;
    IsAnotherPhone();
    m_lastRead = LastRead::OfThisPhone;
    for (MediaBuffer &buffer : m_buffers)
        buffer.Clear();
    for (int selector = 1; selector <= SlotCount(); ++selector) {
        if ((m_nSelector == selector || m_nSelector == AllSlots()) && !ReadSlot(selector))
            Fail(AboutSlot(QT_TRANSLATE_NOOP("CMediaData", "An error occurs when reading %1!"),
                           m_kind.slotList[size_t(selector - 1)]));
        g_nProgress.store(selector * 100 / SlotCount());
    }
    AfterRead();
    return 1;
}

bool CMediaData::ReadSlot(int selector)
{
    MediaBuffer &buffer = Buffer(selector);
    int32_t length = 0;
    const int32_t number = m_kind.slotList[size_t(selector - 1)].number;
    if (!CallEntry(m_pGetMedia, number, buffer.Data(), buffer.Blocks(), &length)) {
        buffer.Clear();
        return false;
    }
    return buffer.TakeLength(length);
}

void CMediaData::SelectSlot(int selector, bool fromPhoneRead)
{
    m_nSelector = selector;
    m_bFromPhoneRead = fromPhoneRead;
}

bool CMediaData::SelectionIsOfThisPhone()
{
    if (IsAnotherPhone() && m_lastRead == LastRead::OfThisPhone)
        m_lastRead = LastRead::OfAnotherPhone;
    if (!m_bFromPhoneRead || m_lastRead != LastRead::OfAnotherPhone)
        return true;
    for (MediaBuffer &buffer : m_buffers)
        buffer.Clear();
    Fail(QStringLiteral("The %1 shown are no longer the phone's.\nPlease read the %1 again.")
             .arg(QLatin1String(m_kind.shownName)));
    return false;
}

const MediaSlot *CMediaData::SelectedSlot() const
{
    return m_nSelector >= 1 && m_nSelector <= SlotCount() ? &m_kind.slotList[size_t(m_nSelector - 1)] : nullptr;
}

int CMediaData::WritePhone()
{
    g_nMemory.store(kPhoneMemory);
    if (!g_bConnected.load())
        return 0;
    if (!SelectionIsOfThisPhone())
        return 0;
    const MediaSlot *slot = SelectedSlot();
    if (!slot)
        return 1;
    const MediaBuffer &buffer = Buffer(m_nSelector);
    if (!CallEntry(m_pSetMedia, slot->number, buffer.Data(), buffer.Length()))
        return Fail(AboutSlot(QT_TRANSLATE_NOOP("CMediaData", "An error occurs when setting %1!"), *slot));
    return 1;
}

int CMediaData::ClearPhone()
{
    g_nMemory.store(kPhoneMemory);
    if (!g_bConnected.load())
        return 0;
    if (!SelectionIsOfThisPhone())
        return 0;
    const MediaSlot *slot = SelectedSlot();
    if (!slot)
        return 1;
    if (!CallEntry(m_pClearMedia, slot->number))
        return Fail(AboutSlot(QT_TRANSLATE_NOOP("CMediaData", "An error occurs when setting %1!"), *slot));
    return 1;
}

QString CMediaData::UploadFolder() const
{
    return QString::fromLatin1(GetPhoneTypeCode() == PhoneFamily::Newer ? m_kind.newerFolder : m_kind.olderFolder);
}

CMediaData::UploadResult CMediaData::Upload()
{
    const QByteArray folder = UploadFolder().toLocal8Bit();
    if (!g_bConnected.load() || !CallEntry(m_pGetRoot) || !CallEntry(m_pGetChild, folder.constData()))
        return UploadFailed();
    const int32_t count = CallEntry(m_pGetFolderFileNum, folder.constData());
    if (count < 0 || count > kMaxFolderEntries)
        return UploadFailed();
    std::vector<FolderEntry> entries(size_t(count), FolderEntry{});
    // Without the phone's listing a file of the same name would be replaced
    // unasked: no listing, no upload.
    if (count > 0 && !CallEntry(m_pListingCurrentFolder, entries.data()))
        return UploadFailed();
    if (!MayReplaceAll(entries))
        return UploadResult::Kept;
    if (!CallEntry(m_pSendFile, m_strLocalPath.toLocal8Bit().constData()))
        return UploadFailed();
    return UploadResult::Uploaded;
}

CMediaData::UploadResult CMediaData::UploadFailed() const
{
    Fail(QStringLiteral("Unable to copy the file to the phone's folder /%1!").arg(UploadFolder()));
    return UploadResult::Failed;
}

// Asks once per file entry of the upload's name; a folder of that name is
// never replaced. No ends the scan with what was deleted so far.
bool CMediaData::MayReplaceAll(const std::vector<FolderEntry> &entries)
{
    const QByteArray name = m_strFileName.toLocal8Bit();
    for (const FolderEntry &entry : entries) {
        if (entry.kind != 0 || EntryName(entry) != name)
            continue;
        if (MessageBox(g_hMainWnd.Get(), Translated("CMediaData", kReplaceQuestion), tr("Warning"), BoxButtons::YesNo,
                       BoxIcon::Information) != kIdYes)
            return false;
        CallEntry(m_pDeleteFolderFile, &entry);
    }
    return true;
}

} // namespace orrin
