// SPDX-License-Identifier: GPL-2.0-or-later
#include "stores/common/StoreFailure.h"

#include "link/MessageBox.h"
#include "link/SharedState.h"

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
    return QString::fromLatin1(pattern).arg(g_nMemory.load() == kPhoneMemory ? QStringLiteral("phone")
                                                                             : QStringLiteral("SIM card"));
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
        MessageBox(nullptr, QStringLiteral("Fatel error: Cannot access telephone file!"));
        return false;
    }
}

} // namespace orrin
