// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// What a simulation chapter offers the book when a student may keep the system built in it
// and open it again: only a chapter that leaves every control free offers it; the book finds
// out by asking the open chapter for this interface.

#include "simulation/SystemState.h"

class TSystemKeeper {
public:
    virtual TSystemState KeptSystem() const = 0;
    // Why `state` cannot be put into the chapter, or an empty text.
    virtual QString SystemRefused(const TSystemState& state) const = 0;
    // Puts `state` into the chapter; SystemRefused must have accepted it. Page turns then
    // leave the planets as it put them.
    virtual void RestoreSystem(const TSystemState& state) = 0;

protected:
    ~TSystemKeeper() = default;
};
