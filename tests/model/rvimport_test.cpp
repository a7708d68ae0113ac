// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/simulation/RealSystems.h"
#include "model/rv/RvBundle.h"
#include "model/rv/RvDataSet.h"
#include "model/rv/RvImport.h"
#include "model/rv/RvTable.h"

#include "LineEnds.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using rvdata::TRvFile;

rvdata::TRvDataSetReading Read(std::vector<TRvFile> files) { return rvdata::ReadDataSet(files); }

rvdata::TRvDataSetReading ReadOne(const std::string& name, const std::string& text) {
    return Read({{name, text, std::nullopt}});
}

bool NotesSay(const rvdata::TRvDataSet& set, const std::string& words) {
    for (const TWording& note : set.notes)
        if (note.English().find(words) != std::string::npos)
            return true;
    return false;
}

std::string RowsOfThree(int count) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += std::to_string(i) + " 1 1\n";
    return text;
}

} // namespace

struct TAcceptedForm {
    const char* name;
    const char* file;
    const char* text;
    double firstTime_days;   // the set's offset: the earliest time as a Julian date or days
    double secondVelocity_mps; // of the second measurement in time
    double secondError_mps;
    std::size_t instruments;
    const char* guessed;     // words the notes must hold
};

class AcceptedForm : public ::testing::TestWithParam<TAcceptedForm> {};

// Each form as it comes from an archive or a spreadsheet reads to the same three
// measurements in m/s and Julian dates; a wrong unit, a lost column or a time scale
// mistaken shows in the numbers.
TEST_P(AcceptedForm, ReadsToMetresPerSecondAndJulianDates) {
    const TAcceptedForm& form = GetParam();
    const auto reading = ReadOne(form.file, form.text);
    ASSERT_TRUE(reading.ok) << reading.message;
    const auto& set = reading.set;
    ASSERT_EQ(set.measurements.data.size(), 3u);
    EXPECT_NEAR(set.measurements.timeOffset_days, form.firstTime_days, 1e-6);
    EXPECT_NEAR(set.measurements.data[1].v_mps, form.secondVelocity_mps, 1e-9);
    EXPECT_NEAR(set.measurements.data[1].error_mps, form.secondError_mps, 1e-9);
    EXPECT_NEAR(set.measurements.data[2].t_days, 2.0, 1e-6);
    EXPECT_EQ(set.instruments.size(), form.instruments);
    EXPECT_TRUE(NotesSay(set, form.guessed)) << set.notes.front();
}

