// SPDX-License-Identifier: GPL-2.0-or-later
#include "stores/ringtone/RingtoneData.h"

#include "link/MessageBox.h"
#include "link/Messages.h"
#include "stores/common/LocalRecordFile.h"

#include <QDir>
#include <QSaveFile>

namespace orrin {
namespace {

constexpr int kRingtoneBlocks = 5;
const char *const kSlotName = QT_TRANSLATE_NOOP("CMediaData", "ringtone");

MediaKind RingtoneKind()
{
    return {kRingtoneBlocks,
            {{3, kSlotName}, {2, kSlotName}, {1, kSlotName}, {0, kSlotName}},
            "GetRingTone",
            "SetRingTone",
            "ClearRingTone",
            WM_RINGTONE_DONE,
            WM_RINGTONE_UPLOADED,
            "Ringing tone",
            "Sounds",
            "ringtones"};
}

// The whole copy or none: an old copy stays as it was when the new one fails.
bool WriteWhole(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

} // namespace

CRingtoneData::CRingtoneData() : CMediaData(RingtoneKind()) {}

bool CRingtoneData::TakeLocalRingtone(int slot, const QByteArray &file)
{
    if (!Ringtone(slot).Fill(file))
        return false;
    SelectSlot(slot, false);
    return true;
}

void CRingtoneData::TakeClear(int slot)
{
    Ringtone(slot).Clear();
    SelectSlot(slot, true);
}

QString CRingtoneData::LocalCopyName(int slot)
{
    return QStringLiteral("Ringtone%1.mid").arg(slot);
}

QString CRingtoneData::UploadedMessage() const
{
    return tr("Ringtone was successfully uploaded to /%1.").arg(UploadFolder());
}

// Every ringtone read gets its copy; one that cannot be written is named in
// a box and the others are still written.
void CRingtoneData::AfterRead()
{
    for (int slot = 1; slot <= kRingtoneSlots; ++slot) {
        QString &copy = m_localCopies[size_t(slot - 1)];
        copy.clear();
        const MediaBuffer &buffer = Ringtone(slot);
        if (buffer.Length() == 0)
            continue;
        const QString path = LocalDataFilePath(LocalCopyName(slot));
        if (WriteWhole(path, buffer.Bytes()))
            copy = path;
        else
            MessageBox(nullptr, tr("Cannot write the file %1!").arg(QDir::toNativeSeparators(path)));
    }
}

CRingtoneData &TheRingtoneData()
{
    static CRingtoneData store;
    return store;
}

} // namespace orrin
