// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "BundledDataCredits.h"

#include "BookText.h"
#include "BookWording.h"
#include "DataFile.h"
#include "RegularFile.h"
#include "model/rv/RvBundle.h"

#include <QString>
#include <vector>

namespace {

// Text as RTF: the control words' characters escaped, anything beyond ASCII as \uN?.
AnsiString Escaped(const QString& text) {
    AnsiString out;
    for (const char16_t unit : text.toStdU16String()) {
        if (unit == u'\\' || unit == u'{' || unit == u'}') {
            out += '\\';
            out += static_cast<char>(unit);
        } else if (unit < 0x80) {
            out += static_cast<char>(unit);
        } else {
            out += "\\u" + std::to_string(unit > 0x7FFF ? int(unit) - 0x10000 : int(unit)) + "?";
        }
    }
    return out;
}

AnsiString Escaped(const AnsiString& text) { return Escaped(QString::fromStdString(text)); }

// "Butler et al. 2006 (ApJ, 646, 505): LICK, 256 measurements; ..." for one star.
AnsiString StarLine(const rvdata::TRvDataSet& set) {
    AnsiString line = "\\b " + Escaped(set.star) + "\\b0 : ";
    bool firstPaper = true;
    for (const AnsiString& paper : set.Papers()) {
        QString instruments;
        for (const rvdata::TRvInstrument& instrument : set.instruments) {
            if (instrument.reference != paper)
                continue;
            const QString one = QString("%1 (%2)")
                                    .arg(QString::fromStdString(instrument.name))
                                    .arg(instrument.count);
            instruments = instruments.isEmpty()
                              ? one
                              : BookText("About", "%1 and %2", "the instruments of a paper")
                                    .arg(instruments, one);
        }
        line += (firstPaper ? "" : "; ") + Escaped(paper) + ", " + Escaped(instruments);
        firstPaper = false;
    }
    return line + ".";
}

} // namespace

AnsiString BundledDataCreditsRtf() {
    AnsiString body;
    try {
        const AnsiString folder = FindDataFile("rv");
        const AnsiString origin =
            rvdata::OriginNote(ReadRegularFile(folder + "/README.md", MaxDataFileBytes));
        body += "\\pard\\sa80 " +
                Escaped(BookText("About",
                                 "The observing window's File menu opens these published radial "
                                 "velocities, with each instrument's number of measurements in "
                                 "brackets.")) +
                " " + Escaped(origin) + "\\par\n";
        for (const rvdata::TBundledStar& star : rvdata::BundledStars()) {
            const rvdata::TRvDataSetReading reading = rvdata::LoadBundledStar(folder, star.name);
            body += "\\pard\\li240\\sa40 " +
                    (reading.ok ? StarLine(reading.set)
                                : "\\b " + Escaped(AnsiString(star.name)) + "\\b0 : " +
                                      Escaped(BookText("About", "its files cannot be read: %1")
                                                  .arg(BookWording(reading.message)))) +
                    "\\par\n";
        }
    } catch (const EFOpenError& e) {
        body += "\\pard " +
                Escaped(BookText("About", "The files of the published measurements that come "
                                          "with the book cannot be read: %1")
                            .arg(QString::fromStdString(e.what()))) +
                "\\par\n";
    }
    return "{\\rtf1\\ansi\\ansicpg1252\\deff0\n"
           "{\\fonttbl{\\f0\\froman\\fcharset0 Times New Roman;}{\\f1\\fswiss\\fcharset0 Arial;}}\n"
           "{\\colortbl;\\red0\\green0\\blue128;\\red0\\green0\\blue157;}\n"
           "\\pard\\qc\\sa160\\cf2\\b\\f1\\fs28 " +
           Escaped(BookText("About", "Published measurements")) +
           "\\b0\\par\n"
           "\\cf1\\f0\\fs22 " +
           body + "}";
}
