// SPDX-License-Identifier: GPL-2.0-or-later
#include "phonesim/core/Faults.h"

#include "phonesim/core/at/AtRequest.h"

namespace phonesim {
namespace {

// Short-message commands report their errors as +CMS ERROR.
bool IsMessageCommand(const QByteArray &name)
{
    static const QByteArrayList kMessageCommands = {"+CMGF", "+CMGL", "+CMGR", "+CMGW", "+CMGS", "+CMGD",
                                                    "+CMSS", "+CPMS", "+CSCA", "+CSMS", "+CNMI"};
    return kMessageCommands.contains(name);
}

bool AddErrorFault(FaultPlan &plan, const QString &value, QString *error)
{
    const qsizetype colon = value.lastIndexOf(QLatin1Char(':'));
    const QByteArray name = CommandName(value.left(colon).toLatin1());
    const QString code = value.mid(colon + 1);
    bool numeric = false;
    const int number = code.toInt(&numeric);
    const bool text = code == QLatin1String("ERROR") || code == QLatin1String("BUSY");
    if (colon <= 0 || name.isEmpty() || (!numeric && !text) || (numeric && number < 0)) {
        *error = QStringLiteral("error fault must be COMMAND:CODE, not \"%1\"").arg(value);
        return false;
    }
    if (code == QLatin1String("BUSY"))
        plan.errors.insert(name, SimAnswer::CmeText("PHONE BUSY"));
    else if (!numeric)
        plan.errors.insert(name, SimAnswer::Error());
    else
        plan.errors.insert(name, IsMessageCommand(name) ? SimAnswer::CmsError(number) : SimAnswer::CmeError(number));
    return true;
}

} // namespace

bool AddFault(FaultPlan &plan, const QString &fault, QString *error)
{
    const qsizetype equals = fault.indexOf(QLatin1Char('='));
    const QString kind = fault.left(equals);
    const QString value = equals < 0 ? QString() : fault.mid(equals + 1);
    if (kind == QLatin1String("error"))
        return AddErrorFault(plan, value, error);
    int *after = kind == QLatin1String("silent-after")    ? &plan.silentAfter
                 : kind == QLatin1String("garbage-after") ? &plan.garbageAfter
                 : kind == QLatin1String("hangup-after")  ? &plan.hangupAfter
                                                          : nullptr;
    bool ok = false;
    const int count = value.toInt(&ok);
    if (!after || !ok || count < 0) {
        *error = QStringLiteral("unknown fault \"%1\"").arg(fault);
        return false;
    }
    *after = count;
    return true;
}

} // namespace phonesim
