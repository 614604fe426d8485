// SPDX-License-Identifier: GPL-2.0-or-later
#include "stores/picture/PictureData.h"

#include "link/Messages.h"

namespace orrin {
namespace {

constexpr int kPictureBlocks = 2;

MediaKind PictureKind()
{
    return {kPictureBlocks,
            {{0, QT_TRANSLATE_NOOP("CMediaData", "main screen")},
             {2, QT_TRANSLATE_NOOP("CMediaData", "screensaver")}},
            "GetPicture",
            "SetPicture",
            "ClearPicture",
            WM_PICTURE_DONE,
            WM_PICTURE_UPLOADED,
            "Bitmap",
            "Pictures",
            "pictures"};
}

bool FitsThePhone(const PictureShape &shape)
{
    return shape.width >= 0 && shape.height >= 0 && shape.width <= kMaxPictureWidth &&
           shape.height <= kMaxPictureHeight && shape.colours == kPictureColours;
}

int OtherPicture(int target)
{
    return target == kMainScreen ? kScreensaver : kMainScreen;
}

} // namespace

CPictureData::CPictureData() : CMediaData(PictureKind()) {}

bool CPictureData::TakeLocalPicture(int target, const PictureShape &shape, const QByteArray &file)
{
    if (!FitsThePhone(shape) || !Buffer(target).Fill(file))
        return false;
    SelectSlot(target, false);
    return true;
}

void CPictureData::TakePhonePicture(int target)
{
    Buffer(target).Fill(Buffer(OtherPicture(target)).Bytes());
    SelectSlot(target, true);
}

void CPictureData::TakeClear(int target)
{
    Buffer(target).Clear();
    SelectSlot(target, true);
}

QString CPictureData::SizeMessage(int target)
{
    return target == kMainScreen ? tr("Picture size doesn't match with main screen!")
                                 : tr("Picture size doesn't match with screensaver!");
}

QString CPictureData::UploadedMessage() const
{
    return tr("Picture was successfully uploaded to /%1.").arg(UploadFolder());
}

CPictureData &ThePictureData()
{
    static CPictureData store;
    return store;
}

} // namespace orrin
