// SPDX-License-Identifier: GPL-2.0-or-later
// The calendar view end to end, for a phone of each family: the main frame
// holds the line and the worker, the view sits in a window of its own (the
// frame shows no calendar) and is driven through its commands and its entry
// dialog. After each step the cards, the phone's saved vCalendar objects and
// Calendar.cml must agree.
#include "stores/calendar/CalendarData.h"
#include "stores/common/LocalRecordFile.h"
#include "stores/common/TextField.h"
#include "tests/e2e/SimulatedPhoneFixture.h"
#include "tests/e2e/StoreEndToEndFixture.h"
#include "tests/views/TelebookDialogDriver.h"
#include "ui/CardTile.h"
#include "views/calendar/CalendarWnd.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <ostream>

using namespace orrin;
using namespace orrin::test;

namespace {

struct Card {
    QString caption;
    QStringList lines;
    bool operator==(const Card &) const = default;
};

void PrintTo(const Card &card, std::ostream *out)
{
    *out << '[' << card.caption.toStdString() << ": " << card.lines.join(" | ").toStdString() << ']';
}

// An entry as the dialog writes it, in the card's order of lines.
Card DialogCard(const QString &category, const QString &summary, const QString &start, const QString &note)
{
    return {category, {summary, QStringLiteral("Start ") + start, note}};
}

// One property of a vCalendar object, its quoted-printable form decoded.
QString Property(const QString &object, const QString &name)
{
    for (const QString &line : object.split(QStringLiteral("\r\n"))) {
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        const QStringList head = line.left(colon).split(QLatin1Char(';'));
        if (colon < 0 || head.first() != name)
            continue;
        const QString value = line.mid(colon + 1);
        if (!head.contains(QStringLiteral("ENCODING=QUOTED-PRINTABLE")))
            return value;
        QByteArray bytes;
        for (qsizetype i = 0; i < value.size(); ++i) {
            if (value[i] == QLatin1Char('=') && i + 2 < value.size()) {
                bytes.append(char(value.mid(i + 1, 2).toInt(nullptr, 16)));
                i += 2;
            } else {
                bytes.append(value[i].toLatin1());
            }
        }
        return QString::fromUtf8(bytes);
    }
    return {};
}

// The card a phone object shows: the category as the title, the summary,
// a line for each time, then the description.
Card ObjectCard(const QString &object)
{
    Card card{Property(object, QStringLiteral("CATEGORIES")), {Property(object, QStringLiteral("SUMMARY"))}};
    const QList<std::pair<const char *, const char *>> times{{"DTSTART", "Start "}, {"DTEND", "End "},
                                                             {"DALARM", "Alarm "}};
    for (const auto &[name, label] : times) {
        const QString value = Property(object, QString::fromLatin1(name));
        if (!value.isEmpty())
            card.lines << QLatin1String(label)
                    + QDateTime::fromString(value, QStringLiteral("yyyyMMddTHHmmss")).toString("yyyy-MM-dd HH:mm");
    }
    const QString description = Property(object, QStringLiteral("DESCRIPTION"));
    if (!description.isEmpty())
        card.lines << description;
    return card;
}

QList<Card> Sorted(QList<Card> cards)
{
    std::sort(cards.begin(), cards.end(),
              [](const Card &a, const Card &b) { return a.lines.join('\n') < b.lines.join('\n'); });
    return cards;
}

class CalendarViewEndToEndTest : public SimulatedPhoneFixture, public ::testing::WithParamInterface<const char *> {
protected:
    void SetUp() override
    {
        SimulatedPhoneFixture::SetUp();
        TheCalendarData().m_phoneList.clear();
        TheCalendarData().m_localList.clear();
        const QString type = QString::fromLatin1(GetParam());
        m_family = type.startsWith(QStringLiteral("S55")) ? QStringLiteral("newer") : QStringLiteral("older");
        WriteSettings("[User]\r\nPhone type=" + type.toLatin1() + "\r\nCountry=Austria\r\n"
                      "[Connection]\r\nConnect device=COM1\r\nBaudrate=115200\r\n");
        StartPhone("COM1", {"--family", m_family, "--state", StatePath(), "--save"});
        StartProgram();
        Run(ID_CONNECT);
        ASSERT_EQ(g_bConnected.load(), 1);
        ASSERT_TRUE(QDir().mkpath(g_strPhoneType.Get()));

        m_window.setWindowTitle(QStringLiteral("Calendar"));
        (new QVBoxLayout(&m_window))->addWidget(m_view);
        m_window.resize(900, 600);
        m_window.show();
    }
    void TearDown() override
    {
        SimulatedPhoneFixture::TearDown();
        for (const BoxRequest &box : m_boxes.Boxes())
            ADD_FAILURE() << "unexpected box: " << box.text.toStdString();
    }

