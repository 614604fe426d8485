// SPDX-License-Identifier: GPL-2.0-or-later
// The phone operations of the views against every fault of the simulated
// phone, through the real frame, dialogs, stores and worker: each ends in its
// error text within the line's timeout, touches no file, keeps the interface
// thread answering, and the next operation works once the fault has cleared.
#include "tests/e2e/SimulatedPhoneFixture.h"
#include "tests/support/StallProbe.h"
#include "tests/views/SmsDialogControls.h"
#include "tests/views/TelebookDialogDriver.h"
#include "ui/ReportList.h"
#include "ui/Tile.h"
#include "ui/TileGrid.h"
#include "views/addrbook/S57AddrbookEditDlg.h"
#include "views/addrbook/S57AddrbookWnd.h"
#include "views/info/InfoContent.h"
#include "views/info/InfoWnd.h"
#include "views/picture/PictureWnd.h"
#include "views/ringtone/RingtoneWnd.h"
#include "views/sms/SMSComposeDlg.h"
#include "views/sms/SMSWnd.h"
#include "views/telebook/TelebookWnd.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <map>

using namespace orrin;
using namespace orrin::test;

namespace {

// Commands a newer-family phone hears while the program connects (the AT
// greeting, then the OBEX session that ObexConnect opens and ends).
constexpr int kConnectCommands = 8;

// How an operation is asked for beyond its command: the dialog it opens.
enum class Dialog { None, Entry, Card, SaveMessage, SendMessage };

struct Operation {
    const char *name;
    int view;           // the view that offers it
    int command;        // 0: the clock's synchronisation link
    int commandsBefore; // commands of its setup and its own before the one a fault strikes
    const char *refusedAtCommand;
    QString errorText;
    QString refusedText = {}; // when the refusal ends it elsewhere than errorText
    int setup = 0;            // what shows the records it acts on; the first is selected
    Dialog dialog = Dialog::None;
    QString doneText = {}; // the box that says it went well, if any
};

const QString kPicturesFolder = QStringLiteral("pictures");

const Operation kOperations[] = {
    {"Phone", ID_VIEW_INFO, ID_INFO_PHONE, 0, "AT+CGMI", QStringLiteral("Unable to read phone information!")},
    {"Sim", ID_VIEW_INFO, ID_INFO_SIM, 0, "AT^SCID", QStringLiteral("Unable to read SIM card information!")},
    {"Time", ID_VIEW_INFO, ID_INFO_TIME, 0, "AT+CCLK", QStringLiteral("Unable to read time information!")},
    // The phone's time is read before it is set; a refused AT+CCLK refuses the read.
    {"SetTime", ID_VIEW_INFO, 0, 1, "AT+CCLK", QStringLiteral("Unable to set time to phone!"),
     QStringLiteral("Unable to read time information!")},
    // The character set comes first; the module chooses it again when it is not known.
    {"SimBook", ID_VIEW_PHONEBOOK, ID_TELEBOOK_READ_SIM, 1, "AT+CPBS",
     QStringLiteral("Unable to open the SIM card telebook!")},
    {"SimMessages", ID_VIEW_MESSAGE, ID_SMS_READ_SIM, 0, "AT+CPMS",
     QStringLiteral("Unable to open the SIM card messages!")},
    // The writes strike at the write itself, after the setup's read: the SIM
    // book (four commands), the phone's messages (four), the address book's
    // 251 slots and their range.
    {"BookNew", ID_VIEW_PHONEBOOK, ID_TELEBOOK_NEW, 7, "AT+CPBW", QStringLiteral("Unable to write telebook"), {},
     ID_TELEBOOK_READ_SIM, Dialog::Entry},
    {"BookModify", ID_VIEW_PHONEBOOK, ID_TELEBOOK_MODIFY, 8, "AT+CPBW", QStringLiteral("Unable to modify telebook!"),
     {}, ID_TELEBOOK_READ_SIM, Dialog::Entry},
    {"BookDelete", ID_VIEW_PHONEBOOK, ID_TELEBOOK_DELETE, 8, "AT+CPBW", QStringLiteral("Unable to delete telebook!"),
     {}, ID_TELEBOOK_READ_SIM},
    {"MessageSave", ID_VIEW_MESSAGE, ID_SMS_NEW, 6, "AT+CMGW", QStringLiteral("Failed to write SMS to mobilephone!"),
     {}, ID_SMS_READ_PHONE, Dialog::SaveMessage},
    {"MessageSend", ID_VIEW_MESSAGE, ID_SMS_NEW, 1, "AT+CMGS", QStringLiteral("Failed to send SMS."), {}, 0,
     Dialog::SendMessage, QStringLiteral("SMS sent.")},
    {"MessageDelete", ID_VIEW_MESSAGE, ID_SMS_DELETE, 6, "AT+CMGD", QStringLiteral("Unable to delete SMS!"), {},
     ID_SMS_READ_PHONE},
    {"CardModify", ID_VIEW_ADDRESSBOOK, ID_S57ADDRBOOK_MODIFY, 252, "AT^SBNW",
     QStringLiteral("Unable to write addrbook!"), {}, ID_S57ADDRBOOK_READ_PHONE, Dialog::Card},
    // The uploads strike at the PUT, after the switch to OBEX, the session and
    // the folder steps; a phone that refuses OBEX refuses every transfer.
    {"PictureUpload", ID_VIEW_PICTURE, ID_PICTURE_UPLOAD, 5, "AT^SQWE",
     QStringLiteral("Unable to copy the file to the phone's folder /Pictures!"), {}, ID_PICTURE_READ_LOCAL,
     Dialog::None, QStringLiteral("Picture was successfully uploaded to /Pictures.")},
    {"RingtoneUpload", ID_VIEW_RINGTONE, ID_RINGTONE_UPLOAD, 5, "AT^SQWE",
     QStringLiteral("Unable to copy the file to the phone's folder /Sounds!"), {}, ID_RINGTONE_READ_LOCAL,
     Dialog::None, QStringLiteral("Ringtone was successfully uploaded to /Sounds.")},
};

enum class Fault { Silent, Garbage, HangUp, ErrorCode };
const char *const kFaultNames[] = {"Silent", "Garbage", "HangUp", "ErrorCode"};

QStringList FaultOptions(Fault fault, const Operation &operation)
{
    const QString after = QString::number(kConnectCommands + operation.commandsBefore);
    switch (fault) {
    case Fault::Silent:
        return {"--fault", "silent-after=" + after};
    case Fault::Garbage:
        return {"--fault", "garbage-after=" + after};
    case Fault::HangUp:
        return {"--fault", "hangup-after=" + after};
    case Fault::ErrorCode:
        return {"--fault", QStringLiteral("error=%1:100").arg(operation.refusedAtCommand)};
    }
    return {};
}

// Every file of the working folder but the port links, with its bytes.
std::map<QString, QByteArray> FilesIn(const QString &folder)
{
    std::map<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        if (!path.contains("/ports/") && file.open(QIODevice::ReadOnly))
            files[path] = file.readAll();
    }
    return files;
}

