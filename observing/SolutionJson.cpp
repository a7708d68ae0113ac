// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "observing/SolutionJson.h"

#include "BookText.h"
#include "BookWording.h"

#include "model/fit/PlanetMass.h"
#include "model/observing/MeasurementLimits.h"

#include <limits>

using namespace observing;

namespace {

constexpr double Largest = std::numeric_limits<double>::max();

QJsonObject EstimateToJson(const fit::TEstimate& e) {
    return {{"value", e.value},
            {"sigma", ExtendedNumberValue(e.sigma)},
            {"low", ExtendedNumberValue(e.low)},
            {"high", ExtendedNumberValue(e.high)},
            {"fixed", e.fixed}};
}

// `limit` bounds the value: the curve a solution gives is summed from its elements, offsets
// and trend, which must stay far from overflowing.
fit::TEstimate EstimateOf(const TWorkFields& f, double min, double max) {
    fit::TEstimate e;
    e.value = f.Number("value", min, max);
    e.sigma = f.ExtendedNumber("sigma");
    if (!(e.sigma >= 0.0))
        f.Refuse("sigma", BookText("Work file", "is below 0"));
    e.low = f.ExtendedNumber("low");
    e.high = f.ExtendedNumber("high");
    if (!(e.low <= e.high))
        f.Refuse("high", BookText("Work file", "is below \"low\""));
    // The texts and the interval drawn start from the value inside its own range.
    if (!(e.low <= e.value && e.value <= e.high))
        f.Refuse("value", BookText("Work file", "lies outside \"low\" to \"high\""));
    e.fixed = f.Boolean("fixed");
    return e;
}

fit::TEstimate EstimateFromJson(const TWorkFields& parent, const char* key,
                                double min = -Largest, double max = Largest) {
    return EstimateOf(parent.Object(key), min, max);
}

QJsonArray EstimatesToJson(const std::vector<fit::TEstimate>& list) {
    QJsonArray array;
    for (const fit::TEstimate& e : list)
        array.append(EstimateToJson(e));
    return array;
}

std::vector<fit::TEstimate> EstimatesFromJson(const TWorkFields& f, const char* key, int count,
                                              double limit) {
    const QJsonArray array = f.Array(key, count);
    if (array.size() != count)
        f.Refuse(key, BookText("Work file", "does not list %1 instruments").arg(count));
    std::vector<fit::TEstimate> list;
    for (qsizetype i = 0; i < array.size(); ++i)
        list.push_back(EstimateOf(f.Element(array, key, i), -limit, limit));
    return list;
}

// A fit's periastron is the first after its first measurement: up to a period later.
constexpr double LatestPeriastron_days = 2 * MaxAbsTime_days + MaxSavedPlanetPeriod_days;

fit::TEstimate InEarthMasses(fit::TEstimate jupiterMasses) {
    for (double* x : {&jupiterMasses.value, &jupiterMasses.sigma, &jupiterMasses.low,
                      &jupiterMasses.high})
        *x *= fit::EarthMassesPerJupiterMass;
    return jupiterMasses;
}

} // namespace

QJsonObject ElementsToJson(const kepler::TRadialVelocityElements& e) {
    return {{"period", e.period_days},
            {"K", e.K_mps},
            {"ecc", e.ecc},
            {"omega", e.omega_rad},
            {"tPeri", e.tPeri_days}};
}

kepler::TRadialVelocityElements ElementsFromJson(const TWorkFields& f) {
    kepler::TRadialVelocityElements e;
    e.period_days = f.Number("period", MinSavedPlanetPeriod_days, MaxSavedPlanetPeriod_days);
    e.K_mps = f.Number("K", 0.0, MaxSavedVelocity_mps);
    e.ecc = f.Number("ecc", 0.0, MaxEccentricity);
    e.omega_rad = f.Number("omega", -1e3, 1e3);
    e.tPeri_days = f.Number("tPeri", -LatestPeriastron_days, LatestPeriastron_days);
    return e;
}


