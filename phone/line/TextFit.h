// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Texts handed to the caller's buffers: the system's 8-bit encoding (UTF-8 on
// Linux), cut at a character boundary so the terminator always fits.

#include "phone/line/LineExport.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <optional>

namespace orrin::phone {

// The longest start of text whose encoding has at most maxBytes bytes.
PHONELINE_API QByteArray CutToFit(const QString &text, size_t maxBytes);

// Writes text and its terminator into buffer; nothing for a null buffer.
PHONELINE_API void FitText(const QString &text, char *buffer, size_t size);

// A text the caller handed in; nothing for a null pointer or a text with no
// terminator within maxBytes.
PHONELINE_API std::optional<QString> CallerText(const char *text, size_t maxBytes);

// Text from the phone: its bytes as Latin-1, control characters dropped.
PHONELINE_API QString PhoneText(const QByteArray &bytes);

} // namespace orrin::phone
