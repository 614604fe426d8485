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
class MediaViewFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        InitResources();
        ResetSharedState();
        doubles::Reset();
        ASSERT_TRUE(m_dir.isValid() && m_folder.isValid());
        m_previousDir = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
        QFile file(m_dir.filePath(QStringLiteral("setting.ini")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("[User]\r\nPhone type=S45i(Europe)\r\nCountry=German Federal Rep\r\n"
                   "[Connection]\r\nConnect device=COM1\r\nBaudrate=115200\r\n");
        file.close();
        ASSERT_TRUE(QDir(m_dir.path()).mkpath(kMediaPhoneType));
        frame = std::make_unique<CMainFrame>();
        frame->resize(900, 640);
        frame->StartWorker();
        frame->show();
        ASSERT_TRUE(WaitUntil([] { return !g_strPhoneType.Get().isEmpty(); }));
        g_bConnected.store(1);
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
    void TearDown() override
    {
        HideWaitWindow();
        frame.reset();
        QDir::setCurrent(m_previousDir);
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
    QStringList Operations() const
    {
        QStringList links;
        if (const CTaskGroup *group = view->template findChild<CTaskPane *>()->Group(1)) {
            for (const CTaskLink &link : group->links)
                links << QStringLiteral("%1=%2").arg(link.text).arg(link.commandId);
        }
        return links;
    }
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

    QTemporaryDir m_dir;
    QTemporaryDir m_folder;
    QString m_previousDir;
    QString chosenFolder;
    QStringList prompts;
    CBoxRecorder boxes;
    std::unique_ptr<CMainFrame> frame;
    View *view = nullptr;
};

} // namespace orrin::test