    QString StatePath() const { return m_dir.filePath("phone.json"); }
    CCardContent &Content() const { return *m_view->findChild<CCardContent *>(); }

    void Command(int id)
    {
        m_view->OnCommand(id);
        ASSERT_TRUE(WaitUntil([&] { return Idle() && !QApplication::activeModalWidget(); }, 10000));
    }

    QList<Card> Cards() const
    {
        QList<Card> cards;
        for (int i = 0; i < Content().TileCount(); ++i) {
            const auto *tile = static_cast<const CCardTile *>(Content().Tile(i));
            cards.append({tile->Caption(), tile->Lines()});
        }
        return cards;
    }
    int CardOf(const QString &summary) const
    {
        const QList<Card> cards = Cards();
        const auto found = std::find_if(cards.cbegin(), cards.cend(), [&](const Card &c) { return c.lines[0] == summary; });
        return found == cards.cend() ? -1 : int(found - cards.cbegin());
    }
    void Select(int card) const
    {
        CTile *tile = Content().Tile(card);
        ASSERT_NE(tile, nullptr);
        const QPointF inside(20, 40);
        QMouseEvent press(QEvent::MouseButtonPress, inside, tile->mapToGlobal(inside), Qt::LeftButton, Qt::LeftButton,
                          {});
        QCoreApplication::sendEvent(tile, &press);
        ASSERT_EQ(Content().SelectedIndex(), card);
    }

    // Opens the entry dialog with the command, fills it in and saves.
    void SaveEntry(int command, const QString &category, const QString &summary, const QString &start,
                   const QString &note)
    {
        WhenDialogShows<CCalendarEditDlg>([=](CCalendarEditDlg &dialog) {
            FindControl<QComboBox>(dialog, CCalendarEditDlg::kCategoryListId)->setCurrentText(category);
            const QDateTime startTime = QDateTime::fromString(start, QStringLiteral("yyyy-MM-dd HH:mm"));
            FindControl<QDateTimeEdit>(dialog, CCalendarEditDlg::kStartEditId)->setDateTime(startTime);
            FindControl<QCheckBox>(dialog, CCalendarEditDlg::kEndCheckId)->setChecked(false);
            FindControl<QCheckBox>(dialog, CCalendarEditDlg::kRemindCheckId)->setChecked(false);
            FindControl<QLineEdit>(dialog, CCalendarEditDlg::kSummaryEditId)->setText(summary);
            FindControl<QPlainTextEdit>(dialog, CCalendarEditDlg::kNoteEditId)->setPlainText(note);
            SaveButton(dialog)->click();
        });
        Command(command);
    }

    // The phone saves its state when it ends: the line is closed, the phone
    // stopped and started again on the same state, and the line reopened.
    QList<Card> PhoneCards()
    {
        Run(ID_DISCONNECT);
        EXPECT_TRUE(m_phone.Stop());
        QFile file(StatePath());
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        QList<Card> cards;
        for (const QJsonValue &entry : QJsonDocument::fromJson(file.readAll())["objects"]["vcs"]["entries"].toArray())
            cards.append(ObjectCard(entry["text"].toString()));
        StartPhone("COM1", {"--family", m_family, "--state", StatePath(), "--save"});
        Run(ID_CONNECT);
        EXPECT_EQ(g_bConnected.load(), 1);
        return Sorted(cards);
    }
    QList<Card> LocalCards() const
    {
        QList<CalendarRecord> records;
        if (QFile::exists(CCalendarData::LocalFilePath())) {
            EXPECT_EQ(TLocalRecordFile<CalendarRecord>(CCalendarData::LocalFilePath(), {"addrbook"}).Load(records),
                      LocalFileResult::Ok);
        }
        QList<Card> cards;
        for (const CalendarRecord &record : records) {
            cards.append({TextFieldString(record.heading),
                          QStringList{TextFieldString(record.summary)}
                              + TextFieldString(record.details).split(QLatin1Char('\n'))});
        }
        return cards;
    }