using Cell = std::tuple<int, Fault>;

class PhoneFaultMatrixTest : public SimulatedPhoneFixture, public ::testing::WithParamInterface<Cell> {
protected:
    using SimulatedPhoneFixture::Run;

    void TearDown() override
    {
        SimulatedPhoneFixture::TearDown();
        ResetTelebookStore();
    }

    // A SIM book with room for a new entry, and a file for each upload.
    void PrepareFolders()
    {
        QFile state(m_dir.filePath("phone.json"));
        ASSERT_TRUE(state.open(QIODevice::WriteOnly));
        state.write(R"({"family": "newer", "phoneBooks": {"SM": {"capacity": 12, "numberLength": 20,
            "textLength": 14, "entries": [{"location": 1, "number": "+491701111111", "name": "Anna"},
                                          {"location": 2, "number": "+491702222222", "name": "Bernd"}]}}})");
        ASSERT_TRUE(QDir(m_dir.path()).mkpath(kPicturesFolder));
        for (const char *name : {"Fault.bmp", "Fault.mid"}) {
            QFile file(QDir(m_dir.filePath(kPicturesFolder)).filePath(QLatin1String(name)));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(QByteArray(300, '\x5A'));
        }
    }

    // Shows the operation's view, shows what it acts on, selects the first.
    void Prepare(const Operation &operation)
    {
        m_frame->RouteCommand(operation.view);
        if (auto *media = qobject_cast<CMediaWnd *>(ActiveView(*m_frame))) {
            const QString folder = m_dir.filePath(kPicturesFolder);
            media->SetFolderChooser([folder](QWidget *, const QString &) { return folder; });
        }
        if (!operation.setup)
            return;
        Run(operation.setup);
        QWidget *view = ActiveView(*m_frame);
        if (auto *list = view->findChild<CReportList *>()) {
            ASSERT_GT(list->rowCount(), 0);
            list->clearSelection();
            list->selectRow(0);
        } else if (auto *grid = view->findChild<CTileGrid *>()) {
            ASSERT_GT(grid->TileCount(), 0);
            QTest::mouseClick(grid->Tile(0), Qt::LeftButton, {}, QPoint(20, 50));
        }
    }

    // Types a message, saves or sends it, and closes the dialog once the
    // exchange is over, where a failed one must have left it ready to try again.
    void ComposeAndGo(CSMSComposeDlg &dialog, bool send)
    {
        SendToEdit(dialog)->setText(QStringLiteral("+491701234567"));
        MessageEdit(dialog)->setPlainText(QStringLiteral("Are you there?"));
        send ? dialog.OnSend() : dialog.OnSaveTo(ID_SMS_SAVE_PHONE);
        auto *poll = new QTimer(&dialog);
        poll->setInterval(10);
        QObject::connect(poll, &QTimer::timeout, [this, &dialog, poll] {
            if (!Idle())
                return;
            poll->deleteLater();
            if (!dialog.isVisible())
                return;
            EXPECT_TRUE(WaitUntil([&] { return SaveButton(dialog)->isEnabled() && SendButton(dialog)->isEnabled(); }))
                << "the dialog can no longer save or send its message";
            dialog.reject();
        });
        poll->start();
    }

    // Starts the operation in its view, through its dialog.
    void Start(const Operation &operation)
    {
        m_frame->RouteCommand(operation.view);
        switch (operation.dialog) {
        case Dialog::Entry:
            WhenEditShows([](CTelebookEditDlg &dialog) {
                QLineEdit *name = FindControl<QLineEdit>(dialog, CTelebookEditDlg::kNameEditId);
                if (name->text().isEmpty()) {
                    name->setText(QStringLiteral("Carla"));
                    FindControl<QLineEdit>(dialog, CTelebookEditDlg::kNumberEditId)
                        ->setText(QStringLiteral("+491703333333"));
                }
                SaveButton(dialog)->click();
            });
            break;
        case Dialog::Card:
            WhenDialogShows<CS57AddrbookEditDlg>([](CS57AddrbookEditDlg &dialog) { SaveButton(dialog)->click(); });
            break;
        case Dialog::SaveMessage:
        case Dialog::SendMessage:
            WhenDialogShows<CSMSComposeDlg>([this, send = operation.dialog == Dialog::SendMessage](
                                                CSMSComposeDlg &dialog) { ComposeAndGo(dialog, send); });
            break;
        case Dialog::None:
            break;
        }
        if (operation.command) {
            m_frame->RouteCommand(operation.command);
            return;
        }
        CInfoContent *content = m_frame->findChild<CInfoContent *>();
        ASSERT_NE(content, nullptr);
        emit content->SyncRequested();
    }
    void Run(const Operation &operation)
    {
        Start(operation);
        ASSERT_TRUE(WaitUntil([&] { return Idle() && !QApplication::activeModalWidget(); }, 15000));
    }
};

