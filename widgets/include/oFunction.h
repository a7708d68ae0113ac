// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// A function of x given as expression text. It can be evaluated at one x (convert it to
// double), or sampled at evenly spaced points over an interval and drawn as a polyline
// on a world canvas, with the world rectangle bounding the samples at hand for scaling
// a graph.
//
//     oFunction f("x^2", -2.0, 2.0, 4);   // samples 4, 1, 0, 1, 4
//     f.x = 3;
//     double y = f;                        // 9
//
// Errors are the expression compiler's oError records; nothing here catches them.

#include "dimension.h"
#include "oCodeList.h"
#include "oLanguage.h"
#include "oToken.h"

#include <cstdint>
#include <memory>
#include <string>

class oWorldCanvas;

class oFunction {
public:
    // Uses the language given, or a standard language of its own, adds its variable "x"
    // to it and compiles the expression unless it is null.
    explicit oFunction(const char* expression = nullptr, double x = 0.0,
                       oLanguage* language = nullptr);
    // The same, then samples the expression: see calculatePoints.
    oFunction(const char* expression, double x1, double x2, std::int32_t steps,
              oLanguage* language = nullptr);
    ~oFunction();
    oFunction(const oFunction&) = delete;
    oFunction& operator=(const oFunction&) = delete;

    // The value of the compiled expression at x.
    operator double();

    // Compiles the expression and samples it at steps + 1 points from min(x1, x2) to
    // max(x1, x2), setting bounds. No samples for steps <= 0. An error, in compiling or
    // at any sample, leaves no samples. Leaves x one step beyond the last sample.
    void calculatePoints(const char* expression, double x1, double x2, std::int32_t steps);
    // Draws the samples as a polyline in world coordinates; nothing without samples.
    void show(oWorldCanvas& canvas) const;
    void deletePoints();
    // Removes the variable from the language, destroys an own language and the samples.
    // The function cannot be evaluated or sampled afterwards.
    void cleanup();

    // The samples y0 ... yN, or nullptr.
    const double* points() const { return samples.get(); }
    // N: there are N + 1 samples.
    std::int32_t steps() const { return stepCount; }
    double x1() const { return from; }
    double x2() const { return to; }
    double dx() const { return step; }
    const std::string& expression() const { return text; }
    oLanguage* language() const { return lang; }

    // The value given to the variable by the conversion to double; also the running
    // abscissa of sampling.
    double x;
    // The samples' world rectangle: position (x1, minimum y), size (x2 - x1, maximum y -
    // minimum y).
    oRealRect bounds;

    // Sample counts from this on are refused rather than allocated.
    static constexpr std::int64_t pointLimit = 536870906;

private:
    void compile(const char* expression);

    std::string text;
    std::unique_ptr<double[]> samples;
    double from = 0.0;
    double to = 0.0;
    double step = 0.0;
    std::int32_t stepCount = 0;
    // Declared so that the variable leaves the language before an own language goes.
    std::unique_ptr<oLanguage> ownLanguage;
    oLanguage* lang;
    std::unique_ptr<oVariable<double>> variable;
    oCodeList<double> code;
};
