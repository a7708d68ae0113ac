// Compiles arbitrary text as an expression and evaluates it at a few values of x
// (run with -dict=fuzz/evaluate_fuzz.dict to reach the vocabulary quickly).
// Every input must either compile or raise oError, and every evaluation must either
// give a value or raise oError, the same bits or the same failure when repeated; a failed
// compilation must leave no program.
// The same bytes also steer the generation of a fully bracketed expression in the subset
// that the evaluator shares with muparser (+ - * / ^, sin, cos, sqrt, numbers, x), which
// both must compile and evaluate alike wherever every step of the plain double arithmetic
// stays finite: ours gives a value, equal to muparser's within rounding.

#include "Evaluate.h"

#include <muParser.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace {

struct Fixture {
    oScientificLanguage language;
    oVariable<double>* x = new oVariable<double>(&language, "x"); // owned by the language
    oCodeList<double> code{&language};
};

void fail(const char* what, const std::string& detail) {
    std::fprintf(stderr, "%s\n%s\n", what, detail.c_str());
    std::abort();
}

// The value at x, or nothing when the evaluator raised its error.
std::optional<double> evaluateAt(Fixture& f, double x) {
    f.x->value = x;
    try {
        return f.code.evaluate();
    } catch (const oError& e) {
        if (e.code != oError::evaluator && e.code != oError::mathLibrary)
            std::abort();
    }
    return std::nullopt;
}

bool sameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

void fuzzText(Fixture& f, const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    try {
        f.code.parse(text.c_str());
    } catch (const oError& e) {
        if (e.code != oError::evaluator && e.code != oError::mathLibrary)
            std::abort();
        const std::int32_t position = f.code.errorPosition();
        if (!f.code.code().empty() || position < -1 || position >= static_cast<std::int32_t>(size))
            std::abort();
        return;
    }
    if (f.code.code().empty())
        std::abort();
    for (double x : {0.0, 1.0, -2.5, 1e300, std::numeric_limits<double>::quiet_NaN(),
                     std::numeric_limits<double>::infinity()}) {
        const auto first = evaluateAt(f, x);
        const auto second = evaluateAt(f, x);
        if (first.has_value() != second.has_value() || (first && !sameBits(*first, *second)))
            fail("a second evaluation differs", text);
    }
}

