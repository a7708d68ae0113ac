// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "FloatToStr.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

AnsiString FloatToStr(double value) {
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    if (value == 0)
        return "0";
    // "%.14e" rounds to 15 significant digits: d.dddddddddddddde±x.
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(value));
    AnsiString digits;
    digits += buf[0];
    digits.append(buf + 2, 14);
    const int exponent = std::atoi(buf + 17) + 1; // value = 0.d1d2... * 10^exponent
    digits.erase(digits.find_last_not_of('0') + 1);

    AnsiString out = value < 0 ? "-" : "";
    if (exponent >= -3 && exponent <= 15) {
        if (exponent <= 0) {
            out += "0.";
            out.append(std::size_t(-exponent), '0');
            out += digits;
        } else if (std::size_t(exponent) >= digits.size()) {
            out += digits;
            out.append(std::size_t(exponent) - digits.size(), '0');
        } else {
            out += digits.substr(0, std::size_t(exponent));
            out += '.';
            out += digits.substr(std::size_t(exponent));
        }
    } else {
        out += digits[0];
        if (digits.size() > 1) {
            out += '.';
            out += digits.substr(1);
        }
        out += 'E';
        out += std::to_string(exponent - 1);
    }
    return out;
}
