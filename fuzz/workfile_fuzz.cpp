// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// Feeds arbitrary bytes to the work file's reader and to the readers of its system and
// observing-run parts. Besides the sanitizers' checks: a refusal is a sentence of the book's;
// a part read is written again and reads back the same, so whatever opens also saves and
// opens again; a system read keeps its planets finite through a few steps; a run read holds
// measurements in time order of instruments it names.

#include "fuzz/FuzzCheck.h"
#include "WorkFile.h"
#include "model/orbit/planet.h"
#include "observing/RunState.h"
#include "simulation/SystemState.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

void CheckRefusal(const EWorkFileRefusal& e) {
    const QString reason = e.Reason();
    check(reason.startsWith("The file "), "a refusal that is not the book's sentence");
    check(reason.endsWith('.'), "a refusal without its full stop");
}

bool Finite(const TVector& v) { return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z); }

void CheckSystem(const QJsonObject& part) {
    TSystemState state;
    try {
        state = SystemFromJson(part);
    } catch (const EWorkFileRefusal& e) {
        CheckRefusal(e);
        return;
    }
    check(SystemFromJson(SystemToJson(state)) == state, "a system that reads back otherwise");
    for (const TSavedPlanet& saved : state.planets) {
        TPlanet planet;
        planet.mass = saved.mass_Solar;
        planet.a = saved.a_AU;
        planet.ecc = saved.ecc;
        planet.SetOrientation(saved.inc_rad, saved.phi_rad, saved.psi_rad);
        planet.SetUp(state.starMass_Solar);
        for (int step = 0; step < 8; ++step)
            planet.Step(planet.StepSize());
        check(Finite(planet.Position) && Finite(planet.Velocity), "a kept planet that runs away");
    }
}

void CheckRun(const QJsonObject& part) {
    TRunState state;
    try {
        state = RunFromJson(part);
    } catch (const EWorkFileRefusal& e) {
        CheckRefusal(e);
        return;
    }
    const auto& rows = state.set.data;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        check(i == 0 || rows[i - 1].t_days <= rows[i].t_days, "a run's times out of order");
        check(rows[i].instrument >= 0 &&
                  (rows[i].instrument == 0 || std::size_t(rows[i].instrument) < state.set.instruments.size()),
              "a measurement of an instrument the run does not name");
    }
    const QJsonObject written = RunToJson(state);
    TRunState again;
    try {
        again = RunFromJson(written);
    } catch (const EWorkFileRefusal& e) {
        std::fprintf(stderr, "%s\n", e.what());
        check(false, "a run read that does not read again once written");
    }
    check(RunToJson(again) == written, "a run that reads back otherwise");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QJsonObject parts;
    try {
        parts = WorkFileParts(std::string(reinterpret_cast<const char*>(data), size));
    } catch (const EWorkFileRefusal& e) {
        CheckRefusal(e);
        return 0;
    }
    if (parts.contains("system"))
        CheckSystem(parts.value("system").toObject());
    if (parts.contains("observingRun"))
        CheckRun(parts.value("observingRun").toObject());
    return 0;
}
