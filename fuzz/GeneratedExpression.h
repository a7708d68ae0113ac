// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// An expression in + - * / ^, sin, cos, sqrt, numbers and x, fully bracketed, whose shape the
// bytes of a fuzz input choose (one byte an operator, two a number), kept as a tree. The tree
// evaluates itself in plain double arithmetic and bounds the rounding error of every step to
// first order, so that a caller can tell a value two correct evaluators must agree on from
// one that rounding decides (IEEE 754 binary64, relative rounding at most the machine
// epsilon per step).
#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

class GeneratedExpression {
public:
    GeneratedExpression(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {
        root_ = build(0);
        text_ = write(root_);
    }

    const std::string& text() const { return text_; }

    struct Value {
        double value = 0.0;
        double error = 0.0; // bound on the accumulated rounding error, to first order
        bool finite = true; // every step finite
        bool conditioned = true; // no step whose result rounding may turn into another
        double largest = 0.0; // largest magnitude of a step, the scale of rounding differences
        // True where the value is a fact two correct evaluators must agree on.
        bool comparable() const {
            return finite && conditioned && error <= 1e-9 * std::max(1.0, std::fabs(value));
        }
    };

    Value at(double x) const {
        Value result;
        const Step root = evaluate(root_, x, result);
        result.value = root.value;
        result.error = root.error;
        return result;
    }

private:
    enum class Op { number, x, add, subtract, multiply, divide, power, negate, sin, cos, sqrt };
    struct Node {
        Op op;
        int a = -1, b = -1;
        double number = 0.0;
        std::string text;
    };
    struct Step {
        double value;
        double error;
    };
    static constexpr int kMaxDepth = 6;
    static constexpr double kEpsilon = std::numeric_limits<double>::epsilon();

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

    // The first-order error bound of each step: what its operands carry, propagated through
    // the step's derivative, plus the step's own rounding.
    Step evaluate(int i, double x, Value& out) const {
        const Node& n = nodes_[i];
        const Step a = n.a >= 0 ? evaluate(n.a, x, out) : Step{0.0, 0.0};
        const Step b = n.b >= 0 ? evaluate(n.b, x, out) : Step{0.0, 0.0};
        const double ma = std::fabs(a.value), mb = std::fabs(b.value);
        double v = 0.0, e = 0.0;
        switch (n.op) {
        case Op::number:
            // Whole numbers are read exactly; tenths round.
            v = n.number;
            e = n.text.find('.') == std::string::npos ? 0.0 : kEpsilon * std::fabs(v);
            break;
        case Op::x: v = x; break;
        case Op::add: v = a.value + b.value; e = a.error + b.error; break;
        case Op::subtract: v = a.value - b.value; e = a.error + b.error; break;
        case Op::multiply: v = a.value * b.value; e = ma * b.error + mb * a.error; break;
        case Op::divide:
            v = a.value / b.value;
            if (b.error >= mb)
                out.conditioned = false; // the divisor may be zero
            else
                e = (a.error + std::fabs(v) * b.error) / (mb - b.error);
            break;
        case Op::power:
            v = std::pow(a.value, b.value);
            if (a.error >= ma && !(b.error == 0.0 && b.value == std::trunc(b.value)))
                out.conditioned = false; // the base's sign is unknown, the exponent not whole
            else if ((a.value < 0.0 || a.error >= ma) && b.error > 0.0)
                out.conditioned = false; // whether the exponent is whole is unknown
            else if (ma > 0.0)
                e = std::fabs(v) * (mb * a.error / ma + std::fabs(std::log(ma)) * b.error);
            break;
        case Op::negate: v = -a.value; e = a.error; break;
        case Op::sin: v = std::sin(a.value); e = a.error + kEpsilon * ma; break;
        case Op::cos: v = std::cos(a.value); e = a.error + kEpsilon * ma; break;
        case Op::sqrt:
            v = std::sqrt(a.value);
            if (a.error >= a.value)
                out.conditioned = false; // the radicand may be negative
            else
                e = a.error / (2.0 * std::sqrt(a.value - a.error));
            break;
        }
        if (n.op != Op::number && n.op != Op::x && n.op != Op::negate)
            e += kEpsilon * std::fabs(v); // the step's own rounding
        if (!std::isfinite(v) || !std::isfinite(e))
            out.finite = false;
        out.largest = std::max(out.largest, std::fabs(v));
        return {v, e};
    }

    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
    std::vector<Node> nodes_;
    int root_ = -1;
    std::string text_;
};
