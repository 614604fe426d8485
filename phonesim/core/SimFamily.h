// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The two phone families the simulator can be, and their models.

#include <QString>
#include <QStringList>

#include <optional>

namespace phonesim {

enum class SimFamily { Older, Newer };

// "older" or "newer".
std::optional<SimFamily> ParseFamily(const QString &name);
QString FamilyName(SimFamily family);

QStringList ModelsOf(SimFamily family);
// The model's name as the family spells it; empty when it is not of the family.
QString FamilyModel(SimFamily family, const QString &name);

} // namespace phonesim
