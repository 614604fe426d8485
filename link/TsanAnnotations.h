// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Happens-before marks for the thread sanitizer where data crosses threads
// through Qt, whose own locks it does not see. Nothing in other builds.

#if defined(__SANITIZE_THREAD__)
extern "C" void __tsan_acquire(void *address);
extern "C" void __tsan_release(void *address);
namespace orrin {
inline void TsanAcquire(const void *address) { __tsan_acquire(const_cast<void *>(address)); }
inline void TsanRelease(const void *address) { __tsan_release(const_cast<void *>(address)); }
} // namespace orrin
#else
namespace orrin {
inline void TsanAcquire(const void *) {}
inline void TsanRelease(const void *) {}
} // namespace orrin
#endif
