// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "TBitmap.h"
#include "VectorState.h"

#include <gtest/gtest.h>

#if defined(__x86_64__)
#include <cpuid.h>

namespace {

// Whether the processor reports which register states are in use (XGETBV with ECX = 1).
bool CanReadStateInUse() {
    unsigned a, b, c, d;
    return __get_cpuid_count(0xD, 1, &a, &b, &c, &d) && (a & 4) && __builtin_cpu_supports("avx");
}

bool UpperVectorStateInUse() {
    unsigned lo, hi;
    __asm__ volatile("xgetbv" : "=a"(lo), "=d"(hi) : "c"(1));
    return (lo >> 2) & 1;
}

} // namespace

TEST(VectorState, ClearingAfterPaintingLeavesTheUpperHalvesUnused) {
    if (!CanReadStateInUse())
        GTEST_SKIP() << "the processor does not report its register states";
    TBitmap bitmap(200, 100);
    for (int i = 0; i < 50; ++i) {
        bitmap.Canvas().Brush.Color = clAqua;
        bitmap.Canvas().FillRect(QRect(0, 0, 200, 100));
        bitmap.Canvas().Flush();
        ClearUpperVectorState();
        ASSERT_FALSE(UpperVectorStateInUse()) << i;
    }
}
#endif
