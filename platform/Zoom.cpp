// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "Zoom.h"

#include "Precondition.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace zoom {

namespace {

const char* const ScaleVariable = "QT_SCALE_FACTOR";

int current = 100;
// The user's own scale factor, as the environment held it before Apply.
std::optional<QByteArray> usersFactor;
bool applied = false;

int ParseLevel(std::string_view text) {
    std::string digits(text);
    if (!digits.empty() && digits.back() == '%')
        digits.pop_back();
    std::size_t used = 0;
    int value = 0;
    try {
        value = std::stoi(digits, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (digits.empty() || used != digits.size() || value < ArgumentSmallest ||
        value > ArgumentLargest)
        throw std::invalid_argument("The zoom must be a whole percentage from " +
                                    std::to_string(ArgumentSmallest) + " to " +
                                    std::to_string(ArgumentLargest) + ", such as --zoom 150.");
    return value;
}

} // namespace

int ZoomArgument(int argc, char** argv) {
    int level = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg(argv[i]);
        if (arg == "--zoom") {
            if (i + 1 >= argc)
                throw std::invalid_argument("--zoom needs a percentage, such as --zoom 150.");
            level = ParseLevel(argv[++i]);
        } else if (arg.starts_with("--zoom=")) {
            level = ParseLevel(arg.substr(7));
        }
    }
    return level;
}

bool Fits(QSize frame, QSize available, int percent) {
    // Integer arithmetic: a frame exactly as large as the area fits.
    return frame.width() * percent <= available.width() * 100 &&
           frame.height() * percent <= available.height() * 100;
}

int SmallestDrawable(double ratio) {
    PRECONDITION(ratio > 0.0);
    // A ratio measured back from a zoomed screen carries rounding: 1.24 / 0.62 may come out
    // a hair below 2, which still allows 50 %.
    return std::max(ArgumentSmallest, int(std::ceil(100.0 / ratio - 1e-6)));
}

int FittingZoom(QSize frame, QSize available) {
    PRECONDITION(frame.width() > 0 && frame.height() > 0);
    const int across = available.width() * 100 / frame.width();
    const int down = available.height() * 100 / frame.height();
    return std::clamp(std::min(across, down), LevelSmallest, LevelLargest);
}

int StartZoom(QSize frame, const TScreenMeasure& screen) {
    return std::max(FittingZoom(frame, screen.Available), SmallestDrawable(screen.Ratio));
}

std::optional<std::string> Refusal(int percent, QSize frame, const TScreenMeasure& screen) {
    const int smallest = SmallestDrawable(screen.Ratio);
    if (percent < smallest)
        return "The zoom " + std::to_string(percent) +
               " % is too small for this screen to draw; the smallest it draws whole is " +
               std::to_string(smallest) + " %.";
    if (!Fits(frame, screen.Available, percent)) {
        const int largest = std::max(FittingZoom(frame, screen.Available), smallest);
        return "The zoom " + std::to_string(percent) +
               " % does not fit this screen; the largest that fits is " +
               std::to_string(largest) + " %.";
    }
    return std::nullopt;
}

TScreenMeasure ProbeScreen(int argc, char** argv) {
    // The application object takes the options it knows out of the list it is given: a copy
    // keeps them for the application that follows.
    std::vector<char*> args(argv, argv + argc);
    args.push_back(nullptr);
    int count = argc;
    QGuiApplication probe(count, args.data());
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    return {screen->availableGeometry().size(), screen->devicePixelRatio()};
}

void Apply(int percent) {
    if (!applied) {
        if (qEnvironmentVariableIsSet(ScaleVariable))
            usersFactor = qgetenv(ScaleVariable);
        applied = true;
    }
    double factor = percent / 100.0;
    if (usersFactor) {
        bool ok = false;
        const double own = usersFactor->toDouble(&ok);
        if (ok && own > 0.0)
            factor *= own;
    }
    qputenv(ScaleVariable, QByteArray::number(factor, 'g', 6));
    current = percent;
}

void RestoreEnvironment() {
    if (!applied)
        return;
    if (usersFactor)
        qputenv(ScaleVariable, *usersFactor);
    else
        qunsetenv(ScaleVariable);
}

int Current() { return current; }

double TextScale() { return std::clamp(100.0 / current, 1.0, 2.0); }

std::string LevelCaption(int percent) { return "&" + std::to_string(percent) + " %"; }

} // namespace zoom
