// SPDX-License-Identifier: GPL-2.0-or-later
#include "link/MobileLink.h"

#include "link/MessageBox.h"
#include "link/Messages.h"
#include "link/SharedState.h"
#include "link/Translated.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <atomic>
#include <mutex>

namespace orrin {
namespace {

std::mutex g_folderMutex;
QString g_moduleFolder;
std::atomic<unsigned> g_lineGeneration{0};

QString ExecutableFolder()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
#if defined(Q_OS_LINUX)
    // Built before the application object exists: ask the kernel.
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
#else
    return QDir::currentPath();
#endif
}

bool LoadModule(QLibrary &library, const char *baseName)
{
    library.setFileName(QDir(PhoneModuleFolder()).filePath(QString::fromLatin1(baseName)));
    return library.load();
}

} // namespace

QString PhoneModuleFolder()
{
    std::lock_guard lock(g_folderMutex);
    return g_moduleFolder.isEmpty() ? ExecutableFolder() : g_moduleFolder;
}

void SetPhoneModuleFolder(const QString &folder)
{
    std::lock_guard lock(g_folderMutex);
    g_moduleFolder = folder;
}

CMobileLink::CMobileLink()
{
    if (LoadModule(m_mobile, "Mobile")) {
        ORRIN_FETCH_MOBILE(MonitorPhone);
        ORRIN_FETCH_MOBILE(MonitorComm);
        ORRIN_FETCH_MOBILE(OpenComms);
        ORRIN_FETCH_MOBILE(CloseComms);
        ORRIN_FETCH_MOBILE(GetMobileInfo);
    } else {
        g_strLastError.Set(Translated("CMobileLink", kMissingMobileText));
    }
    if (LoadModule(m_obex, "OBEX")) {
        ORRIN_FETCH_OBEX(SetMobileType);
        ORRIN_FETCH_OBEX(IrdaConnect);
        ORRIN_FETCH_OBEX(IrdaClose);
        ORRIN_FETCH_OBEX(ObexConnect);
    } else {
        g_strLastError.Set(Translated("CMobileLink", kMissingObexText));
    }
}

// QLibrary keeps the modules loaded for the other link objects; unloading at
// exit would only race the process teardown.
CMobileLink::~CMobileLink() = default;

void CMobileLink::RunOperation(QObject *, int) {}

PhoneFamily PhoneFamilyOf(const QString &phoneType)
{
    for (const char *newer : kNewerPhoneTypes) {
        if (phoneType == QLatin1String(newer))
            return PhoneFamily::Newer;
    }
    return PhoneFamily::Older;
}

PhoneFamily CMobileLink::GetPhoneTypeCode()
{
    return PhoneFamilyOf(g_strPhoneType.Get());
}

unsigned CMobileLink::LineGeneration()
{
    return g_lineGeneration.load();
}

bool CMobileLink::IsAnotherPhone()
{
    const unsigned line = LineGeneration();
    const QString phoneType = g_strPhoneType.Get();
    if (line == m_nLineSeen && phoneType == m_strPhoneTypeSeen)
        return false;
    m_nLineSeen = line;
    m_strPhoneTypeSeen = phoneType;
    return true;
}

void CMobileLink::EndOperation(QObject *view, int doneMessage, int result)
{
    g_nCommand.store(0);
    if (result)
        PostMessageTo(view, doneMessage);
    else
        PostMessageTo(g_hMainWnd.Get(), WM_OPERATION_FAILED);
}

void CMobileLink::SetPhoneFamily()
{
    CallEntry(m_pSetMobileType, int32_t(GetPhoneTypeCode()));
}

int CMobileLink::OpenPort()
{
    if (g_bConnected.load())
        return 1;
    const QString port = g_strPortName.Get();
    if (CallEntry(m_pOpenComms, port.toLocal8Bit().constData(), int32_t(g_nBaudRate.load()))) {
        g_bConnected.store(1);
        ++g_lineGeneration;
        return 1;
    }
    g_strLastError.Set(QCoreApplication::translate("CMobileLink", "Cannot open %1").arg(port));
    return 0;
}

int CMobileLink::ConnectInfrared()
{
    if (!CallEntry(m_pIrdaConnect))
        return 0;
    if (CallEntry(m_pObexConnect))
        return 1;
    CallEntry(m_pIrdaClose);
    return 0;
}

int CMobileLink::ClosePort()
{
    if (g_bConnected.load() != 1)
        return 1;
    if (g_bBusy.load() == 1) {
        MessageBox(g_hMainWnd.Get(),
                   QCoreApplication::translate("CMobileLink", "Data exchanging...\nPlease wait for a while."));
        return 0;
    }
    g_bBusy.store(1);
    const bool closed = CallEntry(m_pCloseComms);
    if (closed) {
        g_bConnected.store(0);
        ++g_lineGeneration;
    }
    else
        g_strLastError.Set(QCoreApplication::translate("CMobileLink", "Cannot close %1").arg(g_strPortName.Get()));
    g_bBusy.store(0);
    return closed ? 1 : 0;
}

int CMobileLink::CloseInfrared()
{
    return CallEntry(m_pIrdaClose) ? 1 : 0;
}

int CMobileLink::DetectPort()
{
    char port[MONITOR_PORT_SIZE] = {};
    int32_t baudRate = 0;
    if (!CallEntry(m_pMonitorPhone, port, &baudRate))
        return 0;
    port[sizeof port - 1] = '\0';
    g_strPortName.Set(QString::fromLocal8Bit(port));
    g_nBaudRate.store(baudRate);
    return 1;
}

CMobileLink &TheMobileLink()
{
    static CMobileLink link;
    return link;
}

} // namespace orrin
