// SPDX-License-Identifier: GPL-2.0-or-later
#include "views/picture/PictureWnd.h"

#include "link/MessageBox.h"
#include "link/Messages.h"
#include "link/SharedState.h"
#include "media/BitmapHeader.h"
#include "stores/picture/PictureData.h"
#include "ui/BitmapImage.h"
#include "ui/Tile.h"
#include "views/common/ViewFrame.h"

#include <QPainter>

namespace orrin {
namespace {

const char *const kMainScreenCaption = QT_TRANSLATE_NOOP("orrin::CPictureWnd", "Main screen");
const char *const kScreensaverCaption = QT_TRANSLATE_NOOP("orrin::CPictureWnd", "Screensaver");
const MenuItem kUploadItem{QStringLiteral(QT_TRANSLATE_NOOP("CTaskPane", "Upload to phone")), ID_PICTURE_UPLOAD};
const MenuItem kMainScreenItem{QStringLiteral(QT_TRANSLATE_NOOP("CTaskPane", "Set as main screen")),
                               ID_PICTURE_MAIN_SCREEN};
const MenuItem kScreensaverItem{QStringLiteral(QT_TRANSLATE_NOOP("CTaskPane", "Set as screensaver")),
                                ID_PICTURE_SCREENSAVER};
const MenuItem kClearItem{QStringLiteral(QT_TRANSLATE_NOOP("CTaskPane", "Clear picture")), ID_PICTURE_CLEAR};

// The phone tile of each picture: tile 0 the main screen, tile 1 the screensaver.
int TileOf(int target)
{
    return target == kMainScreen ? 0 : 1;
}

MediaViewLook PictureLook()
{
    return {{kPictureMenu,
             {{QStringLiteral(QT_TRANSLATE_NOOP("CTaskPane", "Picture")),
               {{QStringLiteral(QT_TRANSLATE_NOOP("CTaskPane", "Read from phone")), ID_PICTURE_READ_PHONE},
                {QStringLiteral(QT_TRANSLATE_NOOP("CTaskPane", "Read from local")), ID_PICTURE_READ_LOCAL}}}}},
            QStringLiteral(QT_TRANSLATE_NOOP("orrin::CMediaWnd", "Picture")),
            QStringLiteral(QT_TRANSLATE_NOOP("orrin::CMediaWnd", "Phone Picture")),
            QStringLiteral(QT_TRANSLATE_NOOP("orrin::CMediaWnd", "Local Picture")),
            QStringLiteral(QT_TRANSLATE_NOOP("orrin::CMediaWnd", "Please select a BMP picture folder")),
            QStringLiteral("*.bmp"),
            WM_PICTURE_DONE,
            WM_PICTURE_UPLOADED};
}

// A phone picture, decoded once; or a local bitmap, read from its file each
// time the tile is painted in sight, so the grid holds no pictures of files
// scrolled away and always shows the file as it is now.
class CPictureTile : public CTile {
public:
    CPictureTile(const QString &caption, const QImage &picture) : CTile(caption), m_picture(picture) {}
    CPictureTile(const QString &caption, const QString &path, const CMediaWnd::FileReader &reader)
        : CTile(caption), m_strPath(path), m_pReader(&reader)
    {
    }

protected:
    void DrawBody(QPainter &painter, const QRect &body) const override
    {
        const QImage picture = m_pReader ? LoadInSight() : m_picture;
        if (picture.isNull())
            DrawEmptyCaption(painter, body, 5, 20);
        else
            DrawFitted(painter, picture, body);
    }

private:
    bool InSight() const
    {
        const int clientHeight = parentWidget() ? parentWidget()->height() : 0;
        return Rect().top() + Rect().height() > CTile::kCaptionHeight - 1
            && Rect().top() <= clientHeight - CTile::kCaptionHeight;
    }

    QImage LoadInSight() const
    {
        if (!InSight())
            return {};
        const std::optional<QByteArray> file = (*m_pReader)(m_strPath, kMaxTileBitmapBytes);
        if (!file || file->size() > kMaxTileBitmapBytes)
            return {};
        return BitmapImage(*file);
    }

