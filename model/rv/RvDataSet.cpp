// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/rv/RvDataSet.h"

#include "Precondition.h"

#include <algorithm>
#include <cctype>
#include <map>

namespace rvdata {

namespace {

// The name of a file's one instrument: its reader's, its header's, or its stem
// ("harps.rdb" -> "harps").
std::string InstrumentOfFile(const TRvFile& file, const TRvTable& table) {
    if (!file.instrument.empty())
        return file.instrument;
    if (std::string header = table.Header("instrument"); !header.empty())
        return header;
    const std::string stem = file.name.substr(0, file.name.find_last_of('.'));
    return stem.empty() ? "Instrument" : stem;
}

std::string Unique(std::string name, const std::vector<TRvInstrument>& taken) {
    const auto used = [&](const std::string& n) {
        return std::any_of(taken.begin(), taken.end(),
                           [&](const TRvInstrument& i) { return i.name == n; });
    };
    if (!used(name))
        return name;
    for (int k = 2;; ++k)
        if (const std::string candidate = name + " #" + std::to_string(k); !used(candidate))
            return candidate;
}

} // namespace

std::string ReadableReference(std::string_view reference) {
    // Words of capitals become capitalised words, "ET AL." becomes "et al.", and the journal
    // abbreviations keep their usual form.
    static const std::map<std::string, std::string> Journals = {
        {"APJ", "ApJ"}, {"APJS", "ApJS"}, {"A&A", "A&A"}, {"MNRAS", "MNRAS"},
        {"AJ", "AJ"},   {"PASP", "PASP"}, {"ET", "et"},   {"AL.", "al."}};
    std::string out;
    std::size_t i = 0;
    while (i < reference.size()) {
        if (!std::isalpha(static_cast<unsigned char>(reference[i])) && reference[i] != '&') {
            out += reference[i++];
            continue;
        }
        std::size_t end = i;
        while (end < reference.size() &&
               (std::isalpha(static_cast<unsigned char>(reference[end])) ||
                reference[end] == '&' || reference[end] == '.'))
            ++end;
        std::string word(reference.substr(i, end - i));
        std::string upper = word;
        std::transform(upper.begin(), upper.end(), upper.begin(),
                       [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
        if (const auto j = Journals.find(upper); j != Journals.end()) {
            out += j->second;
        } else {
            for (std::size_t k = 1; k < word.size(); ++k)
                word[k] = static_cast<char>(std::tolower(static_cast<unsigned char>(word[k])));
            out += word;
        }
        i = end;
    }
    // A header may drop the comma between volume and page ("(APJ, 634 625)"): a number
    // followed by a space and another number or page inside the brackets gets it back.
    const std::size_t open = out.find('(');
    for (std::size_t k = open == std::string::npos ? out.size() : open + 1; k + 1 < out.size(); ++k)
        if (out[k] == ' ' && std::isdigit(static_cast<unsigned char>(out[k - 1])) &&
            std::isalnum(static_cast<unsigned char>(out[k + 1])))
            out.insert(k++, 1, ',');
    return out;
}

std::vector<std::string> TRvDataSet::Papers() const {
    std::vector<std::string> papers;
    for (const TRvInstrument& i : instruments)
        if (!i.reference.empty() &&
            std::find(papers.begin(), papers.end(), i.reference) == papers.end())
            papers.push_back(i.reference);
    return papers;
}

namespace {

// The measurements of the files read so far, at their own times, and whether those are dates.
struct TGathered {
    std::vector<observing::TMeasurement> all;
    std::vector<double> times;
    std::optional<bool> julian;
};

// One file's measurements added to the set, its instruments named; the refusal and its line
// when it cannot be, an empty wording when it is.
TWording AddFile(const TRvFile& file, TRvDataSet& set, TGathered& gathered, int& line) {
    const TRvTableReading table = ReadRvTable(file.text);
    if (!table.ok) {
        line = table.line;
        return table.message;
    }
    TColumnChoice choice;
    if (file.choice) {
        choice = *file.choice;
    } else {
        TColumnGuess guess = GuessColumns(table.table);
        choice = guess.choice;
        for (TWording& note : guess.notes)
            set.notes.push_back(TWording(Unsaid("%1: %2")).Name(file.name).Part(std::move(note)));
    }
    const TRvRowsReading rows = ReadRows(table.table, choice);
    if (!rows.ok) {
        line = rows.line;
        return rows.message;
    }
    const bool fileJulian = choice.scale != TTimeScale::Days;
    if (gathered.julian && *gathered.julian != fileJulian)
        return fileJulian ? Said("Refusals", "its times are dates and those of the "
                                             "files before are not; choose the same "
                                             "kind of time for every file.")
                          : Said("Refusals", "its times are days of an epoch of its "
                                             "own and those of the files before are "
                                             "not; choose the same kind of time for "
                                             "every file.");
    gathered.julian = fileJulian;

    TRvInstrument meta;
    meta.file = file.name;
    meta.reference = ReadableReference(table.table.Header("reference"));
    meta.bibcode = table.table.Header("bibcode");
    meta.telescope = table.table.Header("telescope");
    std::map<std::string, int> indexOf; // this file's instruments by name
    const std::string fileInstrument = InstrumentOfFile(file, table.table);
    for (const TRvRow& row : rows.rows) {
        const std::string name = row.instrument.empty() ? fileInstrument : row.instrument;
        auto found = indexOf.find(name);
        if (found == indexOf.end()) {
            if (set.instruments.size() == observing::MaxInstruments)
                return observing::TooManyInstrumentsRefusal();
            TRvInstrument instrument = meta;
            instrument.name = Unique(name, set.instruments);
            if (instrument.name.size() > observing::MaxInstrumentNameBytes)
                return observing::InstrumentNameRefusal();
            set.instruments.push_back(instrument);
            found = indexOf.emplace(name, static_cast<int>(set.instruments.size()) - 1).first;
        }
        if (gathered.all.size() == observing::MaxCsvRows)
            return observing::TooManyMeasurementsRefusal();
        ++set.instruments[found->second].count;
        gathered.all.push_back({0.0, row.v_mps, row.error_mps, found->second});
        gathered.times.push_back(row.t_days);
    }
    if (set.star.empty())
        set.star = table.table.Header("star");
    return {};
}

// The measurements in time order from the earliest, which sets the time offset; or why their
// span is too short to seek a period in, as a saved run's reader refuses it.
TWording PutInTimeOrder(TGathered& gathered, TRvDataSet& set) {
    std::vector<observing::TMeasurement>& all = gathered.all;
    const auto [first, last] = std::minmax_element(gathered.times.begin(), gathered.times.end());
    if (const TWording why = observing::SpanRefusal(*last - *first); !why.Empty())
        return why;
    std::vector<std::size_t> order(all.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        order[i] = i;
        all[i].t_days = gathered.times[i] - *first;
    }
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return all[a].t_days < all[b].t_days; });
    set.measurements.timeOffset_days = *first;
    for (const TRvInstrument& instrument : set.instruments)
        set.measurements.instruments.push_back(instrument.name);
    for (std::size_t i : order)
        set.measurements.data.push_back(all[i]);
    return {};
}

} // namespace

TRvDataSetReading ReadDataSet(std::span<const TRvFile> files) {
    TRvDataSetReading reading;
    const auto refuse = [&](TWording file, TWording message, int line = 0) {
        reading.ok = false;
        reading.line = line;
        reading.message = TWording(Unsaid("%1: %2")).Part(std::move(file)).Part(std::move(message));
        return reading;
    };
    TGathered gathered;
    for (const TRvFile& file : files) {
        int line = 0;
        if (TWording why = AddFile(file, reading.set, gathered, line); !why.Empty())
            return refuse(Verbatim(file.name), std::move(why), line);
    }
    if (gathered.all.size() < observing::MinCsvRows)
        return refuse(files.empty() ? TWording(Said("Refusals", "The data set"))
                                    : Verbatim(files.back().name),
                      TWording(Said("Refusals", "there are %1 measurements; a data set needs at "
                                                "least %2."))
                          .Name(std::to_string(gathered.all.size()))
                          .Name(std::to_string(observing::MinCsvRows)));
    if (TWording why = PutInTimeOrder(gathered, reading.set); !why.Empty())
        return refuse(Verbatim(files.back().name), std::move(why));
    reading.ok = true;
    return reading;
}

std::vector<observing::TMeasurement> OnCommonZeroPoint(
    std::span<const observing::TMeasurement> data) {
    std::vector<observing::TMeasurement> shifted(data.begin(), data.end());
    std::vector<double> sum, weights;
    for (const observing::TMeasurement& m : data) {
        PRECONDITION(m.instrument >= 0 && m.error_mps > 0.0);
        if (static_cast<std::size_t>(m.instrument) >= sum.size()) {
            sum.resize(m.instrument + 1, 0.0);
            weights.resize(m.instrument + 1, 0.0);
        }
        const double w = 1.0 / (m.error_mps * m.error_mps);
        sum[m.instrument] += w * m.v_mps;
        weights[m.instrument] += w;
    }
    if (sum.size() <= 1)
        return shifted;
    for (observing::TMeasurement& m : shifted)
        m.v_mps -= sum[m.instrument] / weights[m.instrument];
    return shifted;
}

} // namespace rvdata