    // The cards of the phone agree with its objects; reading again shows
    // them, in the phone's order.
    void ExpectPhoneAgrees()
    {
        const QList<Card> shown = Sorted(Cards());
        EXPECT_EQ(shown, PhoneCards());
        Command(ID_CALENDAR_READ_PHONE);
        EXPECT_EQ(Sorted(Cards()), shown);
    }

    CBoxRecorder m_boxes{kIdOk};
    QString m_family;
    QWidget m_window;
    CCalendarWnd *m_view = new CCalendarWnd(&m_window);
};

const Card kReview{"MEETING",
                   {"Project review", "Start 2025-03-10 09:30", "End 2025-03-10 10:30", "Alarm 2025-03-10 09:15",
                    "Room 4"}};
const Card kBirthday{"BIRTHDAY", {"Geburtstag Jürgen", "Start 2025-04-12 00:00"}};

TEST_P(CalendarViewEndToEndTest, ReadAndNewOnThePhoneAgreeWithItsObjects)
{
    Command(ID_CALENDAR_READ_PHONE);
    ASSERT_EQ(Sorted(Cards()), Sorted({kReview, kBirthday}));
    ExpectPhoneAgrees();

    SaveEntry(ID_CALENDAR_NEW, "HOLIDAY", "Zahnarzt", "2026-12-24 10:00", "Karte");
    ASSERT_EQ(Cards().size(), 3);
    EXPECT_EQ(Cards().last(), DialogCard("HOLIDAY", "Zahnarzt", "2026-12-24 10:00", "Karte"));
    ExpectPhoneAgrees();
    EXPECT_TRUE(LocalCards().isEmpty());
}

TEST_P(CalendarViewEndToEndTest, ModifyAndDeleteOnThePhoneAgreeWithItsObjects)
{
    Command(ID_CALENDAR_READ_PHONE);
    Select(CardOf("Project review"));
    SaveEntry(ID_CALENDAR_MODIFY, "BUSINESS", "Review moved", "2025-03-11 14:00", "Room 5");
    const Card moved = DialogCard("BUSINESS", "Review moved", "2025-03-11 14:00", "Room 5");
    ASSERT_NE(CardOf("Review moved"), -1);
    EXPECT_EQ(Sorted(Cards()), Sorted({moved, kBirthday}));
    ExpectPhoneAgrees();

    Select(CardOf("Geburtstag Jürgen"));
    Command(ID_CALENDAR_DELETE);
    EXPECT_EQ(Cards(), QList<Card>{moved});
    ExpectPhoneAgrees();
}

TEST_P(CalendarViewEndToEndTest, SyncShowsTheLocalFileWhichKeepsItsOwnEntries)
{
    Command(ID_CALENDAR_SYNC);
    // The phone's entries were read, yet the view shows the empty local file.
    EXPECT_EQ(TheCalendarData().m_phoneList.size(), 2);
    EXPECT_TRUE(Cards().isEmpty());

    // A new entry after the sync goes to the local file, not to the phone.
    SaveEntry(ID_CALENDAR_NEW, "TRAVEL", "Wien", "2026-05-01 07:15", "Zug");
    const Card trip = DialogCard("TRAVEL", "Wien", "2026-05-01 07:15", "Zug");
    EXPECT_EQ(Cards(), QList<Card>{trip});
    EXPECT_EQ(LocalCards(), Cards());
    EXPECT_EQ(PhoneCards(), Sorted({kReview, kBirthday}));

    Command(ID_CALENDAR_SYNC);
    EXPECT_EQ(Cards(), QList<Card>{trip});
    EXPECT_EQ(LocalCards(), Cards());
}

ORRIN_FOR_BOTH_FAMILIES(CalendarViewEndToEndTest);

} // namespace