QJsonObject MeasurementsToJson(const TMeasurementSet& set) {
    QJsonArray rows;
    for (const TMeasurement& m : set.data)
        rows.append(QJsonArray{m.t_days, m.v_mps, m.error_mps, m.instrument});
    QJsonArray instruments;
    for (const std::string& name : set.instruments)
        instruments.append(QString::fromStdString(name));
    return {{"timeOffset", set.timeOffset_days}, {"instruments", instruments}, {"rows", rows}};
}

TMeasurementSet MeasurementsFromJson(const TWorkFields& f) {
    TMeasurementSet set;
    set.timeOffset_days = f.Number("timeOffset", -MaxAbsTime_days, MaxAbsTime_days);
    // The instruments' names, in the order the rows number them; none for one instrument.
    // The import's bounds in bytes of UTF-8 are no tighter than these in UTF-16 units, which
    // any text of that many bytes fits.
    const QJsonArray names = f.Array("instruments", qsizetype(MaxInstruments));
    for (qsizetype k = 0; k < names.size(); ++k) {
        if (!names.at(k).isString() || names.at(k).toString().isEmpty() ||
            names.at(k).toString().size() > qsizetype(MaxInstrumentNameBytes))
            f.Refuse("instruments", BookText("Work file", "entry %1 is not a name").arg(k + 1));
        set.instruments.push_back(names.at(k).toString().toStdString());
    }
    const int instruments = std::max<int>(1, int(names.size()));
    const QJsonArray rows = f.Array("rows", qsizetype(MaxCsvRows));
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const QJsonArray row = rows.at(i).toArray();
        // "row 3 is not four numbers": the row counted from 1.
        const auto refuse = [&](const QString& why) { f.Refuse("rows", why.arg(i + 1)); };
        if (row.size() != 4 || !row[0].isDouble() || !row[1].isDouble() || !row[2].isDouble() ||
            !row[3].isDouble())
            refuse(BookText("Work file", "row %1 is not four numbers"));
        TMeasurement m{row[0].toDouble(), row[1].toDouble(), row[2].toDouble(),
                       row[3].toInt(-1)};
        // Times relative to the earliest span up to twice the bound of one time, as any
        // import's do; the time itself keeps within it.
        TWording why = TimeRefusal(m.t_days + set.timeOffset_days);
        if (why.Empty())
            why = VelocityRefusal(m.v_mps);
        if (why.Empty())
            why = ErrorRefusal(m.error_mps);
        if (!why.Empty())
            f.Refuse("rows", BookText("Work file", "row %1: %2").arg(i + 1).arg(BookWording(why)));
        if (m.instrument < 0 || double(m.instrument) != row[3].toDouble() ||
            m.instrument >= instruments)
            refuse(BookText("Work file", "row %1 names no instrument of the set"));
        if (!set.data.empty() && m.t_days < set.data.back().t_days)
            refuse(BookText("Work file", "row %1 is earlier than the row before it"));
        set.data.push_back(m);
    }
    if (!set.data.empty()) {
        const TWording why = SpanRefusal(set.data.back().t_days - set.data.front().t_days);
        if (!why.Empty())
            f.Refuse("rows", BookWording(why));
    }
    return set;
}

QJsonObject SolutionToJson(const fit::TOrbitSolution& s) {
    QJsonArray planets;
    for (const fit::TFittedPlanet& p : s.planets)
        planets.append(QJsonObject{{"period", EstimateToJson(p.period_days)},
                                   {"K", EstimateToJson(p.K_mps)},
                                   {"ecc", EstimateToJson(p.ecc)},
                                   {"omega", EstimateToJson(p.omega_rad)},
                                   {"tPeri", EstimateToJson(p.tPeri_days)},
                                   {"massSinIJupiter", EstimateToJson(p.massSinI_Jupiter)},
                                   {"a", EstimateToJson(p.a_AU)},
                                   {"eccentricityAtBound", p.eccentricityAtBound}});
    return {{"planets", planets},
            {"offsets", EstimatesToJson(s.offsets_mps)},
            {"jitters", EstimatesToJson(s.jitters_mps)},
            {"trendOrder", s.trendOrder},
            {"trend", EstimateToJson(s.trend_mps_per_day)},
            {"curvature", EstimateToJson(s.curvature_mps_per_day2)},
            {"referenceTime", s.referenceTime_days},
            {"span", s.span_days},
            {"starMass", s.starMass_Solar},
            {"rms", s.rms_mps},
            {"chiSquare", s.chiSquare},
            {"reducedChiSquare", s.reducedChiSquare},
            {"degreesOfFreedom", s.degreesOfFreedom},
            {"parameters", s.parameters},
            {"minusTwoLnL", s.minusTwoLnL},
            {"bic", s.bic}};
}