INSTANTIATE_TEST_SUITE_P(
    Forms, AcceptedForm,
    ::testing::Values(
        TAcceptedForm{"vels", "HD1_1_LICK.vels",
                      "# reference = BUTLER ET AL. 2006 (APJ, 646, 505)\n"
                      "# value_units = M/S\n"
                      "  2450002.5   -52.9   4.1\n  2450003.5\t-45.8\t4.8\n2450004.5 -60.8 4.6\n",
                      2450002.5, -45.8, 4.8, 1, "as the file says"},
        TAcceptedForm{"kms", "star.csv",
                      "time,rv,err\n2450002.5,-33.0529,0.0041\n2450003.5,-33.0458,0.0048\n"
                      "2450004.5,-33.0608,0.0046\n",
                      2450002.5, -33045.8, 4.8, 1, "too small for m/s"},
        // Errors of 60 m/s: no instrument reporting in m/s claims 6 cm/s.
        TAcceptedForm{"kms coarse", "star.csv",
                      "time,rv,err\n2450002.5,-33.0529,0.061\n2450003.5,-33.0458,0.058\n"
                      "2450004.5,-33.0608,0.064\n",
                      2450002.5, -33045.8, 58.0, 1, "too small for m/s"},
        TAcceptedForm{"ms fine", "star.csv",
                      "time,rv,err\n2450002.5,-3.05,0.12\n2450003.5,-3.04,0.15\n"
                      "2450004.5,-3.06,0.11\n",
                      2450002.5, -3.04, 0.15, 1, "Velocities in m/s"},
        TAcceptedForm{"kms named", "star.csv",
                      "bjd;rv [km/s];e_rv [km/s]\n2450002,5;-33,0529;0,41\n"
                      "2450003,5;-33,0458;0,48\n2450004,5;-33,0608;0,46\n",
                      2450002.5, -33045.8, 480.0, 1, "Times are BJD"},
        TAcceptedForm{"mjd", "star.txt",
                      "50002.0 10 1\n50003.0 11 2\n50004.0 12 3\n", 2450002.5, 11.0, 2.0, 1,
                      "taken as MJD"},
        TAcceptedForm{"days", "star.txt", "0.5 10 1\n1.5 11 2\n2.5 12 3\n", 0.5, 11.0, 2.0, 1,
                      "days from an epoch"},
        TAcceptedForm{"rdb", "star.rdb",
                      "rjd\tvrad\tsvrad\tfwhm\n---\t----\t-----\t----\n"
                      "55000.0\t-33.0529\t0.0011\t7.1\n55001.0\t-33.0458\t0.0012\t7.1\n"
                      "55002.0\t-33.0608\t0.0010\t7.2\n",
                      2455000.0, -33045.8, 1.2, 1, "JD \u2212 2 400 000, as the column's name"},
        TAcceptedForm{"rdb bjd", "star.rdb",
                      "bjd\tvrad\tsvrad\n---\t----\t-----\n55000.0\t5\t1\n55001.0\t6\t2\n"
                      "55002.0\t7\t1\n",
                      2455000.0, 6.0, 2.0, 1, "as .rdb tables keep them"},
        TAcceptedForm{"instrument column", "both.csv",
                      "2450002.5,5,1,HARPS\n2450003.5,7,1,HIRES\n2450004.5,6,1,HARPS\n",
                      2450002.5, 7.0, 1.0, 2, "instrument in column 4"},
        TAcceptedForm{"tabs and spaces", "star.txt",
                      "2450002.5\t1 1\n2450003.5  2\t1\n2450004.5 3 1\n", 2450002.5, 2.0, 1.0,
                      1, "Julian dates"}),
    [](const auto& info) {
        std::string name = info.param.name;
        for (char& c : name)
            if (c == ' ')
                c = '_';
        return name;
    });

struct TRefusedForm {
    const char* name;
    std::string text;
    const char* message; // the whole message: file, line and cause
};

class RefusedForm : public ::testing::TestWithParam<TRefusedForm> {};

