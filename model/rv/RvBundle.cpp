// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/rv/RvBundle.h"

#include "model/simulation/RealSystems.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <fstream>
#include <sstream>

namespace rvdata {

namespace {

// GJ 876's giants b (61 days) and c (30 days) are locked in a 2:1 resonance and turn each
// other's orbits round within the years of the data (Rivera et al. 2010, ApJ 719, 890, fit
// them with their pulls).
constexpr TSaid Gj876Note = Said(
    "Real data",
    "Its two giants, at 61 and 30 days, lie in a 2:1 resonance and pull each other's orbits "
    "round within the years of these measurements: fixed Keplerian orbits cannot follow them. "
    "Fitted so, c comes out nearly circular and a harmonic at 15 days looks like one more "
    "planet. Four planets are known; the fit takes four.");

constexpr TBundledStar Stars[] = {
    {"51 Peg", "51peg.sys"},      {"70 Vir", "70vir.sys"}, {"HD 80606", "HD80606.sys"},
    {"47 UMa", "47uma.sys"},      {"ups And", "upsand.sys"}, {"GJ 876", "gj876.sys", Gj876Note},
    {"HD 209458", "HD209458.sys"},
};

std::string Key(std::string_view name) {
    std::string key;
    for (char c : name)
        if (!std::isspace(static_cast<unsigned char>(c)))
            key += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return key;
}

std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front())))
        s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back())))
        s.remove_suffix(1);
    return s;
}

// "51Peg_2_ELODIE.vels" -> "ELODIE": the last part of the stem after an underscore.
std::string InstrumentOfBundledFile(const std::string& file) {
    const std::string stem = file.substr(0, file.find_last_of('.'));
    const std::size_t underscore = stem.find_last_of('_');
    return underscore == std::string::npos ? stem : stem.substr(underscore + 1);
}

// The file's text, or a message saying why it cannot be read.
bool ReadFile(const std::string& path, std::string& text, TSaid& message) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        message = Said("Real data", "%1 cannot be opened.");
        return false;
    }
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0 || static_cast<std::size_t>(size) > observing::MaxCsvBytes) {
        message = size < 0 ? Said("Real data", "%1 cannot be read.")
                           : Said("Real data", "%1 is too large for a table of measurements.");
        return false;
    }
    in.seekg(0);
    text.assign(static_cast<std::size_t>(size), '\0');
    if (!in.read(text.data(), size)) {
        message = Said("Real data", "%1 cannot be read.");
        return false;
    }
    return true;
}

} // namespace

std::span<const TBundledStar> BundledStars() { return Stars; }

TSystemFile ReadSystemFile(std::string_view text) {
    TSystemFile system;
    std::istringstream lines{std::string(text)};
    std::string line;
    while (std::getline(lines, line)) {
        const std::string_view entry = Trimmed(line);
        const std::size_t split = entry.find_first_of(" \t");
        if (entry.empty() || entry.front() == '#' || split == std::string_view::npos)
            continue;
        const std::string_view key = entry.substr(0, split);
        const std::string_view value = Trimmed(entry.substr(split));
        if (key == "Name") {
            system.name = value;
        } else if (key == "Mass") {
            double mass = 0.0;
            if (ParseNumber(value, false, mass) && mass > 0.0)
                system.starMass_Solar = mass;
        } else if (key == "RV[]" && !value.empty()) {
            system.files.emplace_back(value);
        }
    }
    if (system.files.empty())
        system.name.clear();
    return system;
}

TRvDataSetReading LoadSystem(const std::string& folder, const std::string& systemFile) {
    TRvDataSetReading reading;
    std::string text;
    TSaid why;
    if (!ReadFile(folder + "/" + systemFile, text, why)) {
        reading.message = TWording(why).Name(systemFile);
        return reading;
    }
    const TSystemFile system = ReadSystemFile(text);
    if (system.name.empty()) {
        reading.message =
            TWording(Said("Real data", "%1 names no star or no file of measurements."))
                .Name(systemFile);
        return reading;
    }
    std::vector<TRvFile> files;
    for (const std::string& name : system.files) {
        // A system file names files beside it, never a path elsewhere.
        if (name.find('/') != std::string::npos || name.find('\\') != std::string::npos) {
            reading.message =
                TWording(Said("Real data", "%1 names %2, which is not a file beside it."))
                    .Name(systemFile)
                    .Name(name);
            return reading;
        }
        TRvFile file;
        file.name = name;
        file.instrument = InstrumentOfBundledFile(name);
        if (!ReadFile(folder + "/" + name, file.text, why)) {
            reading.message = TWording(why).Name(name);
            return reading;
        }
        files.push_back(std::move(file));
    }
    reading = ReadDataSet(files);
    if (reading.ok) {
        reading.set.star = system.name;
        reading.set.starMass_Solar = system.starMass_Solar;
        reading.set.starMassSource = Said("Real data", "from the data's system file");
    }
    return reading;
}

const TBundledStar* FindBundledStar(std::string_view star) {
    for (const TBundledStar& s : Stars)
        if (Key(s.name) == Key(star))
            return &s;
    return nullptr;
}

TRvDataSetReading LoadBundledStar(const std::string& folder, std::string_view star) {
    if (const TBundledStar* s = FindBundledStar(star)) {
        TRvDataSetReading reading = LoadSystem(folder, s->systemFile);
        if (const TRealSystem* system = CardSystem(star); system && reading.ok) {
            reading.set.starMass_Solar = system->StarMass.Value;
            reading.set.starMassSource =
                TWording(Said("Real data", "from %1, as on the card of real systems"))
                    .Name(system->Planets.front().Source);
        }
        return reading;
    }
    TRvDataSetReading reading;
    reading.message =
        TWording(Said("Real data", "No data come with the book for %1.")).Name(std::string(star));
    return reading;
}

const TRealSystem* CardSystem(std::string_view star) {
    const TBundledStar* bundled = FindBundledStar(star);
    if (!bundled)
        return nullptr;
    for (const TRealSystem& system : RealSystems())
        if (!system.ShortName.empty() && FindBundledStar(system.ShortName) == bundled)
            return &system;
    return nullptr;
}

std::string OriginNote(std::string_view readme) {
    std::istringstream lines{std::string(readme)};
    std::string line, note;
    bool inside = false;
    while (std::getline(lines, line)) {
        const std::string_view text = Trimmed(line);
        if (!inside) {
            inside = text.starts_with("- Origin:");
            if (inside)
                note = text.substr(2);
            continue;
        }
        // The item ends at the next item or a blank line.
        if (text.empty() || text.starts_with("- ") || line.front() != ' ')
            break;
        note += ' ';
        note += text;
    }
    std::erase(note, '`');
    return note;
}

} // namespace rvdata
