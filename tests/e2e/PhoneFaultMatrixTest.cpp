// SPDX-License-Identifier: GPL-2.0-or-later
// The phone operations of the views against every fault of the simulated
// phone, through the real frame, stores and worker: each ends in its error
// text within the line's timeout, touches no file, keeps the interface
// thread answering, and the next operation works once the fault has cleared.
#include "tests/e2e/SimulatedPhoneFixture.h"
#include "tests/support/StallProbe.h"
#include "views/info/InfoContent.h"
#include "views/info/InfoWnd.h"
#include "views/sms/SMSWnd.h"
#include "views/telebook/TelebookWnd.h"

#include <QDirIterator>
#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <map>

using namespace orrin;
using namespace orrin::test;

namespace {

// Commands a newer-family phone hears while the program connects (the AT
// greeting, then the OBEX session that ObexConnect opens and ends).
constexpr int kConnectCommands = 8;

struct Operation {
    const char *name;
    int view;           // the view that offers it
    int command;        // 0: the clock's synchronisation link
    int commandsBefore; // AT commands it makes before the one a fault strikes
    const char *refusedAtCommand;
    QString errorText;
    QString refusedText = {}; // when the refusal ends it elsewhere than errorText
};

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

    // Shows the operation's view and starts it there.
    void Start(const Operation &operation)
    {
        m_frame->RouteCommand(operation.view);
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
        ASSERT_TRUE(WaitUntil([&] { return Idle(); }, 15000));
    }
};

TEST_P(PhoneFaultMatrixTest, EndsInItsErrorTextAndTheNextOperationWorks)
{
    const Operation &operation = kOperations[std::get<0>(GetParam())];
    const Fault fault = std::get<1>(GetParam());
    WriteSettings("[User]\r\nPhone type=S55(Europe,Latin America)\r\nCountry=Japan\r\n"
                  "[Connection]\r\nConnect device=COM1\r\nBaudrate=115200\r\n");
    StartPhone("COM1", QStringList{"--family", "newer"} + FaultOptions(fault, operation));
    StartProgram();
    CBoxRecorder boxes;
    Run(ID_CONNECT);
    ASSERT_EQ(g_bConnected.load(), 1);
    const std::map<QString, QByteArray> filesBefore = FilesIn(m_dir.path());

    QElapsedTimer elapsed;
    elapsed.start();
    StallProbe probe;
    Start(operation);
    ASSERT_TRUE(WaitUntil([&] { return Idle(); }, 15000));
    EXPECT_LT(elapsed.elapsed(), 15000);
    EXPECT_LT(probe.LongestMs(), 1000) << "the interface thread stalled";
    ASSERT_EQ(boxes.Boxes().size(), 1);
    const bool refused = fault == Fault::ErrorCode && !operation.refusedText.isEmpty();
    EXPECT_EQ(boxes.Boxes()[0].text, refused ? operation.refusedText : operation.errorText);
    EXPECT_EQ(FilesIn(m_dir.path()), filesBefore);

    // A pulled cable is back once the user connects again.
    if (fault == Fault::HangUp) {
        Run(ID_DISCONNECT);
        Run(ID_CONNECT);
        ASSERT_EQ(g_bConnected.load(), 1);
    }
    // A refused command stays refused; any other fault is over by now.
    const Operation &next = fault != Fault::ErrorCode         ? operation
                            : operation.command == ID_INFO_PHONE ? kOperations[2]
                                                                 : kOperations[0];
    Run(next);
    EXPECT_EQ(boxes.Boxes().size(), 1) << boxes.Boxes().last().text.toStdString();
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
