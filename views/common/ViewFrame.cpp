// SPDX-License-Identifier: GPL-2.0-or-later
#include "views/common/ViewFrame.h"

#include "ui/TaskPane.h"

#include <QKeySequence>
#include <QWidget>

#include <utility>

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

void AddViewKeys(CTaskPane &taskPane, const ViewKeys &commands)
{
    const std::pair<int, QKeySequence> keys[] = {{commands.readPhone, QKeySequence::Refresh},
                                                 {commands.newEntry, QKeySequence::New},
                                                 {commands.remove, QKeySequence::Delete}};
    for (const auto &[command, key] : keys) {
        if (command)
            taskPane.AddShortcut(command, key);
    }
}

} // namespace orrin
