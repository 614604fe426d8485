// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The pixels of a Windows bitmap file as an image, for the picture tiles.

#include "media/BitmapHeader.h"

#include <QByteArrayView>
#include <QImage>

namespace orrin {

// The picture of a whole bitmap file's bytes (file header included), top
// row first; a null image, with the reason in error when given, when the
// bytes are not a bitmap or have more than kMaxBitmapPixels. A colour index
// past the colour table is black.
constexpr qint64 kMaxBitmapPixels = qint64(4096) * 4096;
QImage BitmapImage(QByteArrayView file, BitmapError *error = nullptr);

} // namespace orrin
