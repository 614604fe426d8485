// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The picture store: the phone's main screen and screensaver (two 2-block
// buffers) and the upload of a local bitmap into the phone's picture folder.
// It keeps no local file; local bitmaps are read by the view.

#include "stores/common/MediaData.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

namespace orrin {

// The picture selector.
enum PictureSelector : int { kMainScreen = 1, kScreensaver = 2, kBothPictures = 3 };

// The largest picture the phones show, and the one colour depth they take.
inline constexpr int kMaxPictureWidth = 111;
inline constexpr int kMaxPictureHeight = 74;
inline constexpr int kPictureColours = 2;

// What a bitmap's header says about it, as the bitmap reader found it.
struct PictureShape {
    int width = 0;
    int height = 0;
    int colours = 0;
};

class CPictureData : public CMediaData {
    Q_DECLARE_TR_FUNCTIONS(CPictureData)

public:
    CPictureData();

    MediaBuffer &MainScreen() { return Buffer(kMainScreen); }
    MediaBuffer &Screensaver() { return Buffer(kScreensaver); }

    // Prepares code 2 from a local bitmap file (all of it, file header
    // included) of the shape its header gives: selects the target (main
    // screen or screensaver) and fills its buffer. False, with nothing
    // changed, when the phone cannot show it (larger than 111 x 74, not two
    // colours, or more than the buffer holds): the view shows SizeMessage.
    bool TakeLocalPicture(int target, const PictureShape &shape, const QByteArray &file);
    // Prepares code 2 from the other phone picture: the target's buffer gets
    // the other buffer's bytes.
    void TakePhonePicture(int target);
    // Prepares code 3: selects the target and empties its buffer.
    void TakeClear(int target);

    static QString SizeMessage(int target);
    // "Picture was successfully uploaded to /Bitmap." or "/Pictures.".
    QString UploadedMessage() const;
};

// The global picture store.
CPictureData &ThePictureData();

} // namespace orrin
