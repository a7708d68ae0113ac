// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/MeasurementLimits.h"

#include <cmath>

namespace observing {

std::string TimeRefusal(double t_days) {
    if (std::abs(t_days) <= MaxAbsTime_days)
        return {};
    return "the time must lie between -100 000 000 and 100 000 000 days";
}

std::string VelocityRefusal(double v_mps) {
    if (std::abs(v_mps) <= MaxAbsVelocity_mps)
        return {};
    return "the velocity must lie between -299 792 458 and 299 792 458 m/s (the speed of light)";
}

std::string ErrorRefusal(double error_mps) {
    if (error_mps >= MinError_mps && error_mps <= MaxError_mps)
        return {};
    if (!(error_mps > 0.0))
        return "the error must be a positive number";
    return "the error must lie between 0.000001 m/s and 299 792 458 m/s (the speed of light)";
}

std::string SpanRefusal(double span_days) {
    // All at one time is a set the window can show, saying why it has no periodogram.
    if (span_days >= MinSpan_days || span_days == 0.0)
        return {};
    return "The measurements span less than 0.001 days (86 seconds); a period can only be "
           "sought in measurements spread over more.";
}

} // namespace observing