TEST_P(PhoneFaultMatrixTest, EndsInItsErrorTextAndTheNextOperationWorks)
{
    const Operation &operation = kOperations[std::get<0>(GetParam())];
    const Fault fault = std::get<1>(GetParam());
    WriteSettings("[User]\r\nPhone type=S55(Europe,Latin America)\r\nCountry=Japan\r\n"
                  "[Connection]\r\nConnect device=COM1\r\nBaudrate=115200\r\n");
    PrepareFolders();
    StartPhone("COM1", QStringList{"--family", "newer", "--state", m_dir.filePath("phone.json")} +
                           FaultOptions(fault, operation));
    StartProgram();
    CBoxRecorder boxes;
    Run(ID_CONNECT);
    ASSERT_EQ(g_bConnected.load(), 1);
    Prepare(operation);
    ASSERT_TRUE(boxes.Boxes().isEmpty()) << boxes.Boxes().first().text.toStdString();
    const std::map<QString, QByteArray> filesBefore = FilesIn(m_dir.path());

    QElapsedTimer elapsed;
    elapsed.start();
    StallProbe probe;
    Start(operation);
    ASSERT_TRUE(WaitUntil([&] { return Idle() && !QApplication::activeModalWidget(); }, 15000));
    EXPECT_LT(elapsed.elapsed(), 15000);
    EXPECT_LT(probe.LongestMs(), 1000) << "the interface thread stalled";
    ASSERT_EQ(boxes.Boxes().size(), 1) << boxes.Texts().join(" | ").toStdString();
    const bool refused = fault == Fault::ErrorCode && !operation.refusedText.isEmpty();
    EXPECT_EQ(boxes.Texts()[0].toStdString(), (refused ? operation.refusedText : operation.errorText).toStdString());
    EXPECT_EQ(FilesIn(m_dir.path()), filesBefore);

    // A pulled cable is back once the user connects again, and what the
    // operation acts on is read again from the phone now connected.
    if (fault == Fault::HangUp) {
        Run(ID_DISCONNECT);
        Run(ID_CONNECT);
        ASSERT_EQ(g_bConnected.load(), 1);
        Prepare(operation);
    }
    // A refused command stays refused; any other fault is over by now.
    const Operation &next = fault != Fault::ErrorCode         ? operation
                            : operation.command == ID_INFO_PHONE ? kOperations[2]
                                                                 : kOperations[0];
    Run(next);
    const QStringList expected = {boxes.Texts().first(), next.doneText};
    EXPECT_EQ(boxes.Texts().join(" | ").toStdString(),
              (next.doneText.isEmpty() ? expected.first(1) : expected).join(" | ").toStdString());
}

INSTANTIATE_TEST_SUITE_P(AllFaults, PhoneFaultMatrixTest,
                         ::testing::Combine(::testing::Range(0, int(std::size(kOperations))),
                                            ::testing::Values(Fault::Silent, Fault::Garbage, Fault::HangUp,
                                                              Fault::ErrorCode)),
                         [](const ::testing::TestParamInfo<Cell> &info) {
                             return std::string(kOperations[std::get<0>(info.param)].name) +
                                    kFaultNames[int(std::get<1>(info.param))];
                         });

} // namespace
