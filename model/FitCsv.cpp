// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/FitCsv.h"

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
    void Add(const std::string& quantity, const TEstimate& x, const char* unit,
             double scale = 1.0, double shift = 0.0) {
        TEstimate shown = x;
        shown.sigma *= scale;
        text_ += Field(quantity) + ',' + observing::Shortest(x.value * scale + shift) + ',' +
                 Uncertainty(shown) + ',' + unit + '\n';
    }
    void Add(const std::string& quantity, double value, const char* unit) {
        text_ += Field(quantity) + ',' + observing::Shortest(value) + ",," + unit + '\n';
    }
    std::string Text() const { return text_; }

private:
    std::string text_ = "quantity,value,uncertainty,unit\n";
};

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
                        double timeOffset_days) {
    std::string text = Comment("Orbit fit of " + (source.name.empty() ? "measurements" : source.name));
    for (const std::string& paper : source.papers)
        text += Comment("Data: " + paper);
    TRows rows;
    const std::vector<std::string> letters = PlanetLetters(solution);
    for (std::size_t j = 0; j < solution.planets.size(); ++j) {
        const TFittedPlanet& p = solution.planets[j];
        const std::string name = "planet " + letters[j] + " ";
        rows.Add(name + "P", p.period_days, "days");
        rows.Add(name + "K", p.K_mps, "m/s");
        rows.Add(name + "e", p.ecc, "");
        rows.Add(name + "omega", p.omega_rad, "degrees", Degrees);
        rows.Add(name + "time of periastron", p.tPeri_days, "days", 1.0, timeOffset_days);
        rows.Add(name + "m sin i", p.massSinI_Jupiter, "Jupiter masses");
        rows.Add(name + "m sin i", p.massSinI_Earth, "Earth masses");
        rows.Add(name + "a", p.a_AU, "AU");
    }
    for (std::size_t j = 0; j < solution.offsets_mps.size(); ++j) {
        rows.Add("offset " + InstrumentName(source, j), solution.offsets_mps[j], "m/s");
        rows.Add("jitter " + InstrumentName(source, j), solution.jitters_mps[j], "m/s");
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
