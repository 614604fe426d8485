// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The ringtone view: the phone's four ringtone slots, or the MIDI files of a
// local folder, as tiles. A local tone plays in the player under the task
// pane's groups, goes up into the phone's sound folder or into one of the
// four slots; a phone slot can be cleared.

#include "views/picture/MediaWnd.h"

#include <QPointer>

namespace orrin {

class CPlayerWidget;
class CRingtoneData;

constexpr int kRingtoneMenu = 144;

// Commands of the ringtone view.
enum RingtoneViewCommand : int {
    ID_RINGTONE_READ_PHONE = 32801,
    ID_RINGTONE_READ_LOCAL = 32802,
    ID_RINGTONE_CLEAR = 32804,
    ID_RINGTONE_STORE_1 = 32821, // ... ID_RINGTONE_STORE_1 + 3 for slot 4
    ID_RINGTONE_UPLOAD = 32829,
};

class CRingtoneWnd : public CMediaWnd {
    Q_OBJECT
public:
    // Where the player sits in the task pane when the groups leave room.
    static constexpr QPoint kPlayerPlace{10, 130};
    static inline const QString kTooLarge =
        QStringLiteral(QT_TRANSLATE_NOOP("orrin::CRingtoneWnd", "Sorry, too large ringtone!"));

    explicit CRingtoneWnd(QWidget *parent = nullptr);

    bool OnCommand(int id) override;

protected:
    void MakePhoneTiles(CMediaGrid &grid) override;
    void MakeLocalTiles(CMediaGrid &grid) override;
    QList<MenuItem> TileOperations(int index) const override;
    void AfterClick(CTile *clicked) override;
    void BeforeRebuild() override;
    QString UploadedMessage() const override;

private:
    void OnStoreAs(int slot);
    void OnClearRingtone();
    void DropPlayer();
    QPoint PlayerPlace() const;

    CRingtoneData &m_store;
    QPointer<CPlayerWidget> m_pPlayer;
};

} // namespace orrin
