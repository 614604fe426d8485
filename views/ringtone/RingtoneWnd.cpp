// SPDX-License-Identifier: GPL-2.0-or-later
#include "views/ringtone/RingtoneWnd.h"

#include "link/MessageBox.h"
#include "link/Messages.h"
#include "link/SharedState.h"
#include "link/Translated.h"
#include "stores/ringtone/RingtoneData.h"
#include "ui/PlayerWidget.h"
#include "ui/TaskPane.h"
#include "ui/Tile.h"
#include "views/common/ViewFrame.h"

#include <QFileIconProvider>
#include <QPainter>

#include <algorithm>

namespace orrin {
namespace {

constexpr int kIconSize = 32;
constexpr int kShownIconSize = 48;

const MenuItem kUploadItem{QStringLiteral(QT_TRANSLATE_NOOP("CTaskPane", "Upload to phone")), ID_RINGTONE_UPLOAD};
const MenuItem kClearItem{QStringLiteral(QT_TRANSLATE_NOOP("CTaskPane", "Clear ringtone")), ID_RINGTONE_CLEAR};

MediaViewLook RingtoneLook()
{
    return {{kRingtoneMenu,
             {{QStringLiteral(QT_TRANSLATE_NOOP("CTaskPane", "Ringtone")),
               {{QStringLiteral(QT_TRANSLATE_NOOP("CTaskPane", "Read from phone")), ID_RINGTONE_READ_PHONE},
                {QStringLiteral(QT_TRANSLATE_NOOP("CTaskPane", "Read from local")), ID_RINGTONE_READ_LOCAL}}}}},
            QStringLiteral(QT_TRANSLATE_NOOP("orrin::CMediaWnd", "Ringtone")),
            QStringLiteral(QT_TRANSLATE_NOOP("orrin::CMediaWnd", "Phone Ringtone")),
            QStringLiteral(QT_TRANSLATE_NOOP("orrin::CMediaWnd", "Local Ringtone")),
            QStringLiteral(QT_TRANSLATE_NOOP("orrin::CMediaWnd", "Please select a MIDI music folder")),
            QStringLiteral("*.mid"),
            WM_RINGTONE_DONE,
            WM_RINGTONE_UPLOADED};
}

// The file type's icon on white, drawn once per tile.
QImage FileIcon(const QString &path)
{
    QImage icon(kIconSize, kIconSize, QImage::Format_RGB32);
    icon.fill(Qt::white);
    QPainter painter(&icon);
    QFileIconProvider().icon(QFileInfo(path)).paint(&painter, icon.rect());
    return icon;
}

// A tone with its file shows the file's icon; a slot without one its caption in grey.
class CRingtoneTile : public CTile {
public:
    CRingtoneTile(const QString &caption, const QString &path)
        : CTile(caption), m_strPath(path), m_icon(path.isEmpty() ? QImage() : FileIcon(path))
    {
    }
    QString Path() const { return m_strPath; }

protected:
    void DrawBody(QPainter &painter, const QRect &body) const override
    {
        if (m_strPath.isEmpty()) {
            DrawEmptyCaption(painter, body, 10, 25);
            return;
        }
        const QPoint centre = body.center();
        const QRect target(centre.x() - kShownIconSize / 2, centre.y() - kShownIconSize / 2, kShownIconSize,
                           kShownIconSize);
        painter.drawImage(target, m_icon);
    }

private:
    QString m_strPath;
    QImage m_icon;
};

} // namespace

CRingtoneWnd::CRingtoneWnd(QWidget *parent)
    : CMediaWnd(RingtoneLook(), kRingtoneGridStyle, TheRingtoneData(), parent), m_store(TheRingtoneData())
{
    RegisterStore(m_store);
    AddViewKeys(*TaskPane(), {.readPhone = ID_RINGTONE_READ_PHONE, .remove = ID_RINGTONE_CLEAR});
}

bool CRingtoneWnd::OnCommand(int id)
{
    if (id >= ID_RINGTONE_STORE_1 && id < ID_RINGTONE_STORE_1 + kRingtoneSlots) {
        OnStoreAs(id - ID_RINGTONE_STORE_1 + 1);
        return true;
    }
    switch (id) {
    case ID_RINGTONE_READ_PHONE: ReadFromPhone(kAllRingtones, tr("Reading Ringtone")); return true;
    case ID_RINGTONE_READ_LOCAL: ReadFromLocal(); return true;
    case ID_RINGTONE_CLEAR: OnClearRingtone(); return true;
    case ID_RINGTONE_UPLOAD:
        if (PhoneReady())
            UploadSelected();
        return true;
    default: return false;
    }
}

void CRingtoneWnd::MakePhoneTiles(CMediaGrid &grid)
{
    for (int slot = 1; slot <= kRingtoneSlots; ++slot)
        grid.Add(new CRingtoneTile(tr("Ringtone%1").arg(slot), m_store.LocalCopyPath(slot)));
}

void CRingtoneWnd::MakeLocalTiles(CMediaGrid &grid)
{
    const QStringList paths = LocalPaths();
    const QStringList names = LocalNames();
    for (int i = 0; i < paths.size(); ++i)
        grid.Add(new CRingtoneTile(names[i], paths[i]));
}

QList<MenuItem> CRingtoneWnd::TileOperations(int index) const
{
    if (index < 0)
        return {};
    if (ShowsPhone())
        return {kClearItem};
    if (!ShowsLocal())
        return {};
    QList<MenuItem> items{kUploadItem};
    for (int slot = 1; slot <= kRingtoneSlots; ++slot)
        items << MenuItem{tr("Store as ringtone %1").arg(slot), ID_RINGTONE_STORE_1 + slot - 1};
    return items;
}

// One player at most, for the local tone clicked last; it never starts by itself.
void CRingtoneWnd::AfterClick(CTile *clicked)
{
    DropPlayer();
    const auto *tile = static_cast<const CRingtoneTile *>(clicked);
    if (!ShowsLocal() || !tile || tile->Path().isEmpty())
        return;
    m_pPlayer = new CPlayerWidget(TaskPane());
    m_pPlayer->setObjectName(QStringLiteral("Player"));
    m_pPlayer->Load(tile->Path());
    m_pPlayer->setGeometry(QRect(PlayerPlace(), CPlayerWidget::kSize));
    m_pPlayer->show();
}

void CRingtoneWnd::BeforeRebuild()
{
    DropPlayer();
}

QString CRingtoneWnd::UploadedMessage() const
{
    return m_store.UploadedMessage();
}

void CRingtoneWnd::DropPlayer()
{
    delete m_pPlayer;
}

// Below the pane's last group, so the player never hides a link.
QPoint CRingtoneWnd::PlayerPlace() const
{
    const CTaskPane &pane = *TaskPane();
    const CTaskGroup *last = pane.Group(pane.GroupCount() - 1);
    const int below = last ? last->Rect().bottom() + 1 + CTaskPane::kGap : 0;
    return {kPlayerPlace.x(), std::max(kPlayerPlace.y(), below)};
}

// Only a local file that fits a slot's buffer goes up; a phone slot is never
// copied into another.
void CRingtoneWnd::OnStoreAs(int slot)
{
    if (!PhoneReady() || !ShowsLocal())
        return;
    const std::optional<QByteArray> file = ReadSelectedFile(m_store.Ringtone(slot).Capacity());
    if (!file)
        return;
    if (!m_store.TakeLocalRingtone(slot, *file)) {
        MessageBox(this, Translated("orrin::CRingtoneWnd", kTooLarge));
        return;
    }
    Begin(kMediaWrite, tr("Setting Ringtone"));
}

// Only a phone slot the user picked is cleared.
void CRingtoneWnd::OnClearRingtone()
{
    const int index = Grid()->SelectedIndex();
    if (!PhoneReady() || !ShowsPhone() || index < 0)
        return;
    m_store.TakeClear(index + 1);
    g_nMemory.store(kPhoneMemory);
    Begin(kMediaClear, tr("Clearing Ringtone"));
}

} // namespace orrin
