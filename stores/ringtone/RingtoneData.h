// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The ringtone store: the phone's four ringtone slots (5-block buffers; slot
// 1 is the phone's number 3 ... slot 4 number 0), the local copies
// "Ringtone%d.mid" of what a read found, and the upload of a local MIDI file
// into the phone's sound folder.

#include "stores/common/MediaData.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <array>

namespace orrin {

inline constexpr int kRingtoneSlots = 4;
inline constexpr int kAllRingtones = kRingtoneSlots + 1;

class CRingtoneData : public CMediaData {
    Q_DECLARE_TR_FUNCTIONS(CRingtoneData)

public:
    CRingtoneData();

    MediaBuffer &Ringtone(int slot) { return Buffer(slot); }

    // Prepares code 2 from a local MIDI file: selects the slot and fills its
    // buffer. False, with nothing changed, for a file over the buffer's 7200
    // bytes: the view shows "Sorry, too large ringtone!".
    bool TakeLocalRingtone(int slot, const QByteArray &file);
    // Prepares code 3: selects the slot and empties its buffer.
    void TakeClear(int slot);

    // After a read: the local copy of the slot's ringtone, empty for an empty
    // slot or a copy that could not be written (the store said so in a box).
    QString LocalCopyPath(int slot) const { return m_localCopies.at(size_t(slot - 1)); }
    static QString LocalCopyName(int slot);

    // "Ringtone was successfully uploaded to /Ringing tone." or "/Sounds.".
    QString UploadedMessage() const;

protected:
    void AfterRead() override;

private:
    std::array<QString, kRingtoneSlots> m_localCopies;
};

// The global ringtone store.
CRingtoneData &TheRingtoneData();

} // namespace orrin
