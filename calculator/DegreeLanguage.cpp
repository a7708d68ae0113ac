// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "calculator/DegreeLanguage.h"

#include "checkedMath.h"
#include "oError.h"

#include <cmath>
#include <cstring>

namespace {

constexpr double RadiansPerDegree = 3.141592653589793 / 180.0;

// The sine and cosine of `degrees`, exact where the angle is a whole multiple of 90°.
double Sine(double degrees) {
    if (!std::isfinite(degrees))
        return checkedMath::sin(degrees); // raises the library's own error
    const double turned = std::remainder(degrees, 360.0); // -180 .. 180
    if (turned == 0.0 || std::fabs(turned) == 180.0)
        return 0.0;
    if (std::fabs(turned) == 90.0)
        return turned > 0 ? 1.0 : -1.0;
    return checkedMath::sin(turned * RadiansPerDegree);
}

double Cosine(double degrees) {
    if (!std::isfinite(degrees))
        return checkedMath::cos(degrees);
    return Sine(std::remainder(degrees, 360.0) + 90.0);
}
double Tangent(double degrees) {
    if (!std::isfinite(degrees))
        return checkedMath::tan(degrees);
    const double cosine = Cosine(degrees);
    if (cosine == 0.0)
        raiseMathError(oMathError::singularity, "tan");
    return Sine(degrees) / cosine;
}
double ArcSine(double a) { return checkedMath::asin(a) / RadiansPerDegree; }
double ArcCosine(double a) { return checkedMath::acos(a) / RadiansPerDegree; }
double ArcTangent(double a) { return checkedMath::atan(a) / RadiansPerDegree; }

template <double (*F)(double)> class DegreeFunction : public oToken<double> {
public:
    DegreeFunction(oLanguage* language, const char* name)
        : oToken<double>(language, name, oTokenBase::function, 9) {}
    double op1(double a) const override { return F(a); }
};

// The language's own token of that name, which the degree one is put before.
const oLinkedListItem* TokenNamed(const oLanguage& language, const char* name) {
    for (const oLinkedListItem* item : language.contents()) {
        const auto* token = dynamic_cast<const oTokenBase*>(item);
        if (token && std::strcmp(token->name, name) == 0)
            return token;
    }
    return nullptr;
}

template <double (*F)(double)> void Replace(oLanguage& language, const char* name) {
    const oLinkedListItem* radians = TokenNamed(language, name);
    auto* degrees = new DegreeFunction<F>(&language, name);
    // First match wins: the degree function goes just before the radian one, so that the
    // hyperbolic functions ("sinh") still come before it.
    if (radians)
        language.moveBefore(degrees, radians);
}

} // namespace

TDegreeLanguage::TDegreeLanguage() {
    Replace<Sine>(*this, "sin");
    Replace<Cosine>(*this, "cos");
    Replace<Tangent>(*this, "tan");
    Replace<ArcSine>(*this, "asin");
    Replace<ArcCosine>(*this, "acos");
    Replace<ArcTangent>(*this, "atan");
    Replace<ArcSine>(*this, "asn");
    Replace<ArcCosine>(*this, "acs");
    Replace<ArcTangent>(*this, "atn");
}
