// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The fit's numbers as the results tables write them: a value with its 1-sigma uncertainty,
// the uncertainty rounded to two significant figures and the value to the same decimal place
// ("4.23115 ± 0.00047"); "(unconstrained)" after a value the data do not fix: one with an
// infinite uncertainty, or whose 1-sigma interval reaches past a bound of its range with no
// bound on the other side, or past both; "(fixed)" after one held fixed. An interval that
// crosses one bound of a range bounded on both sides stops there ("0.03 +0.05 −0.03"). And
// how far a true value lies from the fitted one, in units of the uncertainty ("1.3σ").

#include "model/fit/CandidateVetting.h"
#include "model/fit/OrbitFit.h"
#include "model/fit/PlanetSearch.h"
#include "model/fit/ResidualRounding.h"

#include "Wording.h"

#include <string>

struct TRealSystem;

namespace fit {

TWording WithUncertainty(const TEstimate& x);

// |truth - fitted| / sigma to one decimal; "–" when the uncertainty is infinite or 0.
TWording SigmaDistance(double truth, const TEstimate& fitted);

// The note shown beside a planet whose eccentricity sits at the model's bound, or an empty
// text.
TWording BoundNote(const TFittedPlanet& planet);

// One line on whether an added planet is believable: its delta BIC and the false-alarm
// probability of the peak it was sought at (as NumberWriting.h writes it), with what they mean (a delta BIC below -10 is
// strong evidence, Kass & Raftery 1995, JASA 90, 773; a false-alarm probability below 1 %
// is a peak noise seldom makes).
TWording EvidenceLine(double deltaBic, double falseAlarm);

// The same with the vetting's verdict (CandidateVetting.h): a planet that fails a test is
// not called evidence; the line names the test it fails.
TWording EvidenceLine(double deltaBic, double falseAlarm, const TVerdict& verdict);

// What the page says when "one more planet" finds none the data support: the best period
// tried, the test it fails, and how many others were refused.
TWording NoPlanetAdded(const TPlanetSearch& search);

// The caution beside a planet whose K lies within MinAmplitudeSigmas uncertainties of zero:
// noise makes a weak orbit look more eccentric than it is. Empty otherwise.
TWording EccentricityBiasNote(const TFittedPlanet& planet);

// Beside a planet the tests believe at a period where the card's published solution of the
// star (RealSystems.h) has none, within PublishedPeriodShare: a signal the measurements
// support is not yet a planet, as the star's surface and the instruments make signals too.
// Empty where a published planet lies at that period.
constexpr double PublishedPeriodShare = 0.1;
TWording UnpublishedNote(const TRealSystem& system, const TFittedPlanet& planet);

// Why a fit's chi^2 and BIC are not shown when its residuals are not resolved
// (ResidualRounding.h), in the words of the fit's summary.
TWording UnresolvedNote(const TUnresolvedResiduals& unresolved);

} // namespace fit
