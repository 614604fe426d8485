// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/backup/BackupRun.h"

#include "link/CommandSlot.h"
#include "link/Messages.h"
#include "link/MobileLink.h"
#include "link/Worker.h"
#include "stores/addrbook/AddrbookData.h"
#include "stores/addrbook/S57AddrbookData.h"
#include "stores/calendar/CalendarData.h"
#include "stores/info/InfoData.h"
#include "stores/picture/PictureData.h"
#include "stores/ringtone/RingtoneData.h"
#include "stores/sms/SMSData.h"
#include "stores/telebook/TelebookData.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QTimer>

namespace orrin::backup {
namespace {

constexpr int kProgressTickMs = 100;

QString Native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString Entries(qsizetype count, const QString &path)
{
    return QStringLiteral("%1 %2 in %3").arg(count).arg(QLatin1String(count == 1 ? "entry" : "entries"), Native(path));
}

QString InformationSaved()
{
    const InfoTexts texts = TheInfoData().Texts();
    return QStringLiteral("%1 %2, IMEI %3, kept in no local file")
        .arg(texts[kManufacturer], texts[kModel], texts[kImei]);
}

// The calendar's synchronise reads the phone and the local file and copies
// nothing between them.
QString CalendarSaved()
{
    const CCalendarData &store = TheCalendarData();
    return QStringLiteral("%1 read from the phone, none copied; %2")
        .arg(store.m_phoneList.size())
        .arg(Entries(store.m_localList.size(), CCalendarData::LocalFilePath()));
}

QString PicturesSaved()
{
    CPictureData &store = ThePictureData();
    int read = 0;
    for (int selector = 1; selector <= store.SlotCount(); ++selector)
        read += store.Buffer(selector).Length() > 0 ? 1 : 0;
    return QStringLiteral("%1 read, kept in no local file").arg(read);
}

QString RingtonesSaved()
{
    QStringList copies;
    for (int slot = 1; slot <= kRingtoneSlots; ++slot) {
        if (const QString path = TheRingtoneData().LocalCopyPath(slot); !path.isEmpty())
            copies << Native(path);
    }
    return copies.isEmpty() ? QStringLiteral("none on the phone") : copies.join(QStringLiteral(", "));
}

// The media views read every slot of the phone.
std::function<void()> ReadAllSlots(CMediaData &store)
{
    return [&store] {
        g_nMemory.store(kPhoneMemory);
        store.m_nSelector = store.AllSlots();
    };
}

template <class Store>
BackupStep AddressBookStep(Store &store)
{
    return {QStringLiteral("Address book"), &store, kAddrbookSync, {},
            [&store] { return Entries(store.m_localList.size(), store.LocalFilePath()); }};
}

// Nothing on the phone or in the files is replaced or removed unasked.
int HarmlessAnswer(BoxButtons buttons)
{
    switch (buttons) {
    case BoxButtons::Ok:
        return kIdOk;
    case BoxButtons::YesNo:
        return kIdNo;
    default:
        return kIdCancel;
    }
}

QString ReasonOrUnknown(const QString &reason)
{
    return reason.isEmpty() ? QStringLiteral("the store gave no reason") : reason;
}

} // namespace

std::vector<BackupStep> BackupSteps()
{
    const bool newer = CMobileLink::GetPhoneTypeCode() == PhoneFamily::Newer;
    return {
        {QStringLiteral("Information"), &TheInfoData(), kInfoReadPhoneAndSim, {}, InformationSaved},
        {QStringLiteral("Phone book"), &TheTelebookData(), kTelebookSync, {},
         [] { return Entries(TheTelebookData().m_localList.size(), CTelebookData::LocalFilePath()); }},
        {QStringLiteral("Messages"), &TheSMSData(), kSmsSync, {},
         [] { return Entries(TheSMSData().m_localList.size(), CSMSData::LocalFilePath()); }},
        newer ? AddressBookStep(TheS57AddrbookData()) : AddressBookStep(TheAddrbookData()),
        {QStringLiteral("Calendar"), &TheCalendarData(), kCalendarSync, {}, CalendarSaved},
        {QStringLiteral("Pictures"), &ThePictureData(), kMediaRead, ReadAllSlots(ThePictureData()), PicturesSaved},
        {QStringLiteral("Ringtones"), &TheRingtoneData(), kMediaRead, ReadAllSlots(TheRingtoneData()),
         RingtonesSaved},
    };
}

CBackupRun::CBackupRun(RunReports reports) : m_reports(std::move(reports))
{
    m_activeView.Set(this);
    g_hMainWnd.Set(this);
    m_previousBoxHandler = SetMessageBoxHandler([this](const BoxRequest &request) {
        m_boxTexts << request.text;
        if (m_reports.box)
            m_reports.box(request.text);
        return HarmlessAnswer(request.buttons);
    });
    m_worker = std::make_unique<CWorkerThread>(WorkerContext{this, &m_activeView, &TheMobileLink()});
    m_worker->Start();
}

CBackupRun::~CBackupRun()
{
    m_worker.reset();
    SetMessageBoxHandler(m_previousBoxHandler);
}

bool CBackupRun::Connect(QString *error)
{
    WriteCommand(kCommandConnect);
    int result = kLinkOpenFailed;
    if (WaitForMessage(&result) == WM_LINK_RESULT && result == kLinkOk)
        return true;
    *error = ReasonOrUnknown(g_strLastError.Get());
    return false;
}

void CBackupRun::Disconnect()
{
    if (!g_bConnected.load())
        return;
    WriteCommand(kCommandDisconnect);
    WaitForMessage();
}

StepOutcome CBackupRun::Run(const BackupStep &step, int stepIndex, int stepCount)
{
    m_boxTexts.clear();
    g_strLastError.Set({});
    // As a view's BeginCommand: busy first, then the work records, the code last.
    g_bBusy.store(1);
    g_nProgress.store(0);
    if (step.fill)
        step.fill();
    QTimer ticks;
    const auto tell = [&] {
        if (m_reports.progress)
            m_reports.progress(stepIndex, stepCount, step.name, g_nProgress.load());
    };
    QObject::connect(&ticks, &QTimer::timeout, tell);
    ticks.start(kProgressTickMs);
    tell();
    const int message = RunStoreCommand(*step.store, step.code);
    g_bBusy.store(0);
    if (message == WM_OPERATION_FAILED)
        return {false, ReasonOrUnknown(g_strLastError.Get())};
    if (!m_boxTexts.isEmpty()) {
        m_boxTexts.removeDuplicates();
        return {false, m_boxTexts.join(QStringLiteral("; "))};
    }
    // A media store reads on past a slot the phone did not give (an empty one
    // too) and succeeds, leaving the reason: it belongs beside what was saved.
    const QString reason = g_strLastError.Get();
    if (!PhoneStillAnswers())
        return {false, QStringLiteral("The phone stopped answering; what this step read may be incomplete.")};
    return {true, reason.isEmpty() ? step.saved() : step.saved() + QStringLiteral("; ") + reason};
}

int CBackupRun::RunStoreCommand(CMobileLink &store, int code)
{
    RegisterViewStore(*metaObject(), store);
    WriteStoreCommand(this, code);
    return WaitForMessage();
}

// The calendar and media reads skip an entry the phone did not give, as an
// empty one, and succeed: after a hang-up they would report a backup that
// holds nothing. Reading the phone's clock shows whether it still answers.
bool CBackupRun::PhoneStillAnswers()
{
    const QString reason = g_strLastError.Get();
    g_bBusy.store(1);
    const bool answers = RunStoreCommand(TheInfoData(), kInfoReadTime) != WM_OPERATION_FAILED;
    g_bBusy.store(0);
    g_strLastError.Set(reason);
    return answers;
}

void CBackupRun::OnMessage(int message, int wParam)
{
    m_message = message;
    m_wParam = wParam;
}

int CBackupRun::WaitForMessage(int *wParam)
{
    m_message = 0;
    while (m_message == 0)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    if (wParam)
        *wParam = m_wParam;
    return m_message;
}

} // namespace orrin::backup
