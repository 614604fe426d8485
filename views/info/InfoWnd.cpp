// SPDX-License-Identifier: GPL-2.0-or-later
#include "views/info/InfoWnd.h"

#include "ui/HeaderBar.h"
#include "views/info/InfoContent.h"
#include "stores/info/InfoData.h"
#include "ui/MenuResource.h"
#include "link/Messages.h"
#include "ui/TaskPane.h"
#include "views/common/ViewFrame.h"

#include <QDateTime>
#include <QLocale>
#include <QTimerEvent>

namespace orrin {
namespace {

constexpr int kClockInterval = 1000;
const char *const kHeaderTitle = QT_TRANSLATE_NOOP("orrin::CInfoWnd", "Information");

void RegisterInfoMenu()
{
    RegisterMenu({kInfoMenu,
                  {{QStringLiteral(QT_TRANSLATE_NOOP("CTaskPane", "Infomation")),
                    {{QStringLiteral(QT_TRANSLATE_NOOP("CTaskPane", "Phone infomation")), ID_INFO_PHONE},
                     {QStringLiteral(QT_TRANSLATE_NOOP("CTaskPane", "SIM card information")), ID_INFO_SIM},
                     {QStringLiteral(QT_TRANSLATE_NOOP("CTaskPane", "Time information")), ID_INFO_TIME}}}}});
}

} // namespace

CInfoWnd::CInfoWnd(QWidget *parent)
    : CDataView(parent), m_taskPane(new CTaskPane(this)),
      m_header(new CHeaderBar(tr(kHeaderTitle), this)), m_content(new CInfoContent(this))
{
    RegisterStore(TheInfoData());
    RegisterInfoMenu();
    m_taskPane->LoadMenu(kInfoMenu);
    AddViewKeys(*m_taskPane, {.readPhone = ID_INFO_PHONE});
    m_header->setWindowTitle(QStringLiteral("Info Header"));
    connect(m_content, &CInfoContent::SyncRequested, this, &CInfoWnd::SyncToLocalTime);
    m_clockTimer.start(kClockInterval, this);
}

bool CInfoWnd::OnCommand(int id)
{
    switch (id) {
    case ID_INFO_PHONE:
        if (Read(kInfoReadPhone, tr("Reading phone information")))
            m_content->SetSection(kPhoneSection);
        return true;
    case ID_INFO_SIM:
        if (Read(kInfoReadSim, tr("Reading SIM card information")))
            m_content->SetSection(kSimSection);
        return true;
    case ID_INFO_TIME:
        Read(kInfoReadTime, tr("Reading time information"));
        return true;
    default:
        return false;
    }
}

bool CInfoWnd::Read(int code, const QString &waitText)
{
    return BeginCommand({code, waitText, true, false, nullptr});
}

void CInfoWnd::SyncToLocalTime()
{
    // Tests and sets the busy flag like every read, so that a command still
    // waiting in the slot is never overwritten.
    BeginCommand({kInfoSyncTime, tr("Syncronizing time"), true, false, m_content}, [] {
        TheInfoData().m_strTimeToSet = QDateTime::currentDateTime().toString(QStringLiteral("yy/MM/dd,HH:mm:ss"));
    });
}

void CInfoWnd::OnMessage(int message, int)
{
    if (message != WM_INFO_DONE)
        return;
    const InfoTexts texts = TheInfoData().Texts();
    m_content->SetTexts(texts);
    m_strPhoneTimeRaw = texts[kPhoneTime];
    repaint();
    m_content->OnInfoDone();
    EndCommand();
}

void CInfoWnd::ShowLocalTime()
{
    if (m_strPhoneTimeRaw.isEmpty())
        return;
    m_content->SetLocalTimeText(
        QLocale::c().toString(QDateTime::currentDateTime(), QStringLiteral("MMMM dd, yyyy, HH:mm:ss")));
}

void CInfoWnd::timerEvent(QTimerEvent *event)
{
    if (event->timerId() == m_clockTimer.timerId())
        ShowLocalTime();
    else
        CDataView::timerEvent(event);
}

void CInfoWnd::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        m_header->SetTitle(tr(kHeaderTitle));
    CDataView::changeEvent(event);
}

void CInfoWnd::resizeEvent(QResizeEvent *event)
{
    CDataView::resizeEvent(event);
    LayOutViewFrame(*this, *m_taskPane, *m_header, *m_content);
}

// The signal goes out before anything is painted: the content, painted
// after its parent, then already sees the settings it depends on.
void CInfoWnd::paintEvent(QPaintEvent *event)
{
    if (m_bFirstPaint) {
        m_bFirstPaint = false;
        emit FirstPainted();
    }
    CDataView::paintEvent(event);
}

} // namespace orrin
