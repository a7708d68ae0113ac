// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/text/NumberWriting.h"

#include "Precondition.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

// As long as it needs: 1e308 with three decimals is 313 characters.
std::string Printed(const char* format, int precision, double value) {
    const int length = std::snprintf(nullptr, 0, format, precision, value);
    std::string text(std::size_t(length) + 1, '\0');
    std::snprintf(text.data(), text.size(), format, precision, value);
    text.resize(std::size_t(length));
    return text;
}

// "-0.00" and "-0" become "0.00" and "0".
std::string Unsigned(std::string text) {
    if (text.front() == '-' && text.find_first_not_of("0.", 1) == std::string::npos)
        text.erase(0, 1);
    return text;
}

std::string Superscript(int exponent) {
    static const char* const digits[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
    std::string power = exponent < 0 ? "⁻" : "";
    for (char c : std::to_string(std::abs(exponent)))
        power += digits[c - '0'];
    return power;
}

int PeriodDecimals(double period_days) {
    // Decided on the rounded figures, so that 9.9996 days reads "10.00", as 10 days does.
    if (std::round(period_days * 1e3) < 1e4)
        return 3;
    return std::round(period_days * 1e2) < 1e4 ? 2 : 1;
}

} // namespace

std::string FixedNumber(double value, int decimals) {
    return Unsigned(Printed("%.*f", decimals, value));
}

std::string FiguresNumber(double value, int figures) {
    return Unsigned(Printed("%.*g", figures, value));
}

std::string PowerOfTenNumber(double value, int decimals) {
    PRECONDITION(value > 0.0 && std::isfinite(value));
    int exponent = int(std::floor(std::log10(value)));
    const double scale = std::pow(10.0, decimals);
    double mantissa = std::round(value / std::pow(10.0, exponent) * scale) / scale;
    if (mantissa >= 10.0) {
        mantissa /= 10.0;
        ++exponent;
    }
    return FixedNumber(mantissa, decimals) + " × 10" + Superscript(exponent);
}

std::string PeriodNumber(double period_days) {
    return FixedNumber(period_days, PeriodDecimals(period_days));
}

TWording PeriodText(double period_days) {
    return TWording(Said("Numbers", "%1 days")).Number(PeriodNumber(period_days));
}

std::string DayCount(double days) {
    return days >= 1000.0 ? FixedNumber(days, 0) : FiguresNumber(days, days < 10.0 ? 5 : 4);
}

TWording DaysText(double days) {
    const std::string count = DayCount(days);
    return TWording(count == "1" ? Said("Numbers", "%1 day") : Said("Numbers", "%1 days"))
        .Number(count);
}

TWording ProbabilityText(double p) {
    if (p >= 1e-3) {
        // Two figures, and a whole number from 10 % up ("100 %", not "1e+02 %").
        return TWording(Unsaid("%1 %"))
            .Number(p >= 0.1 ? FixedNumber(100.0 * p, 0) : FiguresNumber(100.0 * p, 2));
    }
    if (!(p >= SmallestProbabilityShown))
        return Said("Numbers", "below 10⁻¹⁶");
    return TWording(Unsaid("%1")).Number(PowerOfTenNumber(p, 1));
}
