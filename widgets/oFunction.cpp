// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "oFunction.h"

#include "oError.h"
#include "oEvalError.h"
#include "oScientificLanguage.h"
#include "oWorldCanvas.h"

#include "Precondition.h"

#include <cstring>
#include <limits>
#include <new>

oFunction::oFunction(const char* expression, double x, oLanguage* language)
    : x(x), ownLanguage(language ? nullptr : new oScientificLanguage),
      lang(language ? language : ownLanguage.get()),
      variable(std::make_unique<oVariable<double>>(lang, "x")), code(lang) {
    if (expression != nullptr)
        compile(expression);
}

// Once the delegated constructor is done, a failure here runs the destructor.
oFunction::oFunction(const char* expression, double x1, double x2, std::int32_t steps,
                     oLanguage* language)
    : oFunction(nullptr, 0.0, language) {
    calculatePoints(expression, x1, x2, steps);
}

oFunction::~oFunction() { cleanup(); }

oFunction::operator double() {
    PRECONDITION(variable != nullptr);
    variable->value = x;
    return code.evaluate();
}

void oFunction::compile(const char* expression) {
    PRECONDITION(variable != nullptr);
    // Functions sharing a language each add an "x"; the first one the language finds is
    // the one an expression reads. Standing before any other, this function's variable
    // is the one its own expression reads.
    const std::size_t length = std::strlen(variable->name);
    for (oLinkedListItem* item : lang->contents()) {
        auto* token = static_cast<oTokenBase*>(item);
        if (token->type == oTokenBase::variable &&
            token->match(variable->name, nullptr) == static_cast<int>(length)) {
            if (token != variable.get())
                lang->moveBefore(variable.get(), token);
            break;
        }
    }
    code.parse(expression);
}

void oFunction::calculatePoints(const char* expression, double x1, double x2, std::int32_t steps) {
    deletePoints();
    bounds = oRealRect();
    step = 0.0;
    text = expression ? expression : "";
    from = x1;
    to = x2;
    stepCount = steps;
    if (expression == nullptr)
        oEvalError::raise(oEvalError::NO_EXP);
    compile(expression);
    if (from > to)
        std::swap(from, to);
    if (stepCount <= 0)
        return;
    step = (to - from) / stepCount;
    const std::int64_t count = std::int64_t{stepCount} + 1;
    if (count >= pointLimit)
        throw oError("too many points in graph", oError::evaluator);
    std::unique_ptr<double[]> buffer(new (std::nothrow) double[count]);
    if (!buffer)
        throw oError("failed to allocate point buffer", oError::evaluator);

    double minimum = std::numeric_limits<double>::max();
    double maximum = -minimum;
    x = from;
    for (std::int64_t i = 0; i < count; ++i) {
        variable->value = x;
        const double y = code.evaluate();
        buffer[i] = y;
        // A value that is not a number replaces the minimum too.
        if (!(y >= minimum))
            minimum = y;
        if (y > maximum)
            maximum = y;
        x += step;
    }
    samples = std::move(buffer);
    bounds = oRealRect(from, minimum, to - from, maximum - minimum);
}

void oFunction::show(oWorldCanvas& canvas) const {
    if (!samples)
        return;
    double at = from;
    canvas.MoveTo(oRealPoint(at, samples[0]));
    for (std::int32_t i = 1; i <= stepCount; ++i) {
        at += step;
        canvas.LineTo(oRealPoint(at, samples[i]));
    }
}

void oFunction::deletePoints() { samples.reset(); }

void oFunction::cleanup() {
    variable.reset();
    ownLanguage.reset();
    lang = nullptr;
    deletePoints();
}
