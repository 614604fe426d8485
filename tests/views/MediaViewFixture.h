// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A picture or ringtone view inside a real main frame whose worker runs the
// view's store over the module doubles: a local folder to fill with files,
// a folder chooser that answers it, recorded boxes, and helpers that click
// tiles and read the task pane's operation group.

#include "app/MainFrame.h"
#include "link/SharedState.h"
#include "resources/Resources.h"
#include "tests/doubles/DoubleControl.h"
#include "tests/support/FindControl.h"
#include "tests/support/TestSupport.h"
#include "tests/views/FrameFixture.h"
#include "ui/TaskPane.h"
#include "ui/Tile.h"
#include "ui/WaitWnd.h"
#include "views/picture/MediaWnd.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace orrin::test {

inline const QString kMediaPhoneType = QStringLiteral("S45i(Europe)");

template <class View>
class MediaViewFixture : public FrameFixture {
protected:
    void SetUp() override
    {
        doubles::Reset();
        ASSERT_TRUE(m_folder.isValid());
        ASSERT_NO_FATAL_FAILURE(StartFrame(kMediaPhoneType, "German Federal Rep"));
        view = frame->findChild<View *>();
        ASSERT_NE(view, nullptr);
        frame->RouteCommand(ViewCommand());
        ASSERT_TRUE(view->isVisible());
        view->SetFolderChooser([this](QWidget *, const QString &title) {
            prompts << title;
            return chosenFolder;
        });
        chosenFolder = m_folder.path();
    }

    virtual int ViewCommand() const = 0;

    void Put(const QString &name, const QByteArray &bytes) const
    {
        QFile file(QDir(m_folder.path()).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    // Runs a command and waits until the link is free again.
    void Run(int command)
    {
        frame->RouteCommand(command);
        ASSERT_TRUE(WaitUntil([] { return g_bBusy.load() == 0 && g_nCommand.load() == 0; }));
        QCoreApplication::processEvents();
    }
    CTileGrid &Grid() const { return *view->Grid(); }
    QStringList Captions() const
    {
        QStringList captions;
        for (int i = 0; i < Grid().TileCount(); ++i)
            captions << Grid().Tile(i)->Caption();
        return captions;
    }
    void Click(int index, Qt::MouseButton button = Qt::LeftButton) const
    {
        if (button == Qt::RightButton)
            QTimer::singleShot(0, [] {
                if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget()))
                    menu->close();
            });
        QTest::mouseClick(Grid().Tile(index), button, {}, QPoint(30, 40));
    }
    QStringList Operations() const { return TaskLinks(*view, 1); }
    // Whether the grid paints that colour anywhere in a tile's body, or
    // anywhere but a square of that size at the body's centre.
    bool BodyShows(int index, const QColor &colour, int exceptCentre = 0) const
    {
        const QImage image = Grid().Render().toImage();
        const QRect body = CTile::BodyArea(Grid().Tile(index)->Rect()).adjusted(2, 2, -2, -2) & image.rect();
        QRect centre(0, 0, exceptCentre, exceptCentre);
        centre.moveCenter(body.center());
        for (int y = body.top(); y <= body.bottom(); ++y) {
            for (int x = body.left(); x <= body.right(); ++x) {
                if (!centre.contains(x, y) && image.pixelColor(x, y) == colour)
                    return true;
            }
        }
        return false;
    }

    QTemporaryDir m_folder;
    QString chosenFolder;
    QStringList prompts;
    View *view = nullptr;
};

} // namespace orrin::test
