// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What the picture and the ringtone store share: numbered phone slots, each
// with its MediaBuffer, read, written and cleared through the Mobile module,
// and the upload of a local file into the phone's folder of that kind over
// OBEX, with the replace question for a file of the same name.
//
// The view fills the buffers, m_nSelector, m_strLocalPath and m_strFileName
// before it writes a command code, and reads the buffers only after the
// store's completion message.

#include "link/MobileLink.h"
#include "stores/common/MediaBuffer.h"

#include <QCoreApplication>
#include <QObject>
#include <QString>

#include <type_traits>
#include <vector>

namespace orrin {

// Command codes of both media stores.
enum MediaCommand : int {
    kMediaRead = 1,   // every slot the selector names (the "all" selector: every slot)
    kMediaWrite = 2,  // the selected slot's buffer to the phone
    kMediaClear = 3,  // the selected slot on the phone
    kMediaUpload = 4, // m_strLocalPath into the phone's folder as m_strFileName
};

inline const QString kReplaceQuestion = QStringLiteral(
    QT_TRANSLATE_NOOP("CMediaData", "A file with the same name already exist.\nWould you like to replace it?"));

struct MediaSlot {
    int32_t number;   // the phone's number of the object
    const char *name; // how the failure texts name it
};

// Everything that tells a picture store from a ringtone store.
struct MediaKind {
    int blocks;                   // of every buffer
    std::vector<MediaSlot> slotList; // selector 1 is the first
    const char *getEntry;         // the Mobile entry points, all of one signature
    const char *setEntry;
    const char *clearEntry;
    int doneMessage;
    int uploadedMessage;
    const char *olderFolder; // the upload folder by phone family
    const char *newerFolder;
    const char *shownName; // "pictures": what the view's phone tiles show
};

class CMediaData : public CMobileLink {
    Q_DECLARE_TR_FUNCTIONS(CMediaData)

public:
    // Codes 1 to 3 post the kind's done message to the view, or
    // WM_OPERATION_FAILED to the main frame with the reason in
    // g_strLastError; code 4 posts the uploaded message, the done message
    // when the user kept the phone's file, or WM_OPERATION_FAILED. The slot
    // is cleared first. Other codes return at once.
    void RunOperation(QObject *view, int code) override;

    // Only with g_nMemory 1 (anything else succeeds untouched); every buffer
    // starts empty, a slot the phone does not give stays empty with the
    // reason in g_strLastError, and the read still succeeds.
    int ReadPhone();
    // Set g_nMemory to 1; a selector outside the slots succeeds without a call.
    int WritePhone();
    int ClearPhone();
    // The file goes up only when every file entry of its name that the user
    // was asked about may be replaced, and after a listing the phone gave.
    // A step the phone failed leaves its reason in g_strLastError.
    enum class UploadResult { Uploaded, Kept, Failed };
    UploadResult Upload();

    // "Bitmap" / "Ringing tone" style folder of the phone family.
    QString UploadFolder() const;
    int SlotCount() const { return int(m_kind.slotList.size()); }
    // The selector that reads every slot.
    int AllSlots() const { return SlotCount() + 1; }
    // The buffer of selector 1 .. SlotCount().
    MediaBuffer &Buffer(int selector) { return m_buffers.at(size_t(selector - 1)); }
    const MediaBuffer &Buffer(int selector) const { return m_buffers.at(size_t(selector - 1)); }

    int m_nSelector = 0;
    QString m_strLocalPath;
    QString m_strFileName;

protected:
    explicit CMediaData(MediaKind kind);
    // After every read from the phone, on the worker.
    virtual void AfterRead() {}
    // Chooses the slot of code 2 or 3. What a phone tile asks for (its picture
    // set elsewhere, or cleared) is taken only while the last read is of the
    // phone connected now: after a reconnect the tiles may show another one.
    void SelectSlot(int selector, bool fromPhoneRead);

private:
    using GetMedia = decltype(::GetPicture);
    using SetMedia = decltype(::SetPicture);
    using ClearMedia = decltype(::ClearPicture);

    int RunOnSlots(int code);
    bool ReadSlot(int selector);
    const MediaSlot *SelectedSlot() const;
    bool MayReplaceAll(const std::vector<FolderEntry> &entries);
    UploadResult UploadFailed() const;
    // On the worker: false, with the buffers forgotten and the reason given,
    // when the chosen slot rests on a read of another phone.
    bool SelectionIsOfThisPhone();

    MediaKind m_kind;
    std::vector<MediaBuffer> m_buffers;
    bool m_bFromPhoneRead = false; // set with the slot, before the code
    enum class LastRead { None, OfThisPhone, OfAnotherPhone } m_lastRead = LastRead::None; // on the worker

    GetMedia *m_pGetMedia = nullptr;
    SetMedia *m_pSetMedia = nullptr;
    ClearMedia *m_pClearMedia = nullptr;
    decltype(::GetRoot) *m_pGetRoot = nullptr;
    decltype(::GetChild) *m_pGetChild = nullptr;
    decltype(::SendFile) *m_pSendFile = nullptr;
    decltype(::GetFolderFileNum) *m_pGetFolderFileNum = nullptr;
    decltype(::ListingCurrentFolder) *m_pListingCurrentFolder = nullptr;
    decltype(::DeleteFolderFile) *m_pDeleteFolderFile = nullptr;
};

static_assert(std::is_same_v<decltype(::GetPicture), decltype(::GetRingTone)> &&
              std::is_same_v<decltype(::SetPicture), decltype(::SetRingTone)> &&
              std::is_same_v<decltype(::ClearPicture), decltype(::ClearRingTone)>);

} // namespace orrin
