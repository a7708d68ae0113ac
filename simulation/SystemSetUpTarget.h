// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// What a simulation chapter offers a window outside it that puts a real planetary system
// into its simulation. Only a chapter that leaves every control free offers it; the window
// finds out by asking the open chapter for this interface.

struct TRealSystem;

class TSystemSetUpTarget {
public:
    // Puts `system` into the simulation through the parameter dialog.
    virtual void SetUpSystem(const TRealSystem& system) = 0;

protected:
    ~TSystemSetUpTarget() = default;
};
