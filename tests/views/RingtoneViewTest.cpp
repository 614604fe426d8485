// SPDX-License-Identifier: GPL-2.0-or-later
// The ringtone view in a main frame over the module doubles: the size check
// of a local tone, the phone's slots with their local copies and grey
// captions, and the one player of the last local tile clicked.
#include "stores/ringtone/RingtoneData.h"
#include "tests/media/MediaBuilders.h"
#include "tests/views/MediaViewFixture.h"
#include "ui/HeaderBar.h"
#include "ui/PlayerWidget.h"
#include "views/ringtone/RingtoneWnd.h"

using namespace orrin;
using namespace orrin::test;

namespace {

const QColor kGrey{192, 192, 192};

QByteArray ToneOf(qsizetype size)
{
    const QByteArray tone = BuildTone();
    return tone + QByteArray(size - tone.size(), '\0');
}

class RingtoneViewTest : public MediaViewFixture<CRingtoneWnd> {
protected:
    int ViewCommand() const override { return ID_VIEW_RINGTONE; }

    QString PhoneFolder() const { return WorkPath(kMediaPhoneType); }
    void ReadPhone(const QList<QByteArray> &tones)
    {
        for (const QByteArray &tone : tones) {
            doubles::Reply reply = tone.isEmpty() ? doubles::Result(0) : doubles::Reply{};
            reply.bytes = tone;
            doubles::Queue(QStringLiteral("GetRingTone"), reply);
        }
        Run(ID_RINGTONE_READ_PHONE);
    }
    // The caption written in grey, beside where a file's icon would be.
    bool Grey(int index) const { return BodyShows(index, kGrey, 52); }
    QList<CPlayerWidget *> Players() const { return view->findChildren<CPlayerWidget *>(); }
};

TEST_F(RingtoneViewTest, ToneOverTheSlotsBufferIsRefusedBeforeAnyTraffic)
{
    Put(QStringLiteral("fits.mid"), ToneOf(7200));
    Put(QStringLiteral("large.MID"), ToneOf(7201));
    frame->RouteCommand(ID_RINGTONE_READ_LOCAL);
    EXPECT_EQ(prompts, QStringList({"Please select a MIDI music folder"}));
    EXPECT_EQ(HeaderTitle(*view), QStringLiteral("Local Ringtone"));
    ASSERT_EQ(Captions(), QStringList({"fits.mid", "large.MID"}));
    Click(1);
    Run(ID_RINGTONE_STORE_1);
    EXPECT_EQ(boxes.Texts(), QStringList({"Sorry, too large ringtone!"}));
    EXPECT_TRUE(doubles::Calls().isEmpty());
    Click(0);
    Run(ID_RINGTONE_STORE_1 + 2);
    Run(ID_RINGTONE_CLEAR); // nothing while local files are shown
    EXPECT_EQ(doubles::Calls(), QStringList({"SetRingTone(1,7200)"}));
    EXPECT_EQ(TheRingtoneData().Ringtone(3).Bytes(), ToneOf(7200));
}

TEST_F(RingtoneViewTest, PhoneReadCopiesTheTonesItFoundAndGreysTheEmptySlots)
{
    ReadPhone({BuildTone(), {}, BuildTone(48), {}});
    EXPECT_EQ(HeaderTitle(*view), QStringLiteral("Phone Ringtone"));
    EXPECT_EQ(Captions(), QStringList({"Ringtone1", "Ringtone2", "Ringtone3", "Ringtone4"}));
    EXPECT_EQ(QDir(PhoneFolder()).entryList(QDir::Files), QStringList({"Ringtone1.mid", "Ringtone3.mid"}));
    EXPECT_FALSE(Grey(0));
    EXPECT_TRUE(Grey(1));
    EXPECT_FALSE(Grey(2));
    EXPECT_TRUE(Grey(3));

    Click(1, Qt::RightButton);
    EXPECT_EQ(Operations(), QStringList({"Clear ringtone=32804"}));
    EXPECT_TRUE(Players().isEmpty());
    doubles::Reset();
    Run(ID_RINGTONE_CLEAR);
    EXPECT_EQ(doubles::Calls(), QStringList({"ClearRingTone(2)"}));
    EXPECT_EQ(g_bBusy.load(), 0);
}

TEST_F(RingtoneViewTest, CopyThatCannotBeWrittenLeavesItsSlotGreyAndTheViewFree)
{
    ASSERT_TRUE(QDir(PhoneFolder()).mkdir(QStringLiteral("Ringtone1.mid")));
    ReadPhone({BuildTone(), BuildTone(), {}, {}});
    ASSERT_EQ(boxes.Texts().size(), 1);
    EXPECT_TRUE(boxes.Texts()[0].contains(QStringLiteral("Ringtone1.mid")));
    EXPECT_TRUE(Grey(0));
    EXPECT_FALSE(Grey(1));
    EXPECT_EQ(g_bBusy.load(), 0);
}

TEST_F(RingtoneViewTest, OnePlayerForTheLastLocalToneClicked)
{
    Put(QStringLiteral("a.mid"), BuildTone());
    Put(QStringLiteral("b.mid"), BuildTone(48));
    frame->RouteCommand(ID_RINGTONE_READ_LOCAL);
    Click(0);
    Click(1, Qt::RightButton);
    ASSERT_EQ(Players().size(), 1);
    CPlayerWidget &player = *Players().first();
    EXPECT_EQ(player.parentWidget(), view->findChild<CTaskPane *>());
    EXPECT_EQ(player.Path(), QDir(m_folder.path()).filePath("b.mid"));
    EXPECT_FALSE(player.IsPlaying());
    EXPECT_EQ(player.size(), CPlayerWidget::kSize);
    EXPECT_EQ(player.x(), 10);
    EXPECT_GE(player.y(), 130);
    const QRect lastGroup = view->findChild<CTaskPane *>()->Group(1)->Rect();
    EXPECT_GT(player.y(), lastGroup.bottom()); // hides no link
    EXPECT_EQ(Operations(), QStringList({"Upload to phone=32829", "Store as ringtone 1=32821",
                                         "Store as ringtone 2=32822", "Store as ringtone 3=32823",
                                         "Store as ringtone 4=32824"}));
    frame->RouteCommand(ID_RINGTONE_READ_LOCAL);
    EXPECT_TRUE(Players().isEmpty());
}

} // namespace
