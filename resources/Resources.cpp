// SPDX-License-Identifier: GPL-2.0-or-later
#include "resources/Resources.h"

#include <mutex>

// Q_INIT_RESOURCE must be used outside any namespace.
static void RegisterOrrinResources()
{
    Q_INIT_RESOURCE(orrin);
}

namespace orrin {

void InitResources()
{
    static std::once_flag once;
    std::call_once(once, RegisterOrrinResources);
}

QString BitmapPath(int id)
{
    return QStringLiteral(":/bitmaps/%1.png").arg(id);
}

QString CursorPath(int id)
{
    return QStringLiteral(":/cursors/%1.png").arg(id);
}

} // namespace orrin
