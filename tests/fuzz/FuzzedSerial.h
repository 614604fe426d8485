// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A phone line whose every answer comes from the fuzzer's bytes: each write
// makes a few pieces of the input readable, as a serial port would hand them
// over, whatever was sent. An exhausted input reads as a silent phone.
#include "phone/line/SerialIo.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <deque>

namespace orrin::phone::fuzz {

class CFuzzedSerial : public ISerialIo {
public:
    explicit CFuzzedSerial(FuzzedDataProvider &input) : m_input(input) {}

    bool Write(const QByteArray &, const QDeadlineTimer &) override
    {
        for (int pieces = m_input.ConsumeIntegralInRange(0, 6); pieces > 0; --pieces) {
            const std::string piece = m_input.ConsumeRandomLengthString(512);
            m_readable.emplace_back(piece.data(), qsizetype(piece.size()));
        }
        return !Lost();
    }

    ReadResult Read(const QDeadlineTimer &) override
    {
        if (m_readable.empty())
            return {Lost() ? ReadStatus::Lost : ReadStatus::Timeout, {}};
        QByteArray piece = m_readable.front();
        m_readable.pop_front();
        return {ReadStatus::Data, piece};
    }

    void DiscardInput() override { m_readable.clear(); }
    int BaudRate() const override { return 115200; }

    // Once the input is used up the line is gone rather than silent.
    void LoseLineAtEnd() { m_lostAtEnd = true; }

private:
    bool Lost() const { return m_lostAtEnd && m_input.remaining_bytes() == 0; }

    FuzzedDataProvider &m_input;
    std::deque<QByteArray> m_readable;
    bool m_lostAtEnd = false;
};

} // namespace orrin::phone::fuzz
