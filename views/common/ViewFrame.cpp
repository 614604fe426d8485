// SPDX-License-Identifier: GPL-2.0-or-later
#include "views/common/ViewFrame.h"

#include "ui/TaskPane.h"

#include <QWidget>

namespace orrin {
namespace {

constexpr int kHeaderHeight = 21;
constexpr int kContentTop = 20;

} // namespace

ViewFrameRects ViewFrameFor(const QSize &viewSize, int headerOverhang)
{
    const int w = viewSize.width();
    const int h = viewSize.height();
    const int restWidth = w - CTaskPane::kWidth;
    return {QRect(0, 0, CTaskPane::kWidth, h), QRect(CTaskPane::kWidth, 0, restWidth + headerOverhang, kHeaderHeight),
            QRect(CTaskPane::kWidth, kContentTop, restWidth, h - kContentTop)};
}

ViewFrameRects LayOutViewFrame(const QWidget &view, QWidget &taskPane, QWidget &header, QWidget &content,
                               int headerOverhang)
{
    const ViewFrameRects frame = ViewFrameFor(view.size(), headerOverhang);
    taskPane.setGeometry(frame.taskPane);
    header.setGeometry(frame.header);
    content.setGeometry(frame.content);
    return frame;
}

} // namespace orrin
