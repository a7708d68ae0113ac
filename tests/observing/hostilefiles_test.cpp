// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// Files and values chosen to break the observing run: each is refused with its reason or
// carried through the plots, the periodogram and the fit, promptly, and the book goes on.
#include "../book/BookFixture.h"

#include "FileSizeLimit.h"
#include "Watchdog.h"
#include "model/observing/MeasurementLimits.h"
#include "observing/TFitByHandPage.h"
#include "observing/TObservingRunForm.h"
#include "observing/TOrbitFitPage.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <sys/stat.h>

namespace {

void Write(const QString& path, const QByteArray& text) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

QStringList warnings;

void Keep(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtDebugMsg && type != QtInfoMsg)
        warnings << message;
}

bool ShowsANumber(const QString& text) {
    return !text.contains("nan", Qt::CaseInsensitive) && !text.contains("inf", Qt::CaseInsensitive);
}

} // namespace

class HostileFilesTest : public BookTest {
protected:
    TObservingRunForm& window() {
        book->mnitObservingRun->trigger();
        return *book->ObservingRunForm;
    }
};

TEST_F(HostileFilesTest, EachIsRefusedAtOnceWithItsCauseAndTheMeasurementsAreKept) {
    TObservingRunForm& w = window();
    QTemporaryDir dir;
    Write(dir.filePath("good.csv"), "0,1,1\n1,2,1\n2,3,1\n3,1,1\n");
    ASSERT_TRUE(w.ImportFile(dir.filePath("good.csv")));
    const auto shown = w.Measurements().data;
    ASSERT_EQ(::mkfifo(dir.filePath("pipe").toLocal8Bit().constData(), 0600), 0);
    const struct {
        const char* name;
        QByteArray text; // written to a file of that name, unless empty
        QString path;    // otherwise read from here
        const char* cause;
    } cases[] = {
        {"a negative error", "0,1,2\n1,2,3\n2,3,-1\n", {}, "line 3: the error must be a positive number"},
        {"one row", "0,1,2\n", {}, "The file holds 1 measurement; at least 3 are needed."},
        {"missing", {}, dir.filePath("no such file.csv"), "no such file or directory."},
        {"an error of 1e308", "0,-10,2\n2,5,1e308\n3,1,1\n", {}, "line 2: the error must lie"},
        {"velocities of 1e16", "0,1e16,1\n1,1e16,1\n2,1e16,1\n", {}, "line 1: the velocity must lie"},
        {"errors of 1e-160", "0,1,1e-160\n1,2,1\n2,3,1\n", {}, "line 1: the error must lie"},
        {"a span of 1e-310", "0,1,1\n1e-310,2,1\n2e-310,3,1\n", {}, "span less than 0.001 days"},
        {"a span of 5e307", "0,1,1\n5e307,2,1\n1,3,1\n", {}, "line 2: the time must lie"},
        {"UTF-16", QByteArray("\xFF\xFE" "0\0,\0" "1\0", 8), {}, "written in UTF-16"},
        {"zero", {}, "/dev/zero", "not a regular file."},
        {"random", {}, "/dev/urandom", "not a regular file."},
        {"pipe", {}, dir.filePath("pipe"), "not a regular file."},
        {"folder", {}, dir.path(), "is a directory."},
        {"over 1 MB", QByteArray(1000001, '#'), {}, "file too large (over 1 MB)."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Watchdog watchdog(c.name, std::chrono::seconds(20));
        const QString path = c.path.isEmpty() ? dir.filePath(c.name) : c.path;
        if (c.path.isEmpty())
            Write(path, c.text);
        EXPECT_FALSE(w.ImportFile(path));
        const QString status = w.StatusLabel->text();
        EXPECT_TRUE(status.startsWith("The file was not read: ")) << status.toStdString();
        EXPECT_TRUE(status.contains(c.cause)) << status.toStdString();
        EXPECT_TRUE(status.endsWith("The measurements shown are kept."));
        EXPECT_EQ(w.Measurements().data, shown);
    }
}

// Every bound reached at once: the plots, the periodogram, the fit of a planet and the fit by
// hand at its sliders' ends all end, and every number they show is a number.
TEST_F(HostileFilesTest, MeasurementsAtTheBoundsAreDrawnPeriodogrammedAndFitted) {
    using namespace observing;
    TObservingRunForm& w = window();
    QTemporaryDir dir;
    QByteArray text;
    for (int i = 0; i < 12; ++i) {
        const double t = i < 11 ? -MaxAbsTime_days + 1e3 * i : MaxAbsTime_days;
        const double v = (i % 3 - 1) * MaxAbsVelocity_mps;
        const double error = i % 2 ? MinError_mps : MaxError_mps;
        text += QByteArray::number(t, 'g', 17) + "," + QByteArray::number(v, 'g', 17) + "," +
                QByteArray::number(error, 'g', 17) + "\n";
    }
    Write(dir.filePath("bounds.csv"), text);
    warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(Keep);
    {
        const Watchdog watchdog("measurements at the bounds", std::chrono::seconds(120));
        ASSERT_TRUE(w.ImportFile(dir.filePath("bounds.csv"))) << w.StatusLabel->text().toStdString();
        w.WaitForPeriodogram();
        EXPECT_NE(w.Periodogram(), nullptr) << w.StatusLabel->text().toStdString();
        w.grab();
        TFitByHandPage& hand = *w.ByHandPage;
        for (QSlider* slider : hand.Sliders)
            slider->setValue(TFitByHandPage::SliderSteps);
        EXPECT_TRUE(ShowsANumber(hand.RmsLabel->text())) << hand.RmsLabel->text().toStdString();
        hand.grab();
        TOrbitFitPage& fit = *w.FitPage;
        fit.NextPlanetButtonClick();
        fit.WaitForFit();
        const QString summary = fit.Summary->text();
        EXPECT_TRUE(ShowsANumber(summary)) << summary.toStdString();
        // Errors of 1e-6 m/s on velocities of the speed of light: a chi^2 of rounding is not
        // shown as the fit's.
        EXPECT_FALSE(summary.contains("reduced")) << summary.toStdString();
        EXPECT_TRUE(summary.contains("\u03c7\u00b2 and BIC not shown: an error of 1e-06 m/s"))
            << summary.toStdString();
        EXPECT_FALSE(fit.EvidenceLabel->text().contains("BIC")) << "nor its delta BIC";
        fit.grab();
    }
    qInstallMessageHandler(previous);
    EXPECT_TRUE(warnings.isEmpty()) << warnings.join('\n').toStdString();
}

TEST_F(HostileFilesTest, AFailedExportSaysSoUntilOneSucceeds) {
    TObservingRunForm& w = window();
    QTemporaryDir dir;
    Write(dir.filePath("in.csv"), "0,1,1\n1,2,1\n2,3,1\n");
    ASSERT_TRUE(w.ImportFile(dir.filePath("in.csv")));
    EXPECT_FALSE(w.ExportFile(dir.filePath("no such folder/out.csv")));
    EXPECT_TRUE(w.StatusLabel->text().startsWith("The measurements were not written: "))
        << w.StatusLabel->text().toStdString();

    const QString out = dir.filePath("out.csv");
    Write(out, QByteArray(5000, '#'));
    {
        const FileSizeLimit disk(32);
        EXPECT_FALSE(w.ExportFile(out));
    }
    EXPECT_EQ(w.StatusLabel->text(), "The measurements were not written: file too large.");
    EXPECT_EQ(Read(out), QByteArray(5000, '#')) << "the earlier file is kept byte for byte";
    ASSERT_TRUE(w.ExportFile(out));
    EXPECT_EQ(w.StatusLabel->text(), "Read 3 measurements from in.csv.");
    QFile written(out);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray text = written.readAll();
    EXPECT_FALSE(text.contains("###")) << "the earlier file is replaced whole";
    EXPECT_TRUE(text.endsWith("\n2,3,1\n")) << text.toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2) << "no temporary file is left";
}
