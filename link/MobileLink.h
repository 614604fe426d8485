// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The link object: base of every store. It loads both phone modules, holds the
// connection entry points and the selection a view hands to its store, and
// runs the connection commands on the worker thread.

#include "phone/PhoneApi.h"

#include <QLibrary>
#include <QObject>
#include <QString>

#include <vector>

namespace orrin {

// The phone types of the newer family (S55, S56, S57), as the settings name them.
inline constexpr const char *kNewerPhoneTypes[] = {
    "S57(Asia)",
    "S56(North America)",
    "S55(Europe,Latin America)",
};

// The newer family for exactly the names of kNewerPhoneTypes, the older for any other text.
PhoneFamily PhoneFamilyOf(const QString &phoneType);

// Source texts of CMobileLink, shown translated.
inline const QString kMissingMobileText =
    QStringLiteral(QT_TRANSLATE_NOOP("CMobileLink", "Cannot find Mobile.dll\nFailed to open library!"));
inline const QString kMissingObexText =
    QStringLiteral(QT_TRANSLATE_NOOP("CMobileLink", "Cannot find Obex.dll\nFailed to open library!"));

// Folder the phone modules are loaded from: the executable's folder unless a
// test points elsewhere (set before the first link object is built).
QString PhoneModuleFolder();
void SetPhoneModuleFolder(const QString &folder);

// Calls an entry point that may be missing; a missing one answers like a failure.
template <typename Fn, typename... Args>
auto CallEntry(Fn *entry, Args... args) -> decltype(entry(args...))
{
    using Result = decltype(entry(args...));
    if (!entry)
        return Result{};
    return entry(args...);
}

class CMobileLink {
public:
    CMobileLink();
    virtual ~CMobileLink();
    CMobileLink(const CMobileLink &) = delete;
    CMobileLink &operator=(const CMobileLink &) = delete;

    // Runs a store command on the worker thread. The link itself knows none:
    // the code stays in the slot and nothing is posted.
    virtual void RunOperation(QObject *view, int code);

    // The family of the phone type chosen in the settings.
    static PhoneFamily GetPhoneTypeCode();

    // Changes each time the line opens or closes: what a store read from a
    // phone under another value may belong to another phone.
    static unsigned LineGeneration();

    void SetPhoneFamily();
    int OpenPort();
    int ConnectInfrared();
    int ClosePort();
    int CloseInfrared();
    int DetectPort();

    // Positions of the records selected in a view, for modify and delete.
    std::vector<int> m_selection;

protected:
    // True once after the line opened or closed or the phone type changed:
    // whatever the store read from a phone before may belong to another one.
    bool IsAnotherPhone();

    // Ends a store command: the slot is cleared, then doneMessage goes to the
    // view, or WM_OPERATION_FAILED to the main frame when the result is 0.
    static void EndOperation(QObject *view, int doneMessage, int result);

    template <typename Fn>
    Fn *FetchMobile(const char *name) { return Fetch<Fn>(m_mobile, name); }
    template <typename Fn>
    Fn *FetchObex(const char *name) { return Fetch<Fn>(m_obex, name); }

private:
    template <typename Fn>
    static Fn *Fetch(QLibrary &library, const char *name)
    {
        return library.isLoaded() ? reinterpret_cast<Fn *>(library.resolve(name)) : nullptr;
    }

    QLibrary m_mobile;
    QLibrary m_obex;
    // The line and phone type of the last IsAnotherPhone().
    unsigned m_nLineSeen = 0;
    QString m_strPhoneTypeSeen;

protected:
    decltype(::MonitorPhone) *m_pMonitorPhone = nullptr;
    decltype(::MonitorComm) *m_pMonitorComm = nullptr;
    decltype(::OpenComms) *m_pOpenComms = nullptr;
    decltype(::CloseComms) *m_pCloseComms = nullptr;
    decltype(::GetMobileInfo) *m_pGetMobileInfo = nullptr;
    decltype(::SetMobileType) *m_pSetMobileType = nullptr;
    decltype(::IrdaConnect) *m_pIrdaConnect = nullptr;
    decltype(::IrdaClose) *m_pIrdaClose = nullptr;
    decltype(::ObexConnect) *m_pObexConnect = nullptr;
};

// Fetches an entry point of the named module into the member m_p<name>.
#define ORRIN_FETCH_MOBILE(name) m_p##name = FetchMobile<decltype(::name)>(#name)
#define ORRIN_FETCH_OBEX(name) m_p##name = FetchObex<decltype(::name)>(#name)

// The global link object that runs the connection commands.
CMobileLink &TheMobileLink();

} // namespace orrin
