// SPDX-License-Identifier: GPL-2.0-or-later
// The demo's scripted tour for machines without a display: runs the real
// program parts in the current folder (its setting.ini and ports/COM1 link to
// a simulated phone), clicks through connect, phone information, SIM
// information, time information and clock synchronisation, the phone book,
// the messages with the compose dialog, the address book of the phone's
// family with its entry dialog, the phone's pictures and ringtones (and its
// ringtones' local copies with the player), and saves a screenshot of the
// main window (or of the dialog) after each step. Last, the calendar view,
// which the main frame does not show, in a window of its own: the phone's
// entries and one more written through its entry dialog.
//
//   cd <demo folder> && QT_QPA_PLATFORM=offscreen orrin_demo_tour

#include "app/MainFrame.h"
#include "link/MessageBox.h"
#include "link/SharedState.h"
#include "resources/Resources.h"
#include "stores/ringtone/RingtoneData.h"
#include "ui/ControlId.h"
#include "ui/PlayerWidget.h"
#include "ui/ReportList.h"
#include "ui/Tile.h"
#include "ui/WaitWnd.h"
#include "link/MobileLink.h"
#include "ui/TileGrid.h"
#include "views/addrbook/AddrbookWnd.h"
#include "views/addrbook/S57AddrbookWnd.h"
#include "views/calendar/CalendarWnd.h"
#include "views/info/InfoContent.h"
#include "views/info/InfoWnd.h"
#include "views/picture/PictureWnd.h"
#include "views/ringtone/RingtoneWnd.h"
#include "views/sms/SMSWnd.h"
#include "views/telebook/TelebookWnd.h"

#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

#include <cstdio>
#include <functional>

using namespace orrin;

namespace {

bool WaitFor(const std::function<bool()> &condition, int timeoutMs = 20000)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return true;
}

bool Idle()
{
    return g_bBusy.load() == 0 && g_nCommand.load() == 0 && TheWaitWindow() == nullptr;
}

class CTour {
public:
    explicit CTour(CMainFrame &frame) : m_frame(frame) {}

    bool Step(const char *name, const std::function<void()> &action, const std::function<bool()> &done)
    {
        return StepIn(m_frame, name, action, done);
    }

    // A step whose screenshot is of another window than the main frame.
    bool StepIn(QWidget &window, const char *name, const std::function<void()> &action,
                const std::function<bool()> &done)
    {
        action();
        if (!WaitFor(done)) {
            std::fprintf(stderr, "demo tour: step \"%s\" did not finish\n", name);
            return false;
        }
        WaitFor([] { return false; }, 300); // let the last paint land
        return Shoot(window, name);
    }

    // Runs an action that opens a modal dialog, shoots the dialog once it is
    // up and cancels it.
    bool DialogStep(const char *name, const std::function<void()> &opensDialog)
    {
        bool shot = false;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            QWidget *dialog = QApplication::activeModalWidget();
            if (!dialog)
                return;
            poll.stop();
            shot = Shoot(*dialog, name);
            QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
        });
        poll.start(300);
        opensDialog();
        if (!shot)
            std::fprintf(stderr, "demo tour: dialog \"%s\" did not open\n", name);
        return shot;
    }

private:
    bool Shoot(QWidget &window, const char *name)
    {
        const QString path = QDir::current().filePath(QStringLiteral("%1-%2.png").arg(++m_shots).arg(name));
        // Quality 0: the strongest PNG compression; the shots go into the docs.
        if (!window.grab().save(path, "PNG", 0)) {
            std::fprintf(stderr, "demo tour: cannot write %s\n", qPrintable(path));
            return false;
        }
        std::printf("%s\n", qPrintable(path));
        return true;
    }

    CMainFrame &m_frame;
    int m_shots = 0;
};

// Saves a new entry through the calendar's entry dialog as soon as it runs.
void SaveCalendarEntryWhenAsked()
{
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll] {
        auto *dialog = qobject_cast<CCalendarEditDlg *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        poll->deleteLater();
        poll->stop();
        FindControl<QComboBox>(*dialog, CCalendarEditDlg::kCategoryListId)->setCurrentText(QStringLiteral("BIRTHDAY"));
        FindControl<QLineEdit>(*dialog, CCalendarEditDlg::kSummaryEditId)->setText(QStringLiteral("Oma Hildegard"));
        FindControl<QPushButton>(*dialog, CEntryDialog::kSaveButtonId)->click();
    });
    poll->start(100);
}

// The calendar view in a window of its own: the phone's entries and one
// more from the entry dialog.
bool TourCalendar(CTour &tour)
{
    QWidget window;
    window.setWindowTitle(QStringLiteral("Calendar"));
    CCalendarWnd *view = new CCalendarWnd(&window);
    (new QVBoxLayout(&window))->addWidget(view);
    window.resize(900, 600);
    window.show();
    const auto cards = [view] { return view->findChild<CTileGrid *>()->TileCount(); };
    return tour.StepIn(window, "calendar", [&] {
        view->OnCommand(ID_CALENDAR_READ_PHONE);
        WaitFor([&] { return Idle() && cards() > 0; });
        SaveCalendarEntryWhenAsked();
        view->OnCommand(ID_CALENDAR_NEW);
    }, [&] { return Idle() && !QApplication::activeModalWidget() && cards() > 2; });
}

template <class View>
bool ShowsRows(const CMainFrame &frame)
{
    const View *view = frame.findChild<View *>();
    return Idle() && view && view->isVisible() && view->template findChild<CReportList *>()->rowCount() > 0;
}

template <class View>
bool ShowsTiles(const CMainFrame &frame, int count)
{
    const View *view = frame.findChild<View *>();
    return Idle() && view && view->isVisible() && view->Grid()->TileCount() == count;
}

