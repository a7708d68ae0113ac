// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The visible absorption lines of a Sun-like star and their Doppler shift. A star receding
// at v (m/s, positive away from us, as the velocity graph plots it) shows a line of rest
// wavelength λ0 at λ0 (1 + v/c): every line moves by the same fraction v/c of its
// wavelength. Wavelengths are in air, in nm.

#include <cstddef>
#include <span>

namespace spectrum {

constexpr double SpeedOfLight_mps = 299792458.0;
// The band the spectrum view shows.
constexpr double BandStart_nm = 380.0;
constexpr double BandEnd_nm = 700.0;
// Resolving power λ/Δλ of the spectrograph the shift is compared with.
constexpr double ResolvingPower = 100000.0;

struct TSpectralLine {
    const char* Name;    // UTF-8, e.g. "Hα"
    double Rest_nm;      // rest wavelength in air
    double Depth;        // central depth as a fraction of the continuum, for drawing
    double HalfWidth_nm; // half width at half depth, for drawing
};

// The lines the magnified panel centres on: one line, or a close group such as Na D.
struct TLineGroup {
    const char* Name;   // UTF-8, e.g. "Na D"
    int First;          // index of its first line in Lines()
    int Count;          // number of its lines
    double Centre_nm;   // centre of the panel
    double HalfSpan_nm; // the panel shows Centre_nm ± HalfSpan_nm
};

constexpr std::size_t LineCount = 11;

// Ca II K and H, Hδ, Hγ, Hβ, the Mg b triplet, Na D2 and D1 and Hα, blue to red.
std::span<const TSpectralLine> Lines();
// Hα, Hβ and Na D, in that order.
std::span<const TLineGroup> MagnifiedGroups();

// λ0 (1 + v/c), nm.
double Shifted_nm(double rest_nm, double v_mps);
// The shift λ0 v / c, nm; positive to the red.
double Shift_nm(double rest_nm, double v_mps);
// The resolution element λ / R of the spectrograph at λ, nm.
double ResolutionElement_nm(double lambda_nm);
// The shift in resolution elements, R v / c: the same for every line.
double ShiftInResolutionElements(double v_mps);

} // namespace spectrum
