// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Qt's raster painting (6.4 on x86-64) returns with the upper halves of the AVX registers
// still marked in use. Until they are cleared, the SSE arithmetic that follows waits on them
// and a long floating-point loop runs about four times slower. Numeric loops that can follow
// painting (rebuilding orbit tracks, projecting them) call this first. No Qt header.

inline void ClearUpperVectorState() {
#if defined(__x86_64__) || defined(__i386__)
    if (__builtin_cpu_supports("avx"))
        __asm__ volatile("vzeroupper" ::: "memory");
#endif
}
