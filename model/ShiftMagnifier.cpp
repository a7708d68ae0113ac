#include "model/ShiftMagnifier.h"

#include "model/Spectrum.h"

#include <algorithm>
#include <cmath>

namespace spectrum {

void TShiftMagnifier::Observe(double v_mps) {
    if (std::isfinite(v_mps))
        PeakSpeed_mps = std::max(PeakSpeed_mps, std::fabs(v_mps));
}

double TShiftMagnifier::Magnification(double rest_nm, double halfSpan_nm) {
    const double peak_nm = Shift_nm(rest_nm, PeakSpeed_mps);
    if (peak_nm > 0.0) {
        const double decade = std::floor(std::log10(Reach * halfSpan_nm / peak_nm));
        Last = std::clamp(std::pow(10.0, decade), Smallest, Largest);
    }
    return Last;
}

} // namespace spectrum
