// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/spectrum/SpectrumText.h"


#include "model/text/NumberWriting.h"

#include <cmath>

namespace spectrum {

std::string GroupedText(double whole) {
    const std::string plain = FixedNumber(std::fabs(whole), 0);
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
