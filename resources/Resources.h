// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The program's pictures by resource number. The numbers are those the
// windows refer to; the pictures themselves live in orrin.qrc.

#include <QString>

namespace orrin {

// Collapse button of a task-pane group: the picture shown while the group is
// collapsed (press to expand) and while it is expanded (press to collapse).
constexpr int IDB_GROUP_COLLAPSED = 131;
constexpr int IDB_GROUP_EXPANDED = 132;

// The pointing hand over links and group headers, with its hot spot (the
// fingertip) in pixels from its top-left corner.
constexpr int IDC_HAND = 133;
constexpr int kHandHotSpotX = 10;
constexpr int kHandHotSpotY = 1;

// The number picker's tree pictures: a strip of 16-pixel-wide images on
// white, which is transparent.
constexpr int IDB_NUMBER_PICKER_TREE = 165;

// Registers the compiled resources with Qt. Safe to call any number of times.
void InitResources();

// Resource paths of a bitmap and of a cursor picture.
QString BitmapPath(int id);
QString CursorPath(int id);

} // namespace orrin