// A fully bracketed expression steered by the input's bytes, kept as a tree so that the
// plain double arithmetic can tell where the true value leaves the finite numbers.
class Generated {
public:
    Generated(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {
        root_ = build(0);
        text_ = write(root_);
    }

    const std::string& text() const { return text_; }

    // The value at x; finite is cleared when any step is not finite, and largest is the
    // largest magnitude of a step, the scale of the rounding differences.
    double at(double x, bool& finite, double& largest) const {
        finite = true;
        largest = 0.0;
        return value(root_, x, finite, largest);
    }

private:
    enum class Op { number, x, add, subtract, multiply, divide, power, negate, sin, cos, sqrt };
    struct Node {
        Op op;
        int a = -1, b = -1;
        double number = 0.0;
        std::string text;
    };
    static constexpr int kMaxDepth = 6;

    unsigned next() { return pos_ < size_ ? data_[pos_++] : 0; }

    int add(Node node) {
        nodes_.push_back(std::move(node));
        return static_cast<int>(nodes_.size()) - 1;
    }

    int build(int depth) {
        const auto op = static_cast<Op>(depth >= kMaxDepth ? next() % 2 : next() % 11);
        Node node{op};
        if (op == Op::number) {
            const unsigned whole = next() % 100;
            const unsigned tenths = next() % 20;
            node.text = std::to_string(whole);
            if (tenths >= 10)
                node.text += "." + std::to_string(tenths - 10);
            node.number = std::strtod(node.text.c_str(), nullptr);
        } else if (op != Op::x) {
            node.a = build(depth + 1);
            if (op <= Op::power)
                node.b = build(depth + 1);
        }
        // muparser turns x^3 and x^4 into products, which round differently from a power;
        // near a cancellation that difference decides between a value and none.
        if (op == Op::power && nodes_[node.a].op == Op::x && nodes_[node.b].op == Op::number &&
            (nodes_[node.b].text == "3" || nodes_[node.b].text == "4")) {
            nodes_[node.b].text += ".5";
            nodes_[node.b].number += 0.5;
        }
        return add(std::move(node));
    }

    std::string write(int i) const {
        const Node& n = nodes_[i];
        static const char* const binary[] = {"+", "-", "*", "/", "^"};
        switch (n.op) {
        case Op::number:
            return n.text;
        case Op::x:
            return "x";
        case Op::negate:
            return "(-" + write(n.a) + ")";
        case Op::sin:
            return "sin(" + write(n.a) + ")";
        case Op::cos:
            return "cos(" + write(n.a) + ")";
        case Op::sqrt:
            return "sqrt(" + write(n.a) + ")";
        default:
            return "(" + write(n.a) + binary[int(n.op) - int(Op::add)] + write(n.b) + ")";
        }
    }

    double value(int i, double x, bool& finite, double& largest) const {
        const Node& n = nodes_[i];
        const double a = n.a >= 0 ? value(n.a, x, finite, largest) : 0.0;
        const double b = n.b >= 0 ? value(n.b, x, finite, largest) : 0.0;
        double v = 0.0;
        switch (n.op) {
        case Op::number: v = n.number; break;
        case Op::x: v = x; break;
        case Op::add: v = a + b; break;
        case Op::subtract: v = a - b; break;
        case Op::multiply: v = a * b; break;
        case Op::divide: v = a / b; break;
        case Op::power: v = std::pow(a, b); break;
        case Op::negate: v = -a; break;
        case Op::sin: v = std::sin(a); break;
        case Op::cos: v = std::cos(a); break;
        case Op::sqrt: v = std::sqrt(a); break;
        }
        if (!std::isfinite(v))
            finite = false;
        largest = std::max(largest, std::fabs(v));
        return v;
    }

    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
    std::vector<Node> nodes_;
    int root_ = -1;
    std::string text_;
};

std::string at(const std::string& text, double x) { return text + "\nx = " + std::to_string(x); }

void compareWithMuparser(Fixture& f, const std::uint8_t* data, std::size_t size) {
    static constexpr double xs[] = {0.0, 1.0, -2.5, 0.7, 31.0};
    const Generated generated(data, size);
    const std::string& text = generated.text();
    bool finite = true;
    double largest = 0.0;
    try {
        f.code.parse(text.c_str());
    } catch (const oError&) {
        // Compiling works out constant parts, so a refusal needs one that fails for every x.
        for (double x : xs) {
            generated.at(x, finite, largest);
            if (finite)
                fail("a shared-subset expression does not compile", at(text, x));
        }
        return;
    }
    static double muX = 0.0;
    static mu::Parser mu;
    [[maybe_unused]] static const bool defined = (mu.DefineVar("x", &muX), true);
    mu.SetExpr(text);
    for (double x : xs) {
        muX = x;
        double theirs = 0.0;
        try {
            theirs = mu.Eval();
        } catch (const mu::Parser::exception_type& e) {
            fail("muparser refuses a shared-subset expression", text + "\n" + e.GetMsg());
        }
        const auto ours = evaluateAt(f, x);
        generated.at(x, finite, largest);
        if (!finite)
            continue; // no true value to agree on
        if (!ours)
            fail("refused where every step is finite", at(text, x));
        const double tolerance = 1e-7 * std::max(1.0, largest);
        if (!(std::fabs(*ours - theirs) <= tolerance))
            fail("differs from muparser", at(text, x) + ", ours " + std::to_string(*ours) +
                                              ", muparser " + std::to_string(theirs));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Fixture f;
    fuzzText(f, data, size);
    compareWithMuparser(f, data, size);
    return 0;
}
