// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "Zoom.h"

#include <QGuiApplication>
#include <QScreen>
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

int FittingZoom(QSize frame, QSize available) {
    for (int percent = FitLargest; percent > FitSmallest; percent -= FitStep)
        if (Fits(frame, available, percent))
            return percent;
    return FitSmallest;
}

QRect ProbeAvailableArea(int argc, char** argv) {
    // The application object takes the options it knows out of the list it is given: a copy
    // keeps them for the application that follows.
    std::vector<char*> args(argv, argv + argc);
    args.push_back(nullptr);
    int count = argc;
    QGuiApplication probe(count, args.data());
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
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

std::string LevelCaption(int percent) { return "&" + std::to_string(percent) + " %"; }

} // namespace zoom
