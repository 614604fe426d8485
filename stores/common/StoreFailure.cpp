// SPDX-License-Identifier: GPL-2.0-or-later
#include "stores/common/StoreFailure.h"

#include "link/MessageBox.h"
#include "link/SharedState.h"

#include <QCoreApplication>

namespace orrin {

int Fail(const QString &text)
{
    g_strLastError.Set(text);
    return 0;
}

const char *MemoryText()
{
    return g_nMemory.load() == kPhoneMemory ? "ME" : "SM";
}

QString AboutMemory(const char *pattern)
{
    const char *memory = g_nMemory.load() == kPhoneMemory ? QT_TRANSLATE_NOOP("StoreFailure", "phone")
                                                          : QT_TRANSLATE_NOOP("StoreFailure", "SIM card");
    return QCoreApplication::translate("StoreFailure", pattern)
        .arg(QCoreApplication::translate("StoreFailure", memory));
}

bool AcceptedByLocalFile(LocalFileResult result, const QString &wrongTagText)
{
    switch (result) {
    case LocalFileResult::Ok:
        return true;
    case LocalFileResult::WrongTag:
        MessageBox(nullptr, wrongTagText);
        return false;
    default:
        MessageBox(nullptr, QCoreApplication::translate("StoreFailure", "Fatel error: Cannot access telephone file!"));
        return false;
    }
}

} // namespace orrin
