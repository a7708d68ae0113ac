// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/SpectrumText.h"


#include <cmath>
#include <cstdio>

namespace spectrum {

std::string GroupedText(double whole) {
    char digits[32];
    std::snprintf(digits, sizeof digits, "%.0f", std::fabs(whole));
    const std::string plain = digits;
    std::string grouped;
    for (std::size_t i = 0; i < plain.size(); ++i) {
        if (i > 0 && (plain.size() - i) % 3 == 0)
            grouped += "\u2009";
        grouped += plain[i];
    }
    return grouped;
}

std::string MagnificationText(double magnification) {
    return GroupedText(magnification) + "\u00d7";
}

} // namespace spectrum
