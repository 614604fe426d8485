// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The frame every data view lays its parts in on each size change: the task
// pane down the left at full height, the header bar across the top of the
// rest, and the content below it, whose first row lies under the header's
// last.

#include <QRect>
#include <QSize>

class QWidget;

namespace orrin {

class CTaskPane;

struct ViewFrameRects {
    QRect taskPane;
    QRect header;
    QRect content;
};

// headerOverhang: pixels the header reaches past the view's right edge; the
// list views' headers reach one, so the list's border shows no gap.
ViewFrameRects ViewFrameFor(const QSize &viewSize, int headerOverhang = 0);

// Places the three parts in the frame of the view's size; returns the frame
// for a view that places more parts.
ViewFrameRects LayOutViewFrame(const QWidget &view, QWidget &taskPane, QWidget &header, QWidget &content,
                               int headerOverhang = 0);

// The usual keys of a view's commands, each working while the task pane
// offers its command: Refresh (F5) reads from the phone, New makes an entry,
// Delete deletes (or clears) the selection. 0 for a command the view has not.
struct ViewKeys {
    int readPhone = 0;
    int newEntry = 0;
    int remove = 0;
};
void AddViewKeys(CTaskPane &taskPane, const ViewKeys &commands);

} // namespace orrin
