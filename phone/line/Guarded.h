// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The C entry points never let an exception cross into the caller.

namespace orrin::phone {

template <typename Result, typename Body>
Result Guarded(Result failure, Body &&body) noexcept
{
    try {
        return body();
    } catch (...) {
        return failure;
    }
}

} // namespace orrin::phone
