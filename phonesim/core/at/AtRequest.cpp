// SPDX-License-Identifier: GPL-2.0-or-later
#include "phonesim/core/at/AtRequest.h"

#include <cctype>

namespace phonesim {
namespace {

bool IsNameChar(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) != 0;
}

// Splits the part after the name into the form and its argument.
bool ReadForm(const QByteArray &rest, AtRequest &request)
{
    if (rest.isEmpty()) {
        request.form = AtForm::Exec;
    } else if (rest == "?") {
        request.form = AtForm::Read;
    } else if (rest == "=?") {
        request.form = AtForm::Test;
    } else if (rest.startsWith('=')) {
        request.form = AtForm::Set;
        request.args = rest.mid(1);
    } else {
        return false;
    }
    return true;
}

} // namespace

QByteArray CommandName(const QByteArray &text)
{
    const QByteArray upper = text.trimmed().toUpper();
    return upper.startsWith("AT") ? upper.mid(2) : upper;
}

std::optional<AtRequest> ParseAtLine(const QByteArray &line)
{
    const QByteArray text = line.trimmed();
    if (text.size() < 2 || text.left(2).toUpper() != "AT")
        return std::nullopt;
    const QByteArray body = text.mid(2);
    AtRequest request;
    if (body.isEmpty())
        return request;
    qsizetype end = 0;
    if (body.front() == '+' || body.front() == '^') {
        end = 1;
        while (end < body.size() && IsNameChar(body.at(end)))
            ++end;
    } else {
        end = body.front() == '&' ? 2 : 1;
        request.form = AtForm::Set;
    }
    request.name = body.left(end).toUpper();
    const QByteArray rest = body.mid(end);
    if (request.form == AtForm::Set) {
        // Basic commands take their argument straight after the letter.
        request.args = rest;
        if (rest.isEmpty())
            request.form = AtForm::Exec;
        return request;
    }
    if (!ReadForm(rest, request))
        request = {body.toUpper(), AtForm::Exec, {}};
    return request;
}

} // namespace phonesim
