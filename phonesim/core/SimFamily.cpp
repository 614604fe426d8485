// SPDX-License-Identifier: GPL-2.0-or-later
#include "phonesim/core/SimFamily.h"

namespace phonesim {

std::optional<SimFamily> ParseFamily(const QString &name)
{
    if (name == QLatin1String("older"))
        return SimFamily::Older;
    if (name == QLatin1String("newer"))
        return SimFamily::Newer;
    return std::nullopt;
}

QString FamilyName(SimFamily family)
{
    return family == SimFamily::Newer ? QStringLiteral("newer") : QStringLiteral("older");
}

QStringList ModelsOf(SimFamily family)
{
    if (family == SimFamily::Newer)
        return {QStringLiteral("S55"), QStringLiteral("S56"), QStringLiteral("S57")};
    return {QStringLiteral("S45i"), QStringLiteral("ME45"), QStringLiteral("SL45i"), QStringLiteral("S46"),
            QStringLiteral("3618"), QStringLiteral("6618"), QStringLiteral("6688i")};
}

QString FamilyModel(SimFamily family, const QString &name)
{
    for (const QString &model : ModelsOf(family)) {
        if (model.compare(name, Qt::CaseInsensitive) == 0)
            return model;
    }
    return {};
}

} // namespace phonesim
