// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The colour of monochromatic light as a screen shows it: the CIE 1931 colour matching
// functions (in the multi-lobe Gaussian fit of Wyman, Sloan and Shirley, 2013) give XYZ,
// which goes to linear sRGB; the spectral colours lie outside the sRGB gamut, so the
// negative primary is clipped after a little white is added, the brightest primary is
// scaled to full, the ends of the visible range fade towards the eye's limits (below 400 nm
// with the hue of 400 nm), and the result is sRGB-encoded.

namespace spectrum {

struct TRgb {
    double R, G, B; // sRGB-encoded, 0 to 1
};

// The colour of light of wavelength lambda_nm; black outside 380 to 780 nm.
TRgb WavelengthColour(double lambda_nm);

} // namespace spectrum
