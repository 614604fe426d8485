// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What a command handler answers: information lines and a final result, or
// the data prompt with what to do with the data that follows it.

#include <QByteArray>
#include <QList>

#include <functional>

namespace phonesim {

struct SimAnswer {
    enum class Final { Ok, Error, CmeError, CmsError, Prompt };

    QList<QByteArray> lines;
    Final final = Final::Ok;
    int code = 0;  // the +CME / +CMS error number
    // After a prompt: takes the data (without Ctrl-Z) and answers it.
    std::function<SimAnswer(const QByteArray &)> takeData;
    QByteArray errorText;  // a +CME ERROR given as text ("PHONE BUSY") instead of its number

    static SimAnswer Ok(QList<QByteArray> lines = {}) { return {std::move(lines), Final::Ok, 0, {}, {}}; }
    static SimAnswer Error() { return {{}, Final::Error, 0, {}, {}}; }
    static SimAnswer CmeError(int code) { return {{}, Final::CmeError, code, {}, {}}; }
    static SimAnswer CmsError(int code) { return {{}, Final::CmsError, code, {}, {}}; }
    static SimAnswer CmeText(QByteArray text) { return {{}, Final::CmeError, 0, {}, std::move(text)}; }
    static SimAnswer Prompt(std::function<SimAnswer(const QByteArray &)> takeData)
    {
        return {{}, Final::Prompt, 0, std::move(takeData), {}};
    }
};

// +CME error numbers the simulator gives.
constexpr int kCmeNotAllowed = 3;

} // namespace phonesim
