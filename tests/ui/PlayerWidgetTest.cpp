// SPDX-License-Identifier: GPL-2.0-or-later
// The player widget: it never starts by itself, swaps files, follows the
// tone with its bar, and shows a text in place of its controls without a
// sound device or for a file it cannot play.

#include "tests/media/MediaBuilders.h"
#include "tests/support/TestSupport.h"
#include "ui/PlayerWidget.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace orrin::test {
namespace {

class PlayerWidgetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // As on a machine without a sound device, whatever this one has.
        m_player.Engine().SetAudioDriver(QStringLiteral("no-such-device"));
        m_player.Engine().SetPollInterval(0);
        m_player.show();
    }

    QString Write(const QString &name, const QByteArray &bytes)
    {
        QFile file(m_folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }

    QPushButton *Button(const char *name) { return m_player.findChild<QPushButton *>(QString::fromLatin1(name)); }
    QProgressBar *Bar() { return m_player.findChild<QProgressBar *>(QStringLiteral("Position")); }

    QTemporaryDir m_folder;
    CPlayerWidget m_player;
};

TEST_F(PlayerWidgetTest, LoadingNeverStartsAndPlayWithoutADeviceSaysSo)
{
    EXPECT_EQ(m_player.size(), CPlayerWidget::kSize);
    ASSERT_TRUE(m_player.Load(Write(QStringLiteral("a.mid"), BuildTone())));
    EXPECT_FALSE(m_player.IsPlaying());
    EXPECT_TRUE(m_player.Notice().isEmpty());
    ASSERT_NE(Button("Play"), nullptr);
    EXPECT_TRUE(Button("Play")->isEnabled());
    EXPECT_FALSE(Button("Stop")->isEnabled());
    EXPECT_TRUE(Button("Play")->isVisible());

    QTest::mouseClick(Button("Play"), Qt::LeftButton);
    EXPECT_FALSE(m_player.IsPlaying());
    EXPECT_EQ(m_player.Notice(), CPlayerWidget::kNoSoundDevice);
    EXPECT_FALSE(Button("Play")->isVisible());
    EXPECT_EQ(m_player.Path(), m_folder.filePath(QStringLiteral("a.mid")));

    // The next file brings the controls back.
    ASSERT_TRUE(m_player.Load(Write(QStringLiteral("b.mid"), BuildTone())));
    EXPECT_TRUE(m_player.Notice().isEmpty());
    EXPECT_TRUE(Button("Play")->isVisible());
}

TEST_F(PlayerWidgetTest, AFileItCannotPlayShowsWhyInPlaceOfTheControls)
{
    EXPECT_FALSE(m_player.Load(Write(QStringLiteral("bad.mid"), QByteArray("MThd garbage"))));
    EXPECT_TRUE(m_player.Notice().startsWith(QStringLiteral("Not a MIDI file"))) << m_player.Notice().toStdString();
    EXPECT_FALSE(Button("Play")->isEnabled());
    m_player.Play();
    EXPECT_FALSE(m_player.IsPlaying());
}

TEST_F(PlayerWidgetTest, SwappingFilesStopsTheOneThatPlaysAndTheBarFollows)
{
    ASSERT_TRUE(m_player.Load(Write(QStringLiteral("a.mid"), BuildTone(480))));
    QSignalSpy finished(&m_player.Engine(), &CRingtonePlayer::Finished);
    ASSERT_TRUE(m_player.Engine().PlayOffscreen());
    EXPECT_TRUE(Button("Stop")->isEnabled());
    EXPECT_FALSE(Button("Play")->isEnabled());
    m_player.Engine().Render(CRingtonePlayer::kSampleRate / 4);
    QCoreApplication::processEvents();
    EXPECT_GT(Bar()->value(), 0);
    EXPECT_EQ(Bar()->maximum(), 480);

    QTest::mouseClick(Button("Stop"), Qt::LeftButton);
    EXPECT_FALSE(m_player.IsPlaying());
    EXPECT_EQ(Bar()->value(), 0);

    ASSERT_TRUE(m_player.Engine().PlayOffscreen());
    ASSERT_TRUE(m_player.Load(Write(QStringLiteral("b.mid"), BuildTone(48))));
    EXPECT_FALSE(m_player.IsPlaying());
    EXPECT_EQ(m_player.Path(), m_folder.filePath(QStringLiteral("b.mid")));

    ASSERT_TRUE(m_player.Engine().PlayOffscreen());
    for (int chunk = 0; chunk < 100 && finished.isEmpty(); ++chunk) {
        m_player.Engine().Render(CRingtonePlayer::kSampleRate / 20);
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(finished.size(), 1);
    EXPECT_TRUE(Button("Play")->isEnabled());
    EXPECT_EQ(Bar()->value(), 0);
}

} // namespace
} // namespace orrin::test
