// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/fit/FitCsv.h"

#include "model/fit/PlanetMass.h"
#include "model/orbit/planet.h"

#include "Precondition.h"

#include <cmath>
#include <numbers>

namespace fit {

namespace {

constexpr double Degrees = 180.0 / std::numbers::pi;

std::string Field(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

// A comment line holds one line: line breaks become spaces.
std::string Comment(const std::string& text) {
    std::string line = "# ";
    for (char c : text)
        line += c == '\n' || c == '\r' ? ' ' : c;
    return line + '\n';
}

std::string Uncertainty(const TEstimate& x) {
    if (x.fixed)
        return "fixed";
    if (!std::isfinite(x.sigma))
        return "unconstrained";
    return observing::Shortest(x.sigma);
}


class TRows {
public:
    explicit TRows(bool drawn) : drawn_(drawn) {
        text_ = drawn ? "quantity,value,uncertainty,unit,posterior_median,posterior_low,posterior_high\n"
                      : "quantity,value,uncertainty,unit\n";
    }
    void Add(const std::string& quantity, const TEstimate& x, const char* unit,
             double scale = 1.0, double shift = 0.0,
             const posterior::TInterval* interval = nullptr) {
        TEstimate shown = x;
        shown.sigma *= scale;
        text_ += Field(quantity) + ',' + observing::Shortest(x.value * scale + shift) + ',' +
                 Uncertainty(shown) + ',' + unit;
        End(interval, scale, shift);
    }
    void Add(const std::string& quantity, double value, const char* unit) {
        text_ += Field(quantity) + ',' + observing::Shortest(value) + ",," + unit;
        End(nullptr, 1.0, 0.0);
    }
    std::string Text() const { return text_; }

private:
    void End(const posterior::TInterval* interval, double scale, double shift) {
        PRECONDITION(drawn_ || interval == nullptr);
        if (interval)
            for (double x : {interval->median, interval->low, interval->high})
                text_ += ',' + observing::Shortest(x * scale + shift);
        else if (drawn_)
            text_ += ",,,";
        text_ += '\n';
    }

    bool drawn_;
    std::string text_;
};

std::string DrawnComment(const posterior::TPosteriorSummary& drawn) {
    std::string text = "Posterior: median and 68 % interval of the orbits " +
                       std::to_string(drawn.walkers) + " walkers drew over " +
                       std::to_string(drawn.steps) + " steps, ";
    if (drawn.longestTau_steps > 0.0)
        text += std::to_string(int(drawn.steps / drawn.longestTau_steps)) +
                " times the longest autocorrelation time, ";
    return Comment(text + (drawn.converged ? "converged" : "not converged: the intervals are rough"));
}

} // namespace

std::string InstrumentName(const TFitSource& source, std::size_t j) {
    if (j < source.instruments.size() && !source.instruments[j].empty())
        return source.instruments[j];
    return "instrument " + std::to_string(j + 1);
}

std::vector<std::string> PlanetLetters(const TOrbitSolution& solution) {
    PRECONDITION(solution.planets.size() <= 'z' - 'b' + 1);
    std::vector<std::string> letters;
    for (std::size_t j = 0; j < solution.planets.size(); ++j)
        letters.push_back(std::string(1, static_cast<char>('b' + j)));
    return letters;
}

std::string WriteFitCsv(const TOrbitSolution& solution, const TFitSource& source,
                        double timeOffset_days, const posterior::TPosteriorSummary* drawn) {
    PRECONDITION(!drawn || (drawn->planets.size() == solution.planets.size() &&
                            drawn->offsets_mps.size() == solution.offsets_mps.size()));
    std::string text = Comment("Orbit fit of " + (source.name.empty() ? "measurements" : source.name));
    for (const std::string& paper : source.papers)
        text += Comment("Data: " + paper);
    if (drawn)
        text += DrawnComment(*drawn);
    TRows rows(drawn != nullptr);
    const std::vector<std::string> letters = PlanetLetters(solution);
    for (std::size_t j = 0; j < solution.planets.size(); ++j) {
        const TFittedPlanet& p = solution.planets[j];
        const posterior::TPlanetPosterior* d = drawn ? &drawn->planets[j] : nullptr;
        const std::string name = "planet " + letters[j] + " ";
        rows.Add(name + "P", p.period_days, "days", 1.0, 0.0, d ? &d->period_days : nullptr);
        rows.Add(name + "K", p.K_mps, "m/s", 1.0, 0.0, d ? &d->K_mps : nullptr);
        rows.Add(name + "e", p.ecc, "", 1.0, 0.0, d ? &d->ecc : nullptr);
        rows.Add(name + "omega", p.omega_rad, "degrees", Degrees, 0.0, d ? &d->omega_rad : nullptr);
        rows.Add(name + "time of periastron", p.tPeri_days, "days", 1.0, timeOffset_days,
                 d ? &d->tPeri_days : nullptr);
        rows.Add(name + "m sin i", p.massSinI_Jupiter, "Jupiter masses", 1.0, 0.0,
                 d ? &d->massSinI_Jupiter : nullptr);
        posterior::TInterval earth;
        if (d)
            earth = {d->massSinI_Jupiter.median * EarthMassesPerJupiterMass,
                     d->massSinI_Jupiter.low * EarthMassesPerJupiterMass,
                     d->massSinI_Jupiter.high * EarthMassesPerJupiterMass};
        rows.Add(name + "m sin i", p.massSinI_Earth, "Earth masses", 1.0, 0.0, d ? &earth : nullptr);
        rows.Add(name + "a", p.a_AU, "AU", 1.0, 0.0, d ? &d->a_AU : nullptr);
    }
    for (std::size_t j = 0; j < solution.offsets_mps.size(); ++j) {
        rows.Add("offset " + InstrumentName(source, j), solution.offsets_mps[j], "m/s", 1.0, 0.0,
                 drawn ? &drawn->offsets_mps[j] : nullptr);
        rows.Add("jitter " + InstrumentName(source, j), solution.jitters_mps[j], "m/s", 1.0, 0.0,
                 drawn && j < drawn->jitters_mps.size() ? &drawn->jitters_mps[j] : nullptr);
    }
    if (solution.trendOrder >= 1)
        rows.Add("trend", solution.trend_mps_per_day, "m/s per day");
    if (solution.trendOrder >= 2)
        rows.Add("curvature", solution.curvature_mps_per_day2, "m/s per day squared");
    rows.Add("chi2", solution.chiSquare, "");
    rows.Add("reduced chi2", solution.reducedChiSquare, "");
    rows.Add("-2 ln L", solution.minusTwoLnL, "");
    rows.Add("BIC", solution.bic, "");
    rows.Add("rms", solution.rms_mps, "m/s");
    rows.Add("measurements", solution.degreesOfFreedom + solution.parameters, "");
    rows.Add("parameters", solution.parameters, "");
    return text + rows.Text();
}

std::string WriteResidualsCsv(const observing::TMeasurementSet& set,
                              const TOrbitSolution& solution, const TFitSource& source) {
    std::string text = Comment("Residuals of the orbit fit of " +
                               (source.name.empty() ? "measurements" : source.name));
    text += "time,instrument,velocity,error,model,residual,error_with_jitter\n";
    for (const observing::TMeasurement& m : set.data) {
        PRECONDITION(static_cast<std::size_t>(m.instrument) < solution.offsets_mps.size());
        const double model = solution.Velocity_mps(m.t_days, m.instrument);
        const double s = solution.jitters_mps[m.instrument].value;
        text += observing::Shortest(m.t_days + set.timeOffset_days) + ',' +
                Field(InstrumentName(source, m.instrument)) + ',' + observing::Shortest(m.v_mps) +
                ',' + observing::Shortest(m.error_mps) + ',' + observing::Shortest(model) + ',' +
                observing::Shortest(m.v_mps - model) + ',' +
                observing::Shortest(std::sqrt(m.error_mps * m.error_mps + s * s)) + '\n';
    }
    return text;
}

} // namespace fit