    QImage m_picture;
    QString m_strPath;
    const CMediaWnd::FileReader *m_pReader = nullptr;
};

} // namespace

CPictureWnd::CPictureWnd(QWidget *parent)
    : CMediaWnd(PictureLook(), kPictureGridStyle, ThePictureData(), parent),
      m_store(ThePictureData())
{
    RegisterStore(m_store);
    AddViewKeys(*TaskPane(), {.readPhone = ID_PICTURE_READ_PHONE, .remove = ID_PICTURE_CLEAR});
}

bool CPictureWnd::OnCommand(int id)
{
    switch (id) {
    case ID_PICTURE_READ_PHONE: ReadFromPhone(kBothPictures, tr("Reading picture")); return true;
    case ID_PICTURE_READ_LOCAL: ReadFromLocal(); return true;
    case ID_PICTURE_MAIN_SCREEN: OnSetPicture(kMainScreen); return true;
    case ID_PICTURE_SCREENSAVER: OnSetPicture(kScreensaver); return true;
    case ID_PICTURE_CLEAR: OnClearPicture(); return true;
    case ID_PICTURE_UPLOAD:
        if (PhoneReady())
            UploadSelected();
        return true;
    default: return false;
    }
}

void CPictureWnd::MakePhoneTiles(CMediaGrid &grid)
{
    grid.Add(new CPictureTile(tr(kMainScreenCaption), BitmapImage(m_store.MainScreen().Bytes())));
    grid.Add(new CPictureTile(tr(kScreensaverCaption), BitmapImage(m_store.Screensaver().Bytes())));
}

void CPictureWnd::MakeLocalTiles(CMediaGrid &grid)
{
    const QStringList paths = LocalPaths();
    const QStringList names = LocalNames();
    for (int i = 0; i < paths.size(); ++i)
        grid.Add(new CPictureTile(names[i], paths[i], Reader()));
}

QList<MenuItem> CPictureWnd::TileOperations(int index) const
{
    if (index < 0)
        return {};
    if (ShowsLocal())
        return {kUploadItem, kMainScreenItem, kScreensaverItem};
    if (!ShowsPhone())
        return {};
    return {index == TileOf(kMainScreen) ? kScreensaverItem : kMainScreenItem, kClearItem};
}

QString CPictureWnd::UploadedMessage() const
{
    return m_store.UploadedMessage();
}

// From the phone's other picture, or from a local bitmap the phone can show:
// anything else gets the size message and never reaches the phone.
void CPictureWnd::OnSetPicture(int target)
{
    if (!PhoneReady())
        return;
    const QString waitText = target == kMainScreen ? tr("Setting main screen")
                                                   : tr("Setting screensaver");
    if (ShowsPhone()) {
        const int other = target == kMainScreen ? kScreensaver : kMainScreen;
        if (Grid()->SelectedIndex() != TileOf(other))
            return;
        m_store.TakePhonePicture(target);
        Begin(kMediaWrite, waitText);
        return;
    }
    const std::optional<QByteArray> file = ReadSelectedFile(m_store.Buffer(target).Capacity());
    if (!file)
        return;
    const BitmapParse parse = ParseBitmap(*file);
    const PictureShape shape{parse.header.width, parse.header.height, parse.ok() ? parse.header.colourCount : 0};
    if (!m_store.TakeLocalPicture(target, shape, *file)) {
        MessageBox(this, CPictureData::SizeMessage(target));
        return;
    }
    Begin(kMediaWrite, waitText);
}

// Only a phone picture the user picked is cleared.
void CPictureWnd::OnClearPicture()
{
    const int index = Grid()->SelectedIndex();
    if (!PhoneReady() || !ShowsPhone() || index < 0)
        return;
    m_store.TakeClear(index == TileOf(kMainScreen) ? kMainScreen : kScreensaver);
    g_nMemory.store(kPhoneMemory);
    Begin(kMediaClear, tr("Clearing picture"));
}

} // namespace orrin
