// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/orbit/planet.h"
#include "model/orbit/Angles.h"

#include "Precondition.h"
#include "VectorState.h"

#include <cmath>

namespace {

// Bounds of the semi-major axis (AU) and the star mass (solar masses) the model is set up
// with: far beyond any slider, and narrow enough that period and step size stay finite
// and positive, so the track always has its 40 or more steps.
constexpr double MinElement = 1e-6;
constexpr double MaxElement = 1e6;

// (to - from) / dt, divided component by component.
TVector ChordVelocity(const TVector& from, const TVector& to, double dt) {
    return {(to.x - from.x) / dt, (to.y - from.y) / dt, (to.z - from.z) / dt};
}

bool ElementsInRange(double a, double mass, double starMass) {
    return a >= MinElement && a <= MaxElement && mass >= 0.0 && mass <= MaxElement &&
           starMass >= MinElement && starMass <= MaxElement;
}

} // namespace

void TPlanet::SetUp(double starMass) {
    PRECONDITION(ElementsInRange(a, mass, starMass));
    if (!(ecc >= 0.0))
        ecc = 0.0;
    else if (ecc > MaxEccentricity)
        ecc = MaxEccentricity;

    const double mu = (mass + starMass) * SolarGM;
    Period = TwoPi * std::sqrt(a * a * a / mu);
    p = (1.0 - ecc * ecc) * a;
    theta = 0.0;
    h = std::sqrt(mu * p);
    r = p / (1.0 + ecc * std::cos(theta));
    SetOrientation(inc, phi, psi);
    PlaceAtPericentre();
    MakeTrack();
    PlaceAtPericentre();
    theta = 0.0;
    r = p / (1.0 + ecc * std::cos(theta));
    PrevPosition = Position;
    Velocity = ChordVelocity(Track[0], Track[1], StepSize());
}

void TPlanet::PlaceAtPericentre() {
    PlanePos.Set(a * (1.0 - ecc), 0.0, 0.0);
    Position = AxisP * PlanePos.x + AxisQ * PlanePos.y;
}

void TPlanet::SetOrientation(double newInc, double newPhi, double newPsi) {
    inc = newInc;
    phi = newPhi;
    psi = newPsi;
    AxisP.Set(std::cos(psi), std::sin(psi), 0.0);
    AxisQ.Set(-std::sin(psi), std::cos(psi), 0.0);
    AxisN.Set(0.0, 0.0, 1.0);
    for (TVector* axis : {&AxisP, &AxisQ, &AxisN})
        axis->RotateX(inc);
    for (TVector* axis : {&AxisP, &AxisQ, &AxisN})
        axis->RotateZ(phi);
}

double TPlanet::StepSize() const {
    const double rp = p / (1.0 + ecc);
    return PericentreAngleStep * rp * rp / h;
}

void TPlanet::Step(double dt) {
    PrevPosition = Position;
    theta = theta + dt * h / (r * r);
    r = p / (1.0 + ecc * std::cos(theta));
    PlanePos.x = r * std::cos(theta);
    PlanePos.y = r * std::sin(theta);
    Position = AxisP * PlanePos.x + AxisQ * PlanePos.y;
    Velocity = ChordVelocity(PrevPosition, Position, dt);
}

void TPlanet::MakeTrack() {
    PRECONDITION(h > 0.0); // set up first
    ClearUpperVectorState();
    const double dt = StepSize();
    const auto n = static_cast<long>(Period / dt);
    Track.clear();
    Track.reserve(static_cast<std::size_t>(n) + 1);
    for (long i = 0; i < n; ++i) {
        Track.push_back(Position);
        Step(dt);
    }
    Track.push_back(Track[0]);
}
