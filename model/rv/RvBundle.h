// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The published radial velocities that come with the book: one system file per star
// ("51peg.sys": lines "Name<TAB>51 Peg", "Mass<TAB>1.12" in solar masses, and one
// "RV[]<TAB>file" per instrument's file) beside the instruments' ".vels" files, in the
// folder data/rv of the installation. A file's name ends in its instrument's
// ("51Peg_2_ELODIE.vels" holds ELODIE's measurements). Units: days, m/s, solar masses.

#include "model/rv/RvDataSet.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

struct TRealSystem;

namespace rvdata {

// The stars with bundled data, in the order of the card of real systems, each with its
// system file.
struct TBundledStar {
    const char* name;
    const char* systemFile;
    // What the menu says of the star's data beyond its files, or none.
    TSaid note{};
};
std::span<const TBundledStar> BundledStars();

// The bundled star of that name (case and spaces do not matter: "Ups And" is "ups And"), or
// none.
const TBundledStar* FindBundledStar(std::string_view star);

struct TSystemFile {
    std::string name;
    double starMass_Solar = 0.0; // 0 when not given
    std::vector<std::string> files;
};

// The entries of a system file; refused (empty name) when it names no star or no file.
TSystemFile ReadSystemFile(std::string_view text);

// The data set of a system file and its instruments' files in the same folder. Refused,
// naming the file, when one is missing, unreadable, over observing::MaxCsvBytes or refused.
TRvDataSetReading LoadSystem(const std::string& folder, const std::string& systemFile);

// The bundled data set of a star by its name on the card ("51 Peg", "ups And"; case and
// spaces do not matter) from the folder that holds the bundled files. A star the card of
// real systems lists is weighed with the card's mass, the one its paper weighed the planets
// with (RealSystems.h), so that a planet has one mass in the book; the system file's
// catalogue value, a few per cent off, serves the other stars.
TRvDataSetReading LoadBundledStar(const std::string& folder, std::string_view star);

// The card of real systems' entry (RealSystems.h) for a bundled star, by its name as
// FindBundledStar takes it; none for a star the card does not list or the book has no data of.
const TRealSystem* CardSystem(std::string_view star);

// The origin and licence note of the bundled files' README: the text of its list item
// "- Origin: ...", continuation lines joined and Markdown's code marks dropped; empty when it
// has none.
std::string OriginNote(std::string_view readme);

} // namespace rvdata
