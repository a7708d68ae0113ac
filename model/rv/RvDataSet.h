// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// A star's radial velocities from one file or several: each file read as a table
// (RvTable.h) and imported in its guessed or chosen columns and units (RvImport.h). A file
// without an instrument column is one instrument, named by its reader where it knows the
// name, else by the file's "instrument" header, else by the file's name without its
// extension ("e_kms_mjd.csv" gives "e_kms_mjd"); a file with one gives an instrument for
// every name in it. Instruments of the same name from different files are kept apart
// ("ELODIE", "ELODIE #2"), since each file may have its own zero point. The header's
// "reference", "bibcode" and "telescope" name the paper and where the data come from.
// Times are kept relative to the earliest, which is the set's offset (a Julian date, or days
// of the files' own epoch). Units: days, m/s.

#include "model/observing/MeasurementsCsv.h"
#include "model/rv/RvImport.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace rvdata {

struct TRvInstrument {
    std::string name;
    std::string reference; // the paper, "Butler et al. 2006 (ApJ, 646, 505)", or empty
    std::string bibcode;
    std::string telescope;
    std::string file;      // the file it was read from
    int count = 0;         // measurements
};

struct TRvDataSet {
    std::string star;               // as the files or the user name it
    double starMass_Solar = 0.0;    // 0 when no file gives it
    // Where the mass comes from, in a phrase: "from the data's system file", or from the
    // paper the card of real systems takes it from.
    TWording starMassSource;
    std::vector<TRvInstrument> instruments;
    observing::TMeasurementSet measurements; // each one's instrument indexes instruments
    std::vector<TWording> notes; // what the import guessed, for each file

    // The papers of the instruments, each once, in the instruments' order.
    std::vector<std::string> Papers() const;
};

struct TRvFile {
    std::string name; // the file's name, without folders
    std::string text;
    std::optional<TColumnChoice> choice; // the columns and units; guessed when not given
    std::string instrument; // the name of the file's one instrument, when its reader knows it
};

// When refused, the message names the file, then the line and the cause.
struct TRvDataSetReading : TAnswer {
    TRvDataSet set;
};

// The data set of the files. Refused, naming the file and the line where there is one, when a
// file is refused, when files with Julian dates and files with days of their own epoch are
// mixed, when all of them hold fewer than observing::MinCsvRows measurements, and when a saved
// run could not keep them (MeasurementLimits.h): more than MaxCsvRows measurements, more than
// MaxInstruments instruments, a name over MaxInstrumentNameBytes, or a span below
// MinSpan_days.
TRvDataSetReading ReadDataSet(std::span<const TRvFile> files);

// Each instrument's measurements less their weighted mean (weights 1 / sigma^2): instruments
// of different zero points on one scale, to be shown and searched together before a fit
// gives each its own offset. One instrument's measurements are returned as they are.
std::vector<observing::TMeasurement> OnCommonZeroPoint(
    std::span<const observing::TMeasurement> data);

// A reference as the headers write it ("BUTLER ET AL. 2006 (APJ, 646, 505)") in the case
// and punctuation readers expect ("Butler et al. 2006 (ApJ, 646, 505)"), a missing comma
// between volume and page restored.
std::string ReadableReference(std::string_view reference);

} // namespace rvdata
