// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Country names and their international dialling codes, in table order.

#include <QStringList>

#include <array>

namespace orrin {

struct CountryEntry {
    char name[256]; // zero-terminated
    char code[10];  // decimal digits without "+"
};
static_assert(sizeof(CountryEntry) == 266);

constexpr size_t kCountryCount = 164;
extern const std::array<CountryEntry, kCountryCount> g_countryTable;

// The names as the country list shows them: sorted without regard to case,
// as list boxes sort, so "icaragua" stands among the I's.
QStringList CountryNamesInListOrder();

// The dialling code of the first row with exactly this name; empty when none.
QString DiallingCodeOf(const QString &country);

} // namespace orrin
