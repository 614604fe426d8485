// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Fixed-width text fields of the records: zero-terminated 8-bit text in the
// system encoding (UTF-8 here, the ANSI code page on Windows), zero-padded.
// A text longer than its field is cut at a character boundary, so the field
// always keeps its terminator and never holds half a character.

#include "phone/TextBoundary.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstddef>

namespace orrin {

// Fills a field of size bytes: the text, cut to fit with its terminator, then zeros.
void CopyTextField(char *field, std::size_t size, QByteArrayView text);

// The text of a field, up to its terminator or its end, whichever comes first.
QByteArrayView TextFieldView(const char *field, std::size_t size);

template <std::size_t N>
void SetTextFieldBytes(char (&field)[N], QByteArrayView text)
{
    CopyTextField(field, N, text);
}

template <std::size_t N>
void SetTextFieldString(char (&field)[N], const QString &text)
{
    CopyTextField(field, N, text.toLocal8Bit());
}

template <std::size_t N>
QByteArrayView TextFieldBytes(const char (&field)[N])
{
    return TextFieldView(field, N);
}

template <std::size_t N>
QString TextFieldString(const char (&field)[N])
{
    return QString::fromLocal8Bit(TextFieldBytes(field));
}

// Makes a field that came from outside (a phone module, a file) safe to use as
// a zero-terminated text: an unterminated one is cut at a character boundary.
template <std::size_t N>
void TerminateTextField(char (&field)[N])
{
    const QByteArray text = TextFieldBytes(field).toByteArray();
    CopyTextField(field, N, text);
}

// The record's text fields, each cut to end in a terminator at a character
// boundary.
template <typename Record, typename... Fields>
void TerminateFields(Record &record, Fields... fields)
{
    (TerminateTextField(record.*fields), ...);
}

// Whether the two records hold the same texts in these fields.
template <typename Record, typename... Fields>
bool SameFields(const Record &a, const Record &b, Fields... fields)
{
    return ((TextFieldBytes(a.*fields) == TextFieldBytes(b.*fields)) && ...);
}

} // namespace orrin
