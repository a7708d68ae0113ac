// Compiles arbitrary text as an expression and evaluates it at a few values of x
// (run with -dict=fuzz/evaluate.dict to reach the vocabulary quickly).
// Every input must either compile or raise oError, and every evaluation must either
// give a value or raise oError; a failed compilation must leave no program.

#include "Evaluate.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>

namespace {

struct Fixture {
    oScientificLanguage language;
    oVariable<double>* x = new oVariable<double>(&language, "x"); // owned by the language
    oCodeList<double> code{&language};
};

void evaluateAt(Fixture& f, double x) {
    f.x->value = x;
    try {
        f.code.evaluate();
    } catch (const oError& e) {
        if (e.code != oError::evaluator && e.code != oError::mathLibrary)
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Fixture f;
    const std::string text(reinterpret_cast<const char*>(data), size);
    try {
        f.code.parse(text.c_str());
    } catch (const oError& e) {
        if (e.code != oError::evaluator && e.code != oError::mathLibrary)
            std::abort();
        const std::int32_t position = f.code.errorPosition();
        if (!f.code.code().empty() || position < -1 || position >= static_cast<std::int32_t>(size))
            std::abort();
        return 0;
    }
    if (f.code.code().empty())
        std::abort();
    for (double x : {0.0, 1.0, -2.5, 1e300, std::numeric_limits<double>::quiet_NaN(),
                     std::numeric_limits<double>::infinity()})
        evaluateAt(f, x);
    return 0;
}
