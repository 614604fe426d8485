// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The picture view: the phone's main screen and screensaver, or the bitmaps
// of a local folder, as thumbnail tiles. A local one-bit bitmap the phone can
// show becomes its main screen or screensaver or goes up into its picture
// folder; a phone picture can be cleared or copied onto the other one.

#include "views/picture/MediaWnd.h"

namespace orrin {

class CPictureData;

constexpr int kPictureMenu = 143;

// Commands of the picture view.
enum PictureViewCommand : int {
    ID_PICTURE_READ_PHONE = 32796,
    ID_PICTURE_READ_LOCAL = 32797,
    ID_PICTURE_MAIN_SCREEN = 32798,
    ID_PICTURE_SCREENSAVER = 32799,
    ID_PICTURE_CLEAR = 32800,
    ID_PICTURE_UPLOAD = 32828,
};

// A thumbnail is drawn from a bitmap file of at most this many bytes.
inline constexpr qint64 kMaxTileBitmapBytes = qint64(8) << 20;

class CPictureWnd : public CMediaWnd {
    Q_OBJECT
public:
    explicit CPictureWnd(QWidget *parent = nullptr);

    bool OnCommand(int id) override;

protected:
    void MakePhoneTiles(CMediaGrid &grid) override;
    void MakeLocalTiles(CMediaGrid &grid) override;
    QList<MenuItem> TileOperations(int index) const override;
    QString UploadedMessage() const override;

private:
    void OnSetPicture(int target);
    void OnClearPicture();

    CPictureData &m_store;
};

} // namespace orrin