fit::TOrbitSolution SolutionFromJson(const TWorkFields& f, int instruments) {
    fit::TOrbitSolution s;
    const QJsonArray planets = f.Array("planets", fit::MaxFitPlanets);
    for (qsizetype k = 0; k < planets.size(); ++k) {
        const TWorkFields p = f.Element(planets, "planets", k);
        fit::TFittedPlanet planet;
        // The elements are the estimates' values, and m sin i in Earth masses the same
        // mass in other units: each is kept once and the others worked out from it.
        planet.period_days = EstimateFromJson(
            p, "period", MinSavedPlanetPeriod_days, MaxSavedPlanetPeriod_days);
        planet.K_mps = EstimateFromJson(p, "K", 0.0, MaxSavedVelocity_mps);
        planet.ecc = EstimateFromJson(p, "ecc", 0.0, MaxEccentricity);
        planet.omega_rad = EstimateFromJson(p, "omega", -1e3, 1e3);
        planet.tPeri_days = EstimateFromJson(p, "tPeri", -LatestPeriastron_days,
                                             LatestPeriastron_days);
        planet.elements = {planet.period_days.value, planet.K_mps.value, planet.ecc.value,
                           planet.omega_rad.value, planet.tPeri_days.value};
        // Bounded so that the same mass in Earth masses stays finite.
        constexpr double heaviest = Largest / fit::EarthMassesPerJupiterMass;
        planet.massSinI_Jupiter = EstimateFromJson(p, "massSinIJupiter", -heaviest, heaviest);
        planet.massSinI_Earth = InEarthMasses(planet.massSinI_Jupiter);
        planet.a_AU = EstimateFromJson(p, "a");
        planet.eccentricityAtBound = p.Boolean("eccentricityAtBound");
        s.planets.push_back(planet);
    }
    s.offsets_mps = EstimatesFromJson(f, "offsets", instruments, MaxSavedVelocity_mps);
    s.jitters_mps = EstimatesFromJson(f, "jitters", instruments, MaxSavedVelocity_mps);
    // The first instrument's offset and jitter, which the window shows on their own (an
    // older file's copies of them, "offset" and "jitter", are passed over).
    if (instruments > 0) {
        s.offset_mps = s.offsets_mps.front();
        s.jitter_mps = s.jitters_mps.front().value;
    }
    s.trendOrder = f.Integer("trendOrder", 0, fit::MaxTrendOrder);
    // Bounded so that the curve stays finite over the longest span times allow.
    s.trend_mps_per_day = EstimateFromJson(f, "trend", -MaxSavedVelocity_mps, MaxSavedVelocity_mps);
    s.curvature_mps_per_day2 =
        EstimateFromJson(f, "curvature", -MaxSavedVelocity_mps, MaxSavedVelocity_mps);
    s.referenceTime_days = f.Number("referenceTime", -2 * MaxAbsTime_days, 2 * MaxAbsTime_days);
    s.span_days = f.Number("span", 0.0, 2 * MaxAbsTime_days);
    s.starMass_Solar = f.Number("starMass", 1e-3, 1e3);
    s.rms_mps = f.Number("rms", 0.0, Largest);
    s.chiSquare = f.Number("chiSquare", 0.0, Largest);
    s.reducedChiSquare = f.Number("reducedChiSquare", 0.0, Largest);
    s.degreesOfFreedom = f.Integer("degreesOfFreedom", 0, int(MaxCsvRows));
    s.parameters = f.Integer("parameters", 0, int(MaxCsvRows));
    s.minusTwoLnL = f.Number("minusTwoLnL", -Largest, Largest);
    s.bic = f.Number("bic", -Largest, Largest);
    return s;
}
