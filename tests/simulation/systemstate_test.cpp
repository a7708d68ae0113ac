// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// A system as a student keeps it, written and read back: every field comes back in its own
// place, and each bound of the reader takes its end and refuses what lies beyond.
#include "simulation/SystemState.h"

#include "WorkFile.h"
#include "model/orbit/planetname.h"

#include <QJsonArray>
#include <gtest/gtest.h>

namespace {

// No two values alike, so that a field read into another's place shows.
TSystemState Distinct() {
    TSystemState s;
    s.starMass_Solar = 0.83;
    for (std::size_t k = 0; k < s.planets.size(); ++k) {
        const double d = double(k);
        s.planets[k] = {"Planet " + std::to_string(k), 1e-4 * (k + 1), 0.7 + d, 0.1 + 0.1 * d,
                        0.21 + d, 0.33 + d, 0.47 + d, k != 1};
    }
    s.editedPlanet = 2;
    s.timeScale = 3;
    s.zoom = -4;
    s.tilt = 5;
    s.turn = -6;
    s.tracks = true;
    s.velocityArrows = false;
    s.autoScale = true;
    return s;
}

QJsonObject WithPlanetField(const TSystemState& s, const char* key, const QJsonValue& value) {
    QJsonObject o = SystemToJson(s);
    QJsonArray planets = o["planets"].toArray();
    QJsonObject p = planets[1].toObject();
    p[key] = value;
    planets[1] = p;
    o["planets"] = planets;
    return o;
}

} // namespace

TEST(SystemState, EveryFieldComesBackInItsPlace) {
    const TSystemState s = Distinct();
    EXPECT_EQ(SystemFromJson(SystemToJson(s)), s);
}

TEST(SystemState, EachBoundTakesItsEndAndRefusesBeyond) {
    const TSystemState s = Distinct();
    const struct {
        const char* key;
        QJsonValue end, beyond;
    } bounds[] = {
        {"a", MaxSavedA_AU, MaxSavedA_AU * 1.001},
        {"a", MinSavedA_AU, MinSavedA_AU * 0.999},
        {"mass", MaxSavedPlanetMass_Solar, MaxSavedPlanetMass_Solar * 1.001},
        {"inc", -MaxSavedAngle_rad, -MaxSavedAngle_rad * 1.001},
        {"psi", MaxSavedAngle_rad, MaxSavedAngle_rad * 1.001},
        {"name", QString(qsizetype(TPlanetName::MaxLength), 'n'),
         QString(qsizetype(TPlanetName::MaxLength) + 1, 'n')},
    };
    for (const auto& b : bounds) {
        SCOPED_TRACE(b.key);
        EXPECT_NO_THROW(SystemFromJson(WithPlanetField(s, b.key, b.end)));
        try {
            SystemFromJson(WithPlanetField(s, b.key, b.beyond));
            ADD_FAILURE() << "accepted beyond its bound";
        } catch (const EWorkFileRefusal& e) {
            EXPECT_TRUE(e.Reason().contains(QString("system.planets[1].") + b.key))
                << e.Reason().toStdString();
        }
    }
    QJsonObject light = SystemToJson(s);
    light["starMass"] = MinSavedStarMass_Solar;
    EXPECT_EQ(SystemFromJson(light).starMass_Solar, MinSavedStarMass_Solar);
    light["starMass"] = MinSavedStarMass_Solar * 0.999;
    EXPECT_THROW(SystemFromJson(light), EWorkFileRefusal);
}