// The ringtone view lists the local copies of the tones just read and plays
// the first: the folder is the one the copies went to.
void ShowLocalRingtones(CMainFrame &frame)
{
    CRingtoneWnd *view = frame.findChild<CRingtoneWnd *>();
    const QString copies = QDir(g_strWorkDir.Get()).filePath(g_strPhoneType.Get());
    view->SetFolderChooser([copies](QWidget *, const QString &) { return copies; });
    frame.RouteCommand(ID_RINGTONE_READ_LOCAL);
    if (CTile *first = view->Grid()->Tile(0)) {
        const QPointF inside(20, 40);
        QMouseEvent press(QEvent::MouseButtonPress, inside, first->mapToGlobal(inside), Qt::LeftButton,
                          Qt::LeftButton, {});
        QCoreApplication::sendEvent(first, &press);
    }
}

// The address book of the phone's family, read from the phone.
void ReadAddressBook(CMainFrame &frame)
{
    const bool newer = CMobileLink::GetPhoneTypeCode() == PhoneFamily::Newer;
    frame.RouteCommand(ID_VIEW_ADDRESSBOOK);
    frame.RouteCommand(newer ? int(ID_S57ADDRBOOK_READ_PHONE) : int(ID_ADDRBOOK_READ_PHONE));
}

bool ShowsCards(const CMainFrame &frame)
{
    for (const CAddrbookViewBase *view : frame.findChildren<CAddrbookViewBase *>()) {
        if (view->isVisible())
            return Idle() && view->findChild<CTileGrid *>()->TileCount() > 0;
    }
    return false;
}

void NewAddressBookEntry(CMainFrame &frame)
{
    const bool newer = CMobileLink::GetPhoneTypeCode() == PhoneFamily::Newer;
    frame.RouteCommand(newer ? int(ID_S57ADDRBOOK_NEW) : int(ID_ADDRBOOK_NEW));
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    InitResources();
    SetMessageBoxHandler([](const BoxRequest &box) {
        std::fprintf(stderr, "demo tour: box \"%s\": %s\n", qPrintable(box.caption), qPrintable(box.text));
        return box.buttons == BoxButtons::YesNo ? kIdNo : kIdOk;
    });

    CMainFrame frame;
    frame.resize(900, 600);
    frame.show();
    if (!WaitFor([] { return !g_strPhoneType.Get().isEmpty(); })) {
        std::fprintf(stderr, "demo tour: no user settings in %s\n", qPrintable(QDir::currentPath()));
        return 1;
    }
    frame.StartWorker();
    CInfoWnd *view = frame.findChild<CInfoWnd *>();
    const CInfoContent *content = view->findChild<CInfoContent *>();
    CTour tour(frame);
    const bool ok =
        tour.Step("connected", [&] { frame.RouteCommand(ID_CONNECT); },
                  [] { return g_bConnected.load() == 1 && Idle(); }) &&
        // The clock first: the phone-information shot then shows both times too.
        tour.Step("time-information", [&] { frame.RouteCommand(ID_INFO_TIME); },
                  [&] {
                      return Idle() && !content->PhoneTimeText().isEmpty() && !content->LocalTimeText().isEmpty();
                  }) &&
        tour.Step("phone-information", [&] { frame.RouteCommand(ID_INFO_PHONE); },
                  [&] { return Idle() && !content->Texts()[kManufacturer].isEmpty(); }) &&
        tour.Step("sim-information", [&] { frame.RouteCommand(ID_INFO_SIM); },
                  [&] { return Idle() && !content->Texts()[kImsi].isEmpty(); }) &&
        tour.Step("clock-synchronised", [&] {
            view->ShowLocalTime();
            view->SyncToLocalTime();
        }, [] { return Idle(); }) &&
        tour.Step("phone-book", [&] {
            frame.RouteCommand(ID_VIEW_PHONEBOOK);
            frame.RouteCommand(ID_TELEBOOK_READ_SIM);
        }, [&] { return ShowsRows<CTelebookWnd>(frame); }) &&
        tour.Step("messages", [&] {
            frame.RouteCommand(ID_VIEW_MESSAGE);
            frame.RouteCommand(ID_SMS_READ_SIM);
        }, [&] { return ShowsRows<CSMSWnd>(frame); }) &&
        tour.DialogStep("compose-message", [&] { frame.RouteCommand(ID_SMS_NEW); }) &&
        tour.Step("address-book", [&] { ReadAddressBook(frame); }, [&] { return ShowsCards(frame); }) &&
        (CMobileLink::GetPhoneTypeCode() == PhoneFamily::Newer
         || tour.DialogStep("address-book-entry", [&] { NewAddressBookEntry(frame); })) &&
        tour.Step("pictures", [&] {
            frame.RouteCommand(ID_VIEW_PICTURE);
            frame.RouteCommand(ID_PICTURE_READ_PHONE);
        }, [&] { return ShowsTiles<CPictureWnd>(frame, 2); }) &&
        tour.Step("ringtones", [&] {
            frame.RouteCommand(ID_VIEW_RINGTONE);
            frame.RouteCommand(ID_RINGTONE_READ_PHONE);
        }, [&] { return ShowsTiles<CRingtoneWnd>(frame, kRingtoneSlots); }) &&
        tour.Step("ringtone-player", [&] { ShowLocalRingtones(frame); },
                  [&] { return Idle() && frame.findChild<CRingtoneWnd *>()->findChild<CPlayerWidget *>(); }) &&
        TourCalendar(tour);
    frame.RouteCommand(ID_DISCONNECT);
    WaitFor([] { return g_bConnected.load() == 0 && Idle(); }, 5000);
    frame.StopWorker();
    return ok ? 0 : 1;
}
