// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The language of the program's texts. The English texts are those in the
// code; other languages come from the translations compiled into the program.

class QLocale;

namespace orrin {

// Shows the program's texts in the language of locale, or in English when
// there is no translation for it; every window retranslates itself. True when
// a translation was installed.
bool UseLanguage(const QLocale &locale);

} // namespace orrin