TEST_P(RefusedForm, NamesTheFileLineAndCause) {
    const auto reading = ReadOne("star.csv", GetParam().text);
    EXPECT_FALSE(reading.ok);
    EXPECT_EQ(reading.message, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, RefusedForm,
    ::testing::Values(
        TRefusedForm{"mixed_separators", "1,2,3\n2,3,4\n3\t4\t5\n",
                     "star.csv: line 3: 1 column where line 1 has 3; are its values separated "
                     "by something else?"},
        TRefusedForm{"unix_seconds", "1700000000 5 1\n1700086400 6 1\n1700172800 7 1\n",
                     "star.csv: line 1: the time 1700000000 is beyond any date in days; are "
                     "the times in seconds?"},
        TRefusedForm{"zero_error", "# a comment\n2450000.5 5 1\n2450001.5 6 0\n2450002.5 7 1\n",
                     "star.csv: line 3: the error 0 is not above 0."},
        TRefusedForm{"text_in_velocity", "time rv err\n1 2 3\n2 x 3\n3 4 5\n",
                     "star.csv: line 3: the velocity \u201cx\u201d is not a finite number."},
        TRefusedForm{"infinite", "1 2 3\n2 1e999 3\n3 4 5\n",
                     "star.csv: line 2: the velocity \u201c1e999\u201d is not a finite number."},
        TRefusedForm{"too_few", "1 2 3\n2 3 4\n",
                     "star.csv: there are 2 measurements; a data set needs at least 3."},
        TRefusedForm{"no_rows", "# only\n\n", "star.csv: The file holds no rows of measurements."},
        // The limits are the measurement reader's, in its words.
        TRefusedForm{"over_1_MB", std::string(1'000'001, '#'),
                     "star.csv: The file is larger than 1 MB; the book reads up to 1 MB of "
                     "measurements."},
        TRefusedForm{"over_100000_rows", RowsOfThree(100'001),
                     "star.csv: The file has more than 100 000 rows; the book reads up to "
                     "100 000 measurements."},
        TRefusedForm{"dashes_short", "t\tv\te\n--\t--\n1\t2\t3\n",
                     "star.csv: line 2: the line of dashes has 2 columns where the names above "
                     "have 3."}),
    [](const auto& info) { return std::string(info.param.name); });

class LineEnds : public ::testing::TestWithParam<lineends::TEnds> {};

// Every kind of line end reads alike, lines counted once each: an .rdb table (its header,
// names and dashes) and a refusal naming its line.
TEST_P(LineEnds, ReadAlikeAndCountLinesOnce) {
    const auto joined = [this](std::vector<std::string> lines) {
        return lineends::Joined(lines, GetParam());
    };
    const auto reading =
        ReadOne("a.rdb", joined({"# instrument = HARPS", "rjd\tvrad\tsvrad", "---\t----\t-----",
                                 "55000.0\t1.5\t0.5", "", "55001.0\t2.5\t0.5",
                                 "55002.0\t3.5\t0.5"}));
    ASSERT_TRUE(reading.ok) << reading.message;
    ASSERT_EQ(reading.set.measurements.data.size(), 3u);
    EXPECT_EQ(reading.set.measurements.timeOffset_days, 2455000.0);
    EXPECT_EQ(reading.set.measurements.data[2].v_mps, 3.5);
    EXPECT_EQ(reading.set.instruments.front().name, "HARPS");
    EXPECT_EQ(ReadOne("b.txt", joined({"# c", "1 2 3", "", "2 3 x", "3 4 5"})).message,
              "b.txt: line 4: the error \u201cx\u201d is not a finite number.");
}

INSTANTIATE_TEST_SUITE_P(Kinds, LineEnds, lineends::Kinds(), lineends::Name);

// A chosen scale that the numbers contradict is refused, not shifted by 2.4 million days.
TEST(RvImport, ChosenScaleThatTheTimesContradictIsRefused) {
    rvdata::TColumnChoice asJd;
    asJd.scale = rvdata::TTimeScale::JD;
    auto reading = Read({{"a.txt", "55000 1 1\n55001 2 1\n55002 3 1\n", asJd}});
    EXPECT_EQ(reading.message, "a.txt: line 1: the time 55000 is no Julian date (those are above "
                               "2 400 000); choose MJD or days.");
    rvdata::TColumnChoice asMjd;
    asMjd.scale = rvdata::TTimeScale::MJD;
    reading = Read({{"b.txt", "2455000 1 1\n2455001 2 1\n2455002 3 1\n", asMjd}});
    EXPECT_EQ(reading.message,
              "b.txt: line 1: the time 2455000 is a Julian date, not MJD; choose JD or BJD.");
    EXPECT_EQ(reading.line, 1) << "the set names the line at fault for the dialog too";
    rvdata::TColumnChoice asRjd;
    asRjd.scale = rvdata::TTimeScale::RJD;
    EXPECT_EQ(Read({{"c.txt", "2455000 1 1\n2455001 2 1\n2455002 3 1\n", asRjd}}).message,
              "c.txt: line 1: the time 2455000 is a Julian date, not JD \u2212 2 400 000; "
              "choose JD or BJD.");
}

// Several files: one instrument each, named by the header or the whole stem and told apart
// when they share a name, times merged in order, and a file of MJD put on the same scale as
// one of JD.
TEST(RvImport, SeveralFilesKeepTheirInstrumentsApart) {
    const auto reading =
        Read({{"S_1_x.vels", "# instrument = ELODIE\n2450001.5 10 2\n2450003.5 12 2\n", {}},
              {"S_2_y.vels", "# reference = NAEF ET AL. 2004 (A&A, 414, 351)\n"
                             "# instrument = ELODIE\n2450002.5 -5 3\n",
               {}},
              {"e_kms_mjd.txt", "mjd vel err\n50001.0 100 1\n", {}}});
    ASSERT_TRUE(reading.ok) << reading.message;
    const auto& set = reading.set;
    ASSERT_EQ(set.instruments.size(), 3u);
    EXPECT_EQ(set.instruments[0].name, "ELODIE");
    EXPECT_EQ(set.instruments[1].name, "ELODIE #2");
    EXPECT_EQ(set.instruments[2].name, "e_kms_mjd");
    EXPECT_EQ(set.Papers(), std::vector<std::string>{"Naef et al. 2004 (A&A, 414, 351)"});
    // MJD 50001.0 is JD 2450001.5, the first ELODIE night.
    const std::vector<int> order = {0, 2, 1, 0};
    const std::vector<double> times = {0.0, 0.0, 1.0, 2.0};
    ASSERT_EQ(set.measurements.data.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(set.measurements.data[i].instrument, order[i]) << i;
        EXPECT_DOUBLE_EQ(set.measurements.data[i].t_days, times[i]) << i;
    }
}

TEST(RvImport, DaysAndDatesDoNotMix) {
    const auto reading = Read({{"a.txt", "2450001.5 10 2\n2450003.5 12 2\n", {}},
                               {"b.txt", "1.5 10 2\n", {}}});
    EXPECT_EQ(reading.message, "b.txt: its times are days of an epoch of its own and those of "
                               "the files before are not; choose the same kind of time for "
                               "every file.");
}

// Every bundled star loads with its instruments, counts and papers as the README lists them.
TEST(RvBundle, EveryStarLoadsWithItsInstrumentsAndPapers) {
    struct TExpected {
        const char* star;
        std::vector<int> counts;
        std::size_t papers;
    };
    const TExpected expected[] = {
        {"51 Peg", {256, 153}, 2},          {"70 Vir", {74, 35}, 2},
        {"HD 80606", {23, 19, 48, 73, 6, 55}, 4}, {"47 UMa", {43, 77, 44, 91}, 3},
        {"ups And", {284, 71, 41, 52}, 4},  {"GJ 876", {16, 155}, 2},
        {"HD 209458", {46, 141, 85}, 2}};
    ASSERT_EQ(rvdata::BundledStars().size(), std::size(expected));
    for (const TExpected& e : expected) {
        const auto reading = rvdata::LoadBundledStar(DOPPLER_RV_DIR, e.star);
        ASSERT_TRUE(reading.ok) << e.star << ": " << reading.message;
        const auto& set = reading.set;
        EXPECT_GT(set.starMass_Solar, 0.3) << e.star;
        std::vector<int> counts;
        for (const auto& instrument : set.instruments)
            counts.push_back(instrument.count);
        EXPECT_EQ(counts, e.counts) << e.star;
        EXPECT_EQ(set.Papers().size(), e.papers) << e.star;
        EXPECT_GT(set.measurements.timeOffset_days, 2440000.0) << e.star;
    }
    const auto peg = rvdata::LoadBundledStar(DOPPLER_RV_DIR, "51peg");
    EXPECT_EQ(peg.set.star, "51 Peg");
    // The bundle names an instrument by its file's last part, not by the header's
    // spectrograph.
    EXPECT_EQ(peg.set.measurements.instruments, (std::vector<std::string>{"LICK", "ELODIE"}));
    EXPECT_EQ(peg.set.Papers().front(), "Butler et al. 2006 (ApJ, 646, 505)");
    EXPECT_EQ(rvdata::LoadBundledStar(DOPPLER_RV_DIR, "Tau Boo").message,
              "No data come with the book for Tau Boo.");
}

// A bundled star the card lists is weighed with the card's mass, so that a planet has one
// mass in the book; its system file's catalogue mass lies within the few per cent
// catalogues differ by.
TEST(RvBundle, ABundledStarIsWeighedWithTheCardsMass) {
    int compared = 0;
    for (const TRealSystem& system : RealSystems()) {
        const rvdata::TBundledStar* bundled =
            system.ShortName.empty() ? nullptr : rvdata::FindBundledStar(system.ShortName);
        if (!bundled)
            continue;
        const auto reading = rvdata::LoadBundledStar(DOPPLER_RV_DIR, system.ShortName);
        ASSERT_TRUE(reading.ok) << reading.message;
        EXPECT_EQ(reading.set.starMass_Solar, system.StarMass.Value) << system.Name;
        EXPECT_EQ(reading.set.starMassSource,
                  "from " + system.Planets.front().Source + ", as on the card of real systems");
        const auto file = rvdata::LoadSystem(DOPPLER_RV_DIR, bundled->systemFile);
        EXPECT_NEAR(file.set.starMass_Solar, system.StarMass.Value, 0.05 * system.StarMass.Value)
            << system.Name << " (" << system.StarMassWhere << ")";
        ++compared;
    }
    EXPECT_GE(compared, 5);
    EXPECT_EQ(rvdata::LoadBundledStar(DOPPLER_RV_DIR, "HD 209458").set.starMassSource,
              "from the data's system file");
}

TEST(RvBundle, SystemFileNamesOnlyFilesBesideIt) {
    const rvdata::TSystemFile system =
        rvdata::ReadSystemFile("Name\tX 1\nMass\t0.8\nRV[]\ta.vels\nRV[]\tb.vels\n");
    EXPECT_EQ(system.name, "X 1");
    EXPECT_DOUBLE_EQ(system.starMass_Solar, 0.8);
    EXPECT_EQ(system.files, (std::vector<std::string>{"a.vels", "b.vels"}));
    EXPECT_TRUE(rvdata::ReadSystemFile("Name\tX\nMass\t1\n").name.empty());
}

// The headers' capitals read as a citation, and a header that drops the comma between volume
// and page is cited with it, while a letter page and a journal's ampersand are kept.
TEST(RvBundle, ReferencesReadAsCitations) {
    EXPECT_EQ(rvdata::ReadableReference("RIVERA ET AL. 2005 (APJ, 634 625)"),
              "Rivera et al. 2005 (ApJ, 634, 625)");
    EXPECT_EQ(rvdata::ReadableReference("LAUGHLIN ET AL. 2005 (APJ, 629, L121)"),
              "Laughlin et al. 2005 (ApJ, 629, L121)");
    EXPECT_EQ(rvdata::ReadableReference("NAEF ET AL. 2001 (A&A, 375 L27)"),
              "Naef et al. 2001 (A&A, 375, L27)");
    EXPECT_EQ(rvdata::ReadableReference("GREGORY & FISCHER 2010 (MNRAS, 403, 731)"),
              "Gregory & Fischer 2010 (MNRAS, 403, 731)");
}

TEST(RvBundle, OriginNoteIsTheReadmesOriginItemWhole) {
    const std::string readme = "# Data\n\nIntro.\n\n- Origin: the archive's tables, as in\n"
                               "  `repo/folder`, licensed GPL-3.0. Each file names\n"
                               "  its paper.\n- Format: three columns.\n";
    EXPECT_EQ(rvdata::OriginNote(readme), "Origin: the archive's tables, as in repo/folder, "
                                          "licensed GPL-3.0. Each file names its paper.");
    EXPECT_EQ(rvdata::OriginNote("- Origin: one line\n\nMore.\n"), "Origin: one line");
    EXPECT_EQ(rvdata::OriginNote("# No origin here\n- Format: x\n"), "");
}
